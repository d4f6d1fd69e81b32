// Tf_zh: the combination filtering page, docked into the tab "超强组号". The main-zone tab holds the
// candidate and banker numbers, the modes, the start buttons, the reference issue, the condition sub-pages
// (generated from the condition table) and the result grid. A run works on a worker thread; the page polls
// its progress and can cancel it.
#pragma once

#include <QString>
#include <QWidget>

#include <atomic>
#include <filesystem>
#include <functional>
#include <memory>
#include <random>
#include <vector>

#include "app/page.h"
#include "types/special_tabs.h"

class QTabWidget;
class QPushButton;
class QPlainTextEdit;
class QRadioButton;
class QLineEdit;
class QComboBox;
class QTableWidget;
class QLabel;
class QCheckBox;
class QThread;
class QTimer;

namespace qorvel {

class ComboFilter;
class ZhConditionRow;
class ZhResults;
class ZhSelfSetTab;
class ZhTailSetTab;
class ZhCustomTab;
class ZhOperations;
class ZhBlueTab;
class ZhZoneTab;
class ZhDualTab;
class SpecialResultSet;
class DualResultSet;
struct SpecialConditionFiles;
struct RunOutcome;
struct RunProgress;

// The tabs of the page whose visibility follows the special-number count of the type.
enum class ZhSpecialTab { SpecialFilter /*副区过滤*/, SingleSpecialFilter, DualZoneMatch /*双区匹配*/ };

class Tf_zh : public QWidget, public Page {
  public:
    explicit Tf_zh(QWidget* parent = nullptr);
    ~Tf_zh() override;

    // Saves the current conditions to the given condition file (at shutdown, "exitset.zh").
    void saveExitConditions(const std::filesystem::path& path);
    // A chosen type rebuilds the combination space and clears every result text; the special tabs and
    // the tab captions follow the current slot after every use of the type dialog.
    void typeChanged(bool reloaded) override;
    // The reference-issue list follows the history.
    void historyChanged() override;
    // Rebuilds the combination space for a newly chosen lottery type.
    void rebuildForType();
    // Refreshes the parts that depend on the type (after every use of the type dialog).
    void refreshTypeParts();
    // Shows or hides one of the special-zone tabs.
    void setSpecialTabVisible(ZhSpecialTab tab, bool visible);
    bool specialTabVisible(ZhSpecialTab tab) const;
    // Shows and hides the special tabs as the rule for a type says (unset entries stay as they are).
    void applyTabVisibility(const SpecialTabVisibility& tabs);
    // Captions of the main and single-special filter tabs: MainLabel + "过滤" and SpecialLabel + "过滤".
    void setFilterTabCaptions(const QString& mainCaption, const QString& specialCaption);

    ComboFilter& filter() { return *filter_; }
    // True while a run works on its thread.
    bool running() const { return worker_ != nullptr; }
    // Called on the run's thread at every progress report of the runs started afterwards.
    void setProgressObserver(std::function<void(const RunProgress&)> observer) {
        progressObserver_ = std::move(observer);
    }
    // "重置": every condition off, every number a candidate, no bankers.
    void resetConditions();
    // Saves or loads a condition file; messages go through the platform seam.
    void saveConditionsTo(const std::filesystem::path& path);
    void loadConditionsFrom(const std::filesystem::path& path);
    // Sets the candidate or banker numbers (what the tile picker returns) and rewrites the memo.
    void setCandidates(const std::vector<int>& numbers);
    void setBankers(const std::vector<int>& numbers);
    ZhConditionRow* conditionRow(int id) const;
    // The main result set's popup and its entries.
    ZhResults* results() const { return results_; }
    void showResultPage();
    // Rewrites every condition control from the conditions (after a reset, a load or an undo).
    void refreshConditionControls();
    // "批量过滤": loads and runs the files one after another on the run thread.
    void startBatch(std::vector<std::filesystem::path> files);

    // Entry points the analysis pages export conditions through: the self-set dialog with `numbers`
    // ticked, the tail-set dialog with `digits` ticked, and the check-list picker over rangeStart..rangeEnd
    // for `formula`. Each appends the condition on OK, confirms it and ticks its list's switch; false when
    // cancelled or refused.
    bool addforselfcond(const std::vector<int>& numbers = {});
    bool addforselfcond_ws(const std::vector<int>& digits = {});
    bool addforselfzb(const QString& formula, int rangeStart, int rangeEnd, int currentValue);
    // The same for the custom list of the special-zone tab the type uses ("蓝号过滤" with one special
    // number, "副区过滤" with two); false with more special numbers.
    bool addforspecialzb(const QString& formula, int rangeStart, int rangeEnd, int currentValue);
    ZhSelfSetTab* selfSetTab() const { return selfSetTab_; }
    ZhTailSetTab* tailSetTab() const { return tailSetTab_; }
    ZhCustomTab* customTab() const { return customTab_; }
    ZhOperations* operations() const { return operations_; }
    ZhBlueTab* blueTab() const { return blueTab_; }
    ZhZoneTab* zoneTab() const { return zoneTab_; }
    ZhDualTab* dualTab() const { return dualTab_; }

    // The special-zone state: the conditions of the two special tabs, the special result set they fill
    // and the dual result set the matching builds from it and the main result set.
    SpecialConditionFiles& specialConditions() { return *specialConditions_; }
    SpecialResultSet& specialResults() { return *specialResults_; }
    DualResultSet& dualResults() { return *dualResults_; }
    // The random source of the random matching and of random full tickets.
    std::mt19937& random() { return random_; }

    QTabWidget* pc_zh = nullptr;
    QPushButton* b_zqkxhm = nullptr;
    QPlainTextEdit* m_zqkxhm = nullptr;
    QPushButton* b_zqdm = nullptr;
    QPlainTextEdit* m_zqdm = nullptr;
    QRadioButton* rb_cgzh = nullptr;
    QRadioButton* rb_jxzh = nullptr;
    QLineEdit* me_jxzh = nullptr;
    QRadioButton* rb_xzjz = nullptr;
    QComboBox* cb_xzjz = nullptr;
    QPushButton* b_filter = nullptr;
    QPushButton* b_xzsgl = nullptr;
    QPushButton* b_contfilter = nullptr;
    QPushButton* b_cancelfilter = nullptr;
    QComboBox* cb_glqh = nullptr;
    QTableWidget* sg_zqresult = nullptr;
    QLabel* l_zh_pageinfo = nullptr;
    QLabel* l_zhgl_tzresult = nullptr;
    QLabel* l_zh_status = nullptr;
    QPushButton* b_zh_firstpage = nullptr;
    QPushButton* b_zh_priorpage = nullptr;
    QPushButton* b_zh_nextpage = nullptr;
    QPushButton* b_zh_lastpage = nullptr;
    QCheckBox* cb_notequaldist = nullptr;
    QCheckBox* cb_specnext = nullptr;
    QCheckBox* cb_nothistory = nullptr;
    QCheckBox* cb_rcnumlimit = nullptr;
    QComboBox* combo_rcnum_from = nullptr;
    QComboBox* combo_rcnum_to = nullptr;

  private:
    QWidget* buildMainTab();
    QWidget* buildControls();
    QWidget* buildConditionTabs();
    QWidget* buildSwitches();
    QWidget* buildResults();
    void setMode(bool random);
    void startRun(bool continued, bool afterFilter);
    void finishRun();
    // Cancels a running filter, waits for its thread and finishes it (a type change, shutdown).
    void cancelRunAndWait();
    void refreshNumberMemos();
    void fillIssueList();
    void gotoPage(int page);
    QWidget* specialTab(ZhSpecialTab tab) const;
    // Shows the special tabs the current type uses.
    void applyTypeTabs();

    std::unique_ptr<ComboFilter> filter_;
    std::unique_ptr<SpecialConditionFiles> specialConditions_;
    std::unique_ptr<SpecialResultSet> specialResults_;
    std::unique_ptr<DualResultSet> dualResults_;
    std::mt19937 random_{std::random_device{}()};
    std::vector<ZhConditionRow*> rows_;
    ZhResults* results_ = nullptr;
    ZhSelfSetTab* selfSetTab_ = nullptr;
    ZhTailSetTab* tailSetTab_ = nullptr;
    ZhCustomTab* customTab_ = nullptr;
    ZhOperations* operations_ = nullptr;
    ZhBlueTab* blueTab_ = nullptr;
    ZhZoneTab* zoneTab_ = nullptr;
    ZhDualTab* dualTab_ = nullptr;
    std::vector<std::filesystem::path> batchFiles_;  // handed to the next run by startBatch
    bool batchRun_ = false;                          // the current run is a batch (it loads conditions)
    QWidget* mainTab_ = nullptr;
    QThread* worker_ = nullptr;
    int runSerial_ = 0;  // numbers the runs, so a finished signal is matched to its own run
    std::function<void(const RunProgress&)> progressObserver_;
    QTimer* progressTimer_ = nullptr;
    std::unique_ptr<RunOutcome> outcome_;
    std::atomic<long long> progressDone_{0};
    std::atomic<long long> progressTotal_{0};
    // Set by the cancel button; the run's progress callback answers with it, so a cancel given before
    // the worker has started still stops the run.
    std::atomic<bool> cancelRequested_{false};
};

inline Tf_zh* f_zh = nullptr;

}  // namespace qorvel
