// The criteria group shared by the two value pickers: 奇偶, 质合, 除k余数, optionally 尾数, 振幅, 取值范围 and
// 二期均值 with the button " 按条件选择  ". It only edits a ValueCriteria; the picker runs the pass.
#pragma once

#include <QGroupBox>
#include <array>
#include <string>

#include "combos/value_criteria.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace qorvel {

class ValueCriteriaGroup : public QGroupBox {
  public:
    struct Options {
        int lastDivisor = kLastTileDivisor;  // remainder criteria for k = 3..lastDivisor
        bool withTail = false;               // the 尾数 criterion of the check-list picker
        int amplitudeDigits = 2;
        int rangeDigits = 3;
    };

    ValueCriteriaGroup(const Options& options, QWidget* parent);

    ValueCriteria criteria() const;
    // Unticks every criterion, clears the bounds and restores the tail text.
    void reset();
    // 振幅 and 二期均值 need the current value; without one they are disabled (and unticked).
    void setCurrentValueAvailable(bool available);

    QPushButton* chooseButton = nullptr;  // " 按条件选择  "

  private:
    struct BoundRow {
        QCheckBox* box = nullptr;
        QLineEdit* from = nullptr;
        QLineEdit* to = nullptr;
    };
    QWidget* buildChoiceRow();
    QWidget* buildRemainderRow(int k);
    QWidget* buildBoundRow(BoundRow& row, const char* stem, const char* caption, const char* between, int digits,
                           bool real);
    void hint(QWidget* w) const;

    Options options_;
    QCheckBox* parityBox_ = nullptr;
    QRadioButton* oddButton_ = nullptr;
    QRadioButton* evenButton_ = nullptr;
    QCheckBox* primeBox_ = nullptr;
    QRadioButton* primeButton_ = nullptr;
    QRadioButton* compositeButton_ = nullptr;
    std::array<QCheckBox*, kLastDivisor + 1> divisorBoxes_{};
    std::array<std::array<QCheckBox*, kLastDivisor>, kLastDivisor + 1> remainderBoxes_{};
    QCheckBox* tailBox_ = nullptr;
    QLineEdit* tailField_ = nullptr;
    BoundRow amplitude_;
    BoundRow range_;
    BoundRow average_;
};

// "过滤助手" of the pickers: the series of the code or formula over the history, shown on the dissection
// view in a modal window; an evaluation error is shown instead. Does nothing for an empty history.
void openFilterAssistant(const std::string& source, QWidget* parent);

}  // namespace qorvel
