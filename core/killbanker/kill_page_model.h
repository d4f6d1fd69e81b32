// The state behind one sub-page of the banker and kill page: its formula set, the chosen scheme, formula
// count, index, start issue and list display, and the operations of its buttons (确认修改, 导入公式文件,
// 保存公式组, 载入自定义杀号, 开始分析) with the files they rewrite. The widget only mirrors this state.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "killbanker/formula_set_files.h"
#include "killbanker/kill_run.h"

namespace qorvel {

class KillPageModel {
public:
    // The five number pages edit a set held by the caller (reloaded at every type change); the custom
    // page holds its own set, loaded from a "*.scs" file.
    KillPageModel(Workspace& ws, KillPage page, FormulaSet* set = nullptr);

    KillPage page() const { return page_; }
    const KillPageInfo& info() const { return killPageInfo(page_); }
    void setFormulaSet(FormulaSet* set) { set_ = set; }

    int scheme() const { return scheme_; }
    int formulaCount() const { return count_; }
    int index() const { return index_; }
    int startIssue() const { return startIssue_; }
    ListDisplay display() const { return display_; }
    // Choosing a scheme keeps count and index; choosing the count resets the index to 1.
    void setScheme(int scheme);
    void setFormulaCount(int count);
    void setIndex(int index);
    void setStartIssue(int issue) { startIssue_ = issue; }
    void setDisplay(ListDisplay display) { display_ = display; }

    // The start-issue list: every issue of the history, oldest first (temporary rows left out).
    std::vector<int> startIssues() const;
    // The formula at the current index of the current scheme (empty without a set).
    std::string currentFormula() const;
    // The first k formulas of the current scheme.
    std::vector<std::string> formulasInUse() const;

    // Called after every grid row of a run (the page's progress bar); returning false stops the run.
    void setProgress(std::function<bool(int row, int rows)> progress) { progress_ = std::move(progress); }

    // 开始分析: runs the page; the grid is kept as lastRun().
    KillRunResult run();
    const KillGrid& lastRun() const { return lastRun_; }

    // 确认修改: stores the text at the current index, rewrites the whole set file, then runs. A failed
    // write is reported and nothing runs (the formula stays changed in memory).
    KillRunResult confirmEdit(const std::string& text);
    // 导入公式文件: up to capacity lines into the current scheme from index 1 on; the formula count becomes
    // the number read, the index 1; then the set file is rewritten and the page runs.
    KillRunResult importFormulas(const std::filesystem::path& path);
    // Puts formulas 1..n of the current scheme in place (a generated scheme, or the formulas in use
    // reordered), at most its capacity; then the set file is rewritten and the page runs as 确认修改 does.
    KillRunResult replaceFormulas(const std::vector<std::string>& formulas);
    // 保存公式组: the whole scheme (yes) or its first k formulas (no) to a formula file.
    std::string saveGroup(const std::string& fileName, bool wholeScheme) const;

    // Custom page: 载入自定义杀号 loads a "*.scs" file, selects index 1 and runs.
    KillRunResult loadCustomSet(const std::filesystem::path& path);
    // Custom page: 产生自定义杀号 writes a new set with the chosen target and range and the default formulas
    // under the chosen name, then loads it. Returns an error text.
    std::string createCustomSet(const std::string& fileName, const std::string& target, int from, int to);
    const CustomKillSet& customSet() const { return custom_; }
    bool hasCustomSet() const { return !customPath_.empty(); }
    const std::filesystem::path& customSetPath() const { return customPath_; }

private:
    FormulaSet* editableSet();
    const FormulaSet* set() const;
    std::string saveSet();

    Workspace& ws_;
    KillPage page_;
    FormulaSet* set_;
    CustomKillSet custom_;
    std::filesystem::path customPath_;
    int scheme_ = 1;
    int count_;
    int index_ = 1;
    int startIssue_ = 0;
    ListDisplay display_ = ListDisplay::Regular;
    KillGrid lastRun_;
    std::function<bool(int row, int rows)> progress_;
};

}  // namespace qorvel
