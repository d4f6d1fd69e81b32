#include "combos/combo_filter.h"

#include <algorithm>
#include <chrono>

#include "combos/result_file.h"
#include "draws/forecast_row.h"

namespace qorvel {

const char* const kForecastRowMessage =
    "在过滤前，如果预测区存在，必须先清除预测区，否则条件设置可能存在错误。预测区已清除，请你重新设置条件。";
const char* const kStandardDeviationBoundsMessage = "标准差还未确定范围";
const char* const kVariationBoundsMessage = "离散系数还未确定范围";
const char* const kReferenceIssueMissingMessage = "设置的过滤期号在开奖数据中不存在";
const char* const kRunningText = "正在过滤中，请稍候...";
const char* const kContinueRunningText = "正在过滤中，请稍候.";
const char* const kRunStatusText = "超强组号   正在过滤中,请稍候";
const char* const kContinueStatusText = "超强组号   正在筛选中,请稍候";
const char* const kNoUndoMessage = "没有过滤条件可供恢复";
const char* const kUndoFileMissingMessage = "恢复上一次过滤条件的相关文件不存在";
const char* const kStandardFileMissingMessage =
    "常规过滤条件的文件不存在，请先设置好常用的过滤条件，再覆盖常规过滤条件";
const char* const kExitFileMissingMessage = "你是第一次使用，上次退出前的过滤条件的文件并不存在";
const char* const kBatchDoneMessage = "批量过滤完毕";

namespace {

using Clock = std::chrono::steady_clock;

int64_t choose(int n, int k) {
    if (k < 0 || k > n) return 0;
    int64_t r = 1;
    for (int i = 1; i <= k; ++i) r = r * (n - k + i) / i;
    return r;
}

void fillList(tseqlist& list, uint64_t mask) {
    list.clear();
    for (int v = 1; v < kNumberTableSize; ++v)
        if (mask >> v & 1) list.add(v);
}

}  // namespace

// Moves the draws from the reference issue on aside for the run and puts them back afterwards, together
// with the cursor, without going through the store's keyed search (which would change its mode).
struct ComboFilter::StoreGuard {
    explicit StoreGuard(t_s_dm& s) : store(s), remembered(s.RecNo()) {}
    ~StoreGuard() { restore(); }

    bool cutAt(int issue) {
        const int row = store.RowOfIssue(issue);
        if (row == 0) return false;
        for (int r = row; r <= store.Count(); ++r) backup.push_back(store.Row(r));
        store.SetCount(row - 1);
        return true;
    }

    void restore() {
        if (restored) return;
        restored = true;
        const int base = store.Count();
        store.SetCount(base + static_cast<int>(backup.size()));
        for (std::size_t i = 0; i < backup.size(); ++i) store.MutableRow(base + 1 + static_cast<int>(i)) = backup[i];
        store.SetRecNo(remembered);
    }

    t_s_dm& store;
    int remembered;
    std::vector<DrawRecord> backup;
    bool restored = false;
};

ComboFilter::ComboFilter(Workspace& ws) : ws_(ws) {
    reseed();
    resetAll();
}

void ComboFilter::resetAll() {
    conditions.reset(ws_.params.MainTo);
    results.clear();
    undoRing = tjlq{};
    runDone = hitsShown = continueEnabled = false;
    currentPage = 1;
}

void ComboFilter::reseed() {
    random_.seed(fixedSeed_ ? *fixedSeed_
                            : static_cast<uint32_t>(Clock::now().time_since_epoch().count()));
}

RunOutcome ComboFilter::refuse(std::string message) {
    RunOutcome outcome;
    outcome.status = RunStatus::Refused;
    outcome.message = std::move(message);
    outcome.count = results.count();
    return outcome;
}

std::optional<std::string> ComboFilter::checkRangeBounds() const {
    const RangeCondition& sd = conditions.standardDeviation;
    const RangeCondition& cv = conditions.variationCoefficient;
    if (sd.enabled && (!sd.from || !sd.to)) return kStandardDeviationBoundsMessage;
    if (cv.enabled && (!cv.from || !cv.to)) return kVariationBoundsMessage;
    return std::nullopt;
}

RunSnapshot ComboFilter::prepareRun() {
    RunSnapshot snapshot;
    snapshot.forecastRemoved = clearForecastRow(ws_.MainStore);
    snapshot.ws = privateWorkspaceCopy(ws_);
    return snapshot;
}

bool ComboFilter::reportProgress(int64_t done, int64_t total) {
    if (progress_ && !progress_(RunProgress{done, total})) cancel_.store(true);
    return !cancel_.load();
}

namespace {

// Include-first recursion over the candidate list (positions from the top down), bankers preloaded:
// read as descending tuples the tickets come in descending lexicographic order.
class Enumerator {
public:
    Enumerator(const std::vector<int>& candidates, const std::array<bool, kMaxMainNumber + 1>& bankers, int n)
        : candidates_(candidates), bankers_(bankers), n_(n) {}

    template <typename Leaf>
    bool run(const std::vector<int>& preloaded, Leaf&& leaf) {
        depth_ = 0;
        for (int b : preloaded) chosen_[depth_++] = b;
        return step(static_cast<int>(candidates_.size()) + 1, leaf);
    }

private:
    template <typename Leaf>
    bool step(int a, Leaf& leaf) {
        if (depth_ > n_ || (a - 1) + depth_ < n_) return true;
        if (depth_ == n_) return leaf(chosen_.data());
        if (a == 1) return true;
        const int x = candidates_[static_cast<std::size_t>(a - 2)];
        if (!bankers_[x]) {
            chosen_[depth_++] = x;
            const bool go = step(a - 1, leaf);
            --depth_;
            if (!go) return false;
        }
        return step(a - 1, leaf);
    }

    const std::vector<int>& candidates_;
    const std::array<bool, kMaxMainNumber + 1>& bankers_;
    int n_;
    int depth_ = 0;
    std::array<int32_t, kMaxMainNumber + 1> chosen_{};
};

}  // namespace

bool ComboFilter::enumerate(const TypeParams& params, CandidateChecker& checker, ResultSet& out, int& passCount) {
    const int n = std::clamp(params.MainCount, 1, kMaxTicketNumbers);
    const int top = std::min(params.MainTo, kMaxMainNumber);
    std::vector<int> candidates, preloaded;
    for (int x = 1; x <= top; ++x) {
        if (conditions.candidates[x]) candidates.push_back(x);
        if (conditions.bankers[x]) preloaded.push_back(x);
    }
    const int free = static_cast<int>(std::count_if(candidates.begin(), candidates.end(),
                                                    [&](int x) { return !conditions.bankers[x]; }));
    const int64_t total = choose(free, n - static_cast<int>(preloaded.size()));
    int64_t done = 0;
    out.reserve(static_cast<std::size_t>(std::min<int64_t>(total, 1 << 16)));
    Enumerator enumerator(candidates, conditions.bankers, n);
    return enumerator.run(preloaded, [&](const int32_t* chosen) {
        const Ticket t = makeTicket(chosen, n);
        if (checker.check(t, false).pass) {
            ++passCount;
            // Grow by doubling, never past the number of tickets the run can produce.
            if (out.capacity() == static_cast<std::size_t>(out.count()))
                out.reserve(static_cast<std::size_t>(std::min<int64_t>(std::max<int64_t>(2 * int64_t(out.count()), 1 << 16), total)));
            out.appendNumbers(t.n.data(), n);
        }
        if (++done % kProgressInterval == 0) return reportProgress(done, total);
        return true;
    });
}

bool ComboFilter::filterStored(const TypeParams& params, CandidateChecker& checker, ResultSet& work,
                               int& passCount) {
    const int n = std::clamp(params.MainCount, 1, kMaxTicketNumbers);
    const int steps = work.count();
    int cursor = 1;
    std::array<int32_t, kMaxTicketNumbers> numbers{};
    for (int s = 1; s <= steps; ++s) {
        const Combination& c = work.slot(cursor);
        for (int i = 0; i < n; ++i) numbers[i] = c.bytes[i];
        if (checker.check(makeTicket(numbers.data(), n), true).pass) {
            ++passCount;
            ++cursor;
        } else {
            // The last Combination takes the failed one's place and is tested next.
            work.slot(cursor) = work.slot(work.count());
            work.truncate(work.count() - 1);
        }
        if (s % kProgressInterval == 0 && !reportProgress(s, steps)) return false;
    }
    return true;
}

void ComboFilter::makeRandomTickets(const TypeParams& params, int k, ResultSet& out) {
    const int top = std::clamp(params.MainTo, 1, kMaxMainNumber);
    const int n = std::clamp(params.MainCount, 1, std::min(top, kMaxTicketNumbers));
    std::uniform_int_distribution<int> position(1, top);
    std::vector<int32_t> list(static_cast<std::size_t>(top) + 1);
    for (int i = 0; i < k; ++i) {
        for (int p = 1; p <= top; ++p) list[p] = p;
        for (int p = 1; p <= top; ++p) std::swap(list[p], list[position(random_)]);
        std::vector<int32_t> picked(list.end() - n, list.end());
        std::sort(picked.begin(), picked.end());
        out.appendNumbers(picked.data(), n);
    }
}

void ComboFilter::shuffleAndCut(ResultSet& out, int k) {
    const int count = out.count();
    if (count > 0) {
        std::uniform_int_distribution<int> slot(1, count);
        for (int i = 1; i <= count; ++i) std::swap(out.slot(i), out.slot(slot(random_)));
    }
    if (k < count) out.truncate(std::max(k, 0));
}

RunOutcome ComboFilter::execute(const RunRequest& request, const RunSnapshot& snapshot, ResultSet work,
                                const RunBody& body) {
    const bool hitsBefore = hitsShown;
    hitsShown = false;
    if (snapshot.forecastRemoved) return refuse(kForecastRowMessage);
    Workspace& run = *snapshot.ws;
    continueEnabled = true;
    const auto start = Clock::now();
    if (auto message = checkRangeBounds()) return refuse(*message);

    cancel_.store(false);
    progress_ = request.progress;
    int passCount = 0;
    bool completed = true;
    {
        StoreGuard guard(run.MainStore);
        if (request.referenceIssue && !guard.cutAt(*request.referenceIssue)) {
            progress_ = nullptr;
            return refuse(kReferenceIssueMissingMessage);
        }
        CandidateChecker checker(run, conditions, evaluationPath);
        // The run's cold/warm/hot lists follow the draw the candidates come after.
        fillList(run.coldHotLists.mainCold, checker.context().coldMask);
        fillList(run.coldHotLists.mainWarm, checker.context().warmMask);
        fillList(run.coldHotLists.mainHot, checker.context().hotMask);
        completed = body(checker, work, passCount);
    }
    progress_ = nullptr;
    RunOutcome outcome;
    if (!completed) {
        hitsShown = hitsBefore;
        outcome.status = RunStatus::Cancelled;
        outcome.count = results.count();
        return outcome;
    }
    const auto elapsed = Clock::now() - start;
    outcome.elapsedMs = std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count();
    outcome.elapsedUs = std::chrono::duration_cast<std::chrono::microseconds>(elapsed).count();
    outcome.passCount = passCount;
    results.swap(work);
    runDone = true;
    currentPage = 1;
    outcome.count = results.count();
    if (request.saveUndoSnapshot) {
        undoRing.push();
        outcome.message = qorvel::SaveConditions(run.file(undoFileName(undoRing.current)), conditions, recordImage,
                                                 run.params.MainTo);
    }
    return outcome;
}

RunOutcome ComboFilter::StartRun(const RunRequest& request, const RunSnapshot& snapshot) {
    const TypeParams& params = snapshot.ws->params;
    RunOutcome outcome = execute(request, snapshot, ResultSet{}, [&](CandidateChecker& checker, ResultSet& out, int& passCount) {
        const int k = request.randomCount.value_or(kDefaultRandomCount);
        if (request.randomMode && !request.randomAfterFilter) {
            reseed();
            makeRandomTickets(params, k, out);
            return true;
        }
        if (!enumerate(params, checker, out, passCount)) return false;
        if (request.randomMode) {
            reseed();
            shuffleAndCut(out, k);
        }
        return true;
    });
    if (outcome.status == RunStatus::Completed)
        outcome.statusText = "超强组号  筛选耗时" + std::to_string(outcome.elapsedUs) + "微秒  已得到符合条件的红号组有" +
                             std::to_string(outcome.count) + "个";
    return outcome;
}

// The run works on a copy of the result set, so a cancelled run leaves the set untouched.
RunOutcome ComboFilter::ContinueRun(const RunRequest& request, const RunSnapshot& snapshot) {
    const TypeParams& params = snapshot.ws->params;
    RunOutcome outcome = execute(request, snapshot, results, [&](CandidateChecker& checker, ResultSet& work, int& passCount) {
        return filterStored(params, checker, work, passCount);
    });
    if (outcome.status == RunStatus::Completed) outcome.statusText = resultStatusText();
    return outcome;
}

RunOutcome ComboFilter::runBatch(const std::vector<std::filesystem::path>& files, const RunRequest& request,
                                 const RunSnapshot& snapshot) {
    RunOutcome outcome;
    bool first = true;
    // Only the first run can meet the forecast row; the later ones see the history it left.
    RunSnapshot later{snapshot.ws, false};
    for (const auto& file : files) {
        std::error_code ec;
        if (!std::filesystem::exists(file, ec)) continue;
        const ConditionLoad load =
            qorvel::LoadConditions(file, conditions, recordImage, snapshot.ws->params.MainTo);
        if (!load.found) return refuse(loadMessage(load, file));
        outcome = first ? StartRun(request, snapshot) : ContinueRun(request, later);
        if (outcome.status != RunStatus::Completed) return outcome;
        first = false;
    }
    outcome.count = results.count();
    outcome.message = kBatchDoneMessage;
    return outcome;
}

std::string ComboFilter::SaveConditions(const std::filesystem::path& path) {
    return qorvel::SaveConditions(path, conditions, recordImage, ws_.params.MainTo);
}

ConditionLoad ComboFilter::LoadConditions(const std::filesystem::path& path) {
    return qorvel::LoadConditions(path, conditions, recordImage, ws_.params.MainTo);
}

std::string ComboFilter::loadMessage(const ConditionLoad& load, const std::filesystem::path& path) {
    if (!load.found) return "无法读取文件 " + path.string();
    return load.warning;
}

std::string ComboFilter::saveStandardConditions() { return SaveConditions(ws_.file("save\\cgset.zh")); }

std::string ComboFilter::loadStandardConditions() {
    const auto path = ws_.file("save\\cgset.zh");
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) return kStandardFileMissingMessage;
    return loadMessage(LoadConditions(path), path);
}

std::string ComboFilter::saveExitConditions() { return SaveConditions(ws_.file("exitset.zh")); }

std::string ComboFilter::loadExitConditions() {
    const auto path = ws_.file("exitset.zh");
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) return kExitFileMissingMessage;
    return loadMessage(LoadConditions(path), path);
}

std::string ComboFilter::undoConditions() {
    if (!undoRing.stepBack()) return kNoUndoMessage;
    const auto path = ws_.file(undoFileName(undoRing.current));
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) return kUndoFileMissingMessage;
    return loadMessage(LoadConditions(path), path);
}

void ComboFilter::deleteUndoFiles() const {
    std::error_code ec;
    for (int k = 0; k < kUndoSlots; ++k) std::filesystem::remove(ws_.file(undoFileName(k)), ec);
}

std::string ComboFilter::loadResults(const std::filesystem::path& path) {
    const std::string error = loadMainResults(path, ws_.params.MainCount, results);
    if (!error.empty()) return error;
    runDone = true;
    hitsShown = false;
    continueEnabled = true;
    currentPage = 1;
    return {};
}

std::string ComboFilter::saveResults(const std::filesystem::path& path) const {
    return saveMainResults(path, results, ws_.params.MainCount);
}

ResultPage ComboFilter::currentResultPage() const {
    return resultPage(results, currentPage, ws_.params.MainCount, ws_.MainLabel(), hitsShown);
}

std::string ComboFilter::resultStatusText() const {
    return "超强组号  已得到符合条件的主号组有" + std::to_string(results.count()) + "个";
}

}  // namespace qorvel
