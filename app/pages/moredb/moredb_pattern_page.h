// MoredbPatternPage: the sheet "综合形态" of the more-charts page — every draw with a class digit for each
// number and each gap, by the chosen class, optionally on the tails and with the gap column hidden.
#pragma once

#include <QWidget>
#include <array>

#include "core/views/pattern_table.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QRadioButton;
class QTableView;

namespace qorvel {

class PatternModel;

constexpr int kPatternClassKinds = 8;

class MoredbPatternPage : public QWidget {
  public:
    explicit MoredbPatternPage(QWidget* parent = nullptr);

    // Rebuilds the table from the controls (the sheet shown, a radio or check box clicked, the divisor
    // changed under "除"); the last row is selected.
    void rebuild();

    const PatternTable& table() const { return table_; }
    PatternTableOptions options() const;

    // The class radios in the order of PatternClassKind: rb_zhxt_dx "大小" … rb_zhxt_cs "除".
    std::array<QRadioButton*, kPatternClassKinds> rb_zhxt{};
    QComboBox* cb_zhxt_cnys = nullptr;  // the divisor of "除"
    QCheckBox* cb_zhxt_whfx = nullptr;  // 尾号分析
    QCheckBox* cb_zhxt_hide = nullptr;  // 隐掉间隔数
    QTableView* sg_zhxt = nullptr;

  private:
    QButtonGroup* kinds_ = nullptr;
    PatternTable table_;
    PatternModel* model_ = nullptr;
};

}  // namespace qorvel
