// Tf_qh: the issue choice dialog ("选择期号") — a list of every issue of the history, first to last, for
// pages that let the user pick a draw.
#pragma once

#include <QDialog>
#include <optional>

class QComboBox;
class QPushButton;

namespace qorvel {

class Tf_qh : public QDialog {
  public:
    explicit Tf_qh(QWidget* parent = nullptr);

    // Shows the dialog with the list filled from the history and `preset` chosen when the history holds
    // it (the last issue otherwise). The chosen issue on "确定"; nothing on cancel or for an empty history.
    std::optional<int> chooseIssue(std::optional<int> preset = std::nullopt);

    // Fills cb_qh with the issues of every draw, first to last, and chooses `preset` when the list holds
    // it, else the last issue. The history's cursor does not move.
    void fillIssues(std::optional<int> preset = std::nullopt);

    // The issue the list's text names; nothing when it names none.
    std::optional<int> chosenIssue() const;

    QComboBox* cb_qh = nullptr;
    QPushButton* b_ok = nullptr;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    std::optional<int> preset_;
};

inline Tf_qh* f_qh = nullptr;

}  // namespace qorvel
