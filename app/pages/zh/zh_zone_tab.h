// The tab "副区过滤" of the filter page for types with two special numbers: special candidate and banker
// numbers, the special-zone list conditions and custom conditions, the run over every special group,
// the result grid and the condition files "*.fzh".
#pragma once

#include <vector>

#include "app/pages/zh/zh_special_parts.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTableWidget;

namespace qorvel {

class ZhZoneTab : public ZhSpecialFilterTab {
  public:
    ZhZoneTab(Tf_zh& page, QWidget* parent);

    // Also rewrites the number memos.
    void refresh() override;
    // Rewrites the result grid and its label.
    void showResults() override;

    // "开始过滤 ": StartSpecialFilter; refusals are shown.
    void startFilter();
    // "重置": conditions off and empty, every special number a candidate, no bankers.
    void resetConditions();
    // The numbers the tile picker returns for "副区可选号码" and "副区胆码". Too many bankers clear them
    // and show why.
    void setCandidates(const std::vector<int>& numbers);
    void setBankers(const std::vector<int>& numbers);

    QPushButton* b_fqkxhm = nullptr;
    QPlainTextEdit* m_fqkxhm = nullptr;
    QPushButton* b_fqdm = nullptr;
    QPlainTextEdit* m_fqdm = nullptr;
    QTabWidget* pc_fqcond = nullptr;
    QPushButton* b_fqfilter = nullptr;
    QPushButton* b_fqreset = nullptr;
    QPushButton* b_savefq = nullptr;
    QPushButton* b_loadfq = nullptr;
    QTableWidget* sg_fqresult = nullptr;
    QLabel* l_fqresult = nullptr;

  private:
    ZoneConditionSet& conditions();
    QWidget* buildNumbers();
    QWidget* buildConditions();
    QWidget* buildResults();
    void bindRow(ZhSpecialRow* row, const ZoneConditionInfo& info);
    void setConditionEnabled(int id, bool on) override;
    void setConditionTolerant(int id, bool on) override;
    void refreshRow(int id) override;
    void chooseValues(const ZoneConditionInfo& info);
    void chooseNumbers(bool bankers);
};

}  // namespace qorvel
