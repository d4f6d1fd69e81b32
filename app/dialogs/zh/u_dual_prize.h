// The prize dialog of the dual-zone tab ("对奖"): the winning main and special numbers, typed or taken
// from a drawn issue of the history as soon as its seven digits are typed.
#pragma once

#include <QDialog>
#include <cstdint>
#include <optional>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;

namespace qorvel {

struct Workspace;

// The winning numbers of a prize check, each zone ascending.
struct WinningNumbers {
    std::vector<int32_t> main;
    std::vector<int32_t> special;
};

class DualPrizeDialog : public QDialog {
  public:
    explicit DualPrizeDialog(const Workspace& ws, QWidget* parent = nullptr);

    // Shows the dialog modally; the winning numbers on OK.
    std::optional<WinningNumbers> chooseWinningNumbers();

    // Accepts only complete, valid numbers in both fields; otherwise shows why and stays open.
    void accept() override;

    QLabel* l_djqs = nullptr;
    QLineEdit* me_djqs = nullptr;
    QLabel* l_zq = nullptr;
    QLineEdit* me_zq = nullptr;
    QLabel* l_fq = nullptr;
    QLineEdit* me_fq = nullptr;
    QPushButton* b_ok = nullptr;
    QPushButton* b_cancel = nullptr;

  private:
    // Fills both number fields from the draw of the typed issue once all seven digits are there.
    void fillFromIssue();

    const Workspace& ws_;
    WinningNumbers winning_;
};

}  // namespace qorvel
