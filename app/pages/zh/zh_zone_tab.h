// The tab "副区过滤" of the filter page for types with two special numbers: special candidate and banker
// numbers, the special-zone list conditions and custom conditions, the run over every special group,
// the result grid and the condition files "*.fzh".
#pragma once

#include <QWidget>
#include <filesystem>
#include <vector>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTableWidget;

namespace qorvel {

class Tf_zh;
class ZhCustomTab;
class ZhSpecialRow;
class ZhSpecialResults;
struct ZoneConditionInfo;
struct ZoneConditionSet;

class ZhZoneTab : public QWidget {
  public:
    ZhZoneTab(Tf_zh& page, QWidget* parent);

    // Rewrites every condition control and the number memos from the conditions.
    void refresh();
    // Rewrites the result grid and its label from the special result set.
    void showResults();

    // "开始过滤 ": StartSpecialFilter; refusals are shown.
    void startFilter();
    // "重置": conditions off and empty, every special number a candidate, no bankers.
    void resetConditions();
    // The numbers the tile picker returns for "副区可选号码" and "副区胆码". Too many bankers clear them
    // and show why.
    void setCandidates(const std::vector<int>& numbers);
    void setBankers(const std::vector<int>& numbers);
    void saveConditionsTo(const std::filesystem::path& path);
    void loadConditionsFrom(const std::filesystem::path& path);

    // The row of a list condition id (1..8) or of the total tolerance (9).
    ZhSpecialRow* row(int id) const;
    ZhCustomTab* customTab() const { return customTab_; }
    // The popup of the result grid.
    ZhSpecialResults* popup() const { return popup_; }

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
    void refreshRow(int id);
    void chooseValues(const ZoneConditionInfo& info);
    void chooseNumbers(bool bankers);

    Tf_zh& page_;
    std::vector<ZhSpecialRow*> rows_;  // index id − 1; the last row is the total tolerance
    ZhCustomTab* customTab_ = nullptr;
    ZhSpecialResults* popup_ = nullptr;
    bool refreshing_ = false;
};

}  // namespace qorvel
