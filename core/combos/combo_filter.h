// The engine of the combination-filtering page (超强组号): its conditions, the main result set, the undo
// ring and the condition-file memory, and the runs over them — StartRun (a new run over every ticket),
// ContinueRun (the current result set again), the random modes, the batch run and the fixed condition
// files. One object lives as long as the page.
//
// Threading: a run works on a private copy of the workspace (RunSnapshot), taken by prepareRun on the
// thread that owns the shared history. The candidate row, the reference-issue cut and the undo files use
// that copy only, so the shared history and its cursor are never touched by a run and every page may read
// and edit them meanwhile. While a run works it owns the conditions and the result set, so the page must
// not touch those until it returns. requestCancel() may be called from any thread; a cancelled run returns
// RunStatus::Cancelled and leaves the results and the undo ring as they were before it started.
#pragma once

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "combos/candidate_check.h"
#include "combos/condition_file.h"
#include "combos/filter_conditions.h"
#include "combos/result_set.h"
#include "combos/undo_ring.h"
#include "types/workspace.h"

namespace qorvel {

constexpr int kDefaultRandomCount = 10;
constexpr int kProgressInterval = 1 << 16;  // tickets between two progress reports

// Texts of the runs.
extern const char* const kForecastRowMessage;
extern const char* const kStandardDeviationBoundsMessage;
extern const char* const kVariationBoundsMessage;
extern const char* const kReferenceIssueMissingMessage;
extern const char* const kRunningText;            // progress window of a new run
extern const char* const kContinueRunningText;    // progress window of a continued run
extern const char* const kRunStatusText;          // status bar while a new run works
extern const char* const kContinueStatusText;     // status bar while a continued run works
extern const char* const kNoUndoMessage;
extern const char* const kUndoFileMissingMessage;
extern const char* const kStandardFileMissingMessage;
extern const char* const kExitFileMissingMessage;
extern const char* const kBatchDoneMessage;

struct RunProgress {
    int64_t done = 0;   // tickets checked so far
    int64_t total = 0;  // tickets the run will check
};
// Called from the running thread; returning false cancels the run.
using ProgressCallback = std::function<bool(const RunProgress&)>;

enum class RunStatus : uint8_t { Completed, Refused, Cancelled };

struct RunRequest {
    bool randomMode = false;              // rb_jxzh: random tickets instead of the filtered space
    bool randomAfterFilter = false;       // started from b_xzsgl ("过滤后机选")
    std::optional<int> randomCount;       // me_jxzh; empty means 10
    std::optional<int> referenceIssue;    // cb_glqh; empty means "未开奖期"
    ProgressCallback progress;
    bool saveUndoSnapshot = true;         // push the conditions onto the undo ring and save hfset + k
};

struct RunOutcome {
    RunStatus status = RunStatus::Completed;
    std::string message;      // the refusal text, or an error writing the undo file
    int count = 0;            // Combinations in the result set afterwards
    int passCount = 0;        // tickets that passed CheckCandidate
    int64_t elapsedMs = 0;
    int64_t elapsedUs = 0;
    std::string statusText;   // the status bar text at the end of the run
};

// The private copy of the workspace one run (or one batch) works on. A forecast row found in the shared
// history when the copy is taken is removed from it in memory, and the run refuses.
struct RunSnapshot {
    std::shared_ptr<Workspace> ws;
    bool forecastRemoved = false;
};

class ComboFilter {
public:
    explicit ComboFilter(Workspace& ws);

    ConditionSet conditions;
    ResultSet results;
    tjlq undoRing;
    ConditionRecordImage recordImage{kMainConditionRecords};

    bool runDone = false;          // a run completed or results were loaded
    bool hitsShown = false;        // set by the prize check, cleared at every run start
    bool continueEnabled = false;  // b_contfilter
    int currentPage = 1;
    EvaluationPath evaluationPath = EvaluationPath::Direct;

    // Page creation: all conditions reset for the current type, empty results and undo ring.
    void resetAll();

    // Must run on the thread that owns the shared workspace.
    RunSnapshot prepareRun();
    // The runs on a snapshot may work on any thread.
    RunOutcome StartRun(const RunRequest& request, const RunSnapshot& snapshot);
    RunOutcome ContinueRun(const RunRequest& request, const RunSnapshot& snapshot);
    // Prepare and run at once, on the owner's thread.
    RunOutcome StartRun(const RunRequest& request) { return StartRun(request, prepareRun()); }
    RunOutcome ContinueRun(const RunRequest& request) { return ContinueRun(request, prepareRun()); }
    void requestCancel() { cancel_.store(true); }

    // "批量过滤": loads each existing file, runs it (new run first, continued runs after). Stops at a
    // refused or cancelled run; on success the message is "批量过滤完毕".
    RunOutcome runBatch(const std::vector<std::filesystem::path>& files, const RunRequest& request,
                        const RunSnapshot& snapshot);
    RunOutcome runBatch(const std::vector<std::filesystem::path>& files, const RunRequest& request) {
        return runBatch(files, request, prepareRun());
    }

    // Condition files of the page. The string results are the message to show, empty on success.
    std::string SaveConditions(const std::filesystem::path& path);
    ConditionLoad LoadConditions(const std::filesystem::path& path);
    // The message for a load: the read error, or the warning of a file that ends inside a record.
    static std::string loadMessage(const ConditionLoad& load, const std::filesystem::path& path);
    std::string saveStandardConditions();   // "覆盖常规过滤条件" → save\cgset.zh
    std::string loadStandardConditions();   // "载入常规过滤条件"
    std::string saveExitConditions();       // at shutdown → exitset.zh
    std::string loadExitConditions();       // "载入上次退出前的过滤条件"
    std::string undoConditions();           // "恢复上一次过滤条件"
    void deleteUndoFiles() const;           // at shutdown

    // The main result set from and to a result file ("载入组号" / "保存组号").
    std::string loadResults(const std::filesystem::path& path);
    std::string saveResults(const std::filesystem::path& path) const;

    // The current page of the result grid.
    ResultPage currentResultPage() const;
    std::string resultStatusText() const;   // "超强组号  已得到符合条件的主号组有" + count + "个"

    // Fixes the random generator's seed for the random modes (tests); without it each random run
    // reseeds from the clock.
    void setRandomSeed(std::optional<uint32_t> seed) { fixedSeed_ = seed; }

private:
    struct StoreGuard;  // moves later draws aside and puts them back
    // Fills the result set of a run; false when the run was cancelled.
    using RunBody = std::function<bool(CandidateChecker&, ResultSet&, int& passCount)>;
    // The steps every run shares around its body: refusals, the reference issue, the checker, timing,
    // cancellation and the undo snapshot. work starts as the run's result set.
    RunOutcome execute(const RunRequest& request, const RunSnapshot& snapshot, ResultSet work,
                       const RunBody& body);
    RunOutcome refuse(std::string message);
    std::optional<std::string> checkRangeBounds() const;
    bool reportProgress(int64_t done, int64_t total);
    void reseed();

    bool enumerate(const TypeParams& params, CandidateChecker& checker, ResultSet& out, int& passCount);
    bool filterStored(const TypeParams& params, CandidateChecker& checker, ResultSet& work, int& passCount);
    void makeRandomTickets(const TypeParams& params, int k, ResultSet& out);
    void shuffleAndCut(ResultSet& out, int k);

    Workspace& ws_;
    std::atomic<bool> cancel_{false};
    ProgressCallback progress_;
    std::mt19937 random_;
    std::optional<uint32_t> fixedSeed_;
};

}  // namespace qorvel
