// Tf_addsj: the graphical entry dialog ("添加开奖数据") — forty number buttons in four rows of ten, a row
// of result cells filled in ascending order per zone, and the issue editor. The picking rules live in
// GraphicalEntry; the dialog shows its state.
#pragma once

#include <QDialog>
#include <array>
#include <memory>
#include <vector>

#include "draws/graphical_entry.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace qorvel {

class Tf_addsj : public QDialog {
  public:
    explicit Tf_addsj(QWidget* parent = nullptr);
    ~Tf_addsj() override;

    // "重置" (also run when the dialog is shown): no number picked, every result cell empty, picks go to
    // the first cell. The result cells follow the current type's number counts.
    void reset();
    // A click on number button n (1..40).
    void clickNumber(int number);
    // "添加": checks the issue and the picks and adds the draw; closes with OK when it was stored.
    void addDraw();

    // The text of result cell i (1-based).
    QString cellText(int i) const;
    int cellCount() const { return static_cast<int>(resultCells_.size()); }
    QPushButton* numberButton(int number) const { return numberButtons_[static_cast<std::size_t>(number - 1)]; }

    QLineEdit* e_qs = nullptr;
    QPushButton* b_reset = nullptr;
    QPushButton* b_add = nullptr;
    QPushButton* b_cancel = nullptr;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void showState();
    void layOutCells(int count);

    std::unique_ptr<GraphicalEntry> entry_;
    std::array<QPushButton*, kEntryButtons> numberButtons_{};
    std::vector<QLabel*> resultCells_;
    QWidget* cellPanel_ = nullptr;
};

inline Tf_addsj* f_addsj = nullptr;

}  // namespace qorvel
