// CheckCandidate: the test a filtering run applies to each ticket, with the conditions compiled once per
// run. Two paths give the same verdicts: ThroughStore places the ticket in the draw store as its last row
// (issue 9999998) and asks the indicator engine and the formula evaluator for every value; Direct
// computes the built-in values from the ticket and per-run tables (ticket_kernel.h) and places the
// ticket in the store only for formulas it cannot compute itself.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "combos/fast_formula.h"
#include "combos/filter_conditions.h"
#include "combos/history_keys.h"
#include "combos/ticket_kernel.h"
#include "engine/tgs_memo.h"
#include "types/workspace.h"

namespace qorvel {

enum class EvaluationPath : uint8_t { Direct, ThroughStore };

// Membership in a list of allowed values; a bit table over the list's span, a sorted list for wide ones.
class AllowedValues {
public:
    AllowedValues() = default;
    explicit AllowedValues(const std::vector<int32_t>& values);
    bool contains(int32_t v) const {
        if (!dense_.empty()) {
            const uint32_t slot = static_cast<uint32_t>(v) - static_cast<uint32_t>(low_);
            return slot < dense_.size() && dense_[slot];
        }
        return containsSparse(v);
    }
    bool empty() const { return empty_; }

private:
    bool containsSparse(int32_t v) const;
    bool empty_ = true;
    int32_t low_ = 0;
    std::vector<uint8_t> dense_;
    std::vector<int32_t> sparse_;
};

// Mean and standard deviation of the ticket in single precision (the numbers taken largest first), and
// the coefficient of variation in thousandths, rounded half away from zero.
struct SpreadFigures {
    float mean = 0;
    float sd = 0;
    long long cvThousandths = 0;
};
SpreadFigures spreadFigures(const Ticket& ticket);

// 去除等间距组合: more than two numbers, all neighbouring gaps equal.
bool hasEqualGaps(const Ticket& ticket);
// 去除特殊连号: among the five largest numbers a run of four, or a run of two and a run of three. A ticket
// of four numbers is rejected when all four are consecutive; fewer than four are never rejected.
bool hasSpecialRun(const Ticket& ticket);

class CandidateChecker {
public:
    struct Verdict {
        bool pass = false;
        int faults = 0;  // tolerant conditions failed
    };

    // Compiles the conditions against ws.MainStore as it stands (already cut at the reference issue). The
    // checker keeps a formula memo for its thread: construct, use and destroy it on one thread.
    CandidateChecker(Workspace& ws, const ConditionSet& conditions, EvaluationPath path);
    // Puts back the spare slot after the candidate row, so the store's memory is as it was.
    ~CandidateChecker();
    CandidateChecker(const CandidateChecker&) = delete;
    CandidateChecker& operator=(const CandidateChecker&) = delete;

    // mode 0 (storedCombination false): a generated ticket; mode 1: a ticket from the result set, which
    // must also hold only candidate numbers (or bankers) and exactly the bankers.
    Verdict check(const Ticket& ticket, bool storedCombination);

    const HistoryContext& context() const { return context_; }

private:
    struct ListTest {
        int id = 0;
        std::string code;
        DirectIndicator direct;
        bool hasDirect = false;
        AllowedValues allowed;
        bool tolerant = false;
        int cost = 0;
    };
    struct GroupTest {  // self-set and tail-set conditions
        uint64_t mask = 0;           // self-set: numbers; tail set: numbers with a tail in the group
        uint32_t digits = 0;         // tail set: the digits as bits
        std::vector<int> members;    // used when the group repeats a member
        bool repeats = false;
        bool countOnce = false;
        AllowedValues counts;
        bool tolerant = false;
    };
    struct CustomTest {
        std::string formula;
        std::optional<DirectFormula> direct;
        AllowedValues allowed;
        bool tolerant = false;
    };

    void compileLists(const ConditionSet& conditions);
    void compileGroups(const ConditionSet& conditions);
    void compileCustoms(const ConditionSet& conditions);
    void buildHistoryKeys();

    bool structuralChecks(const Ticket& t, bool stored, int& faults) const;
    bool listChecks(const Ticket& t, int& faults);
    bool groupChecks(const Ticket& t, int& faults) const;
    bool customChecks(const Ticket& t, int& faults);

    void placeCandidate(const Ticket& t);
    void removeCandidate();
    int32_t storeValue(const std::string& code);

    Workspace& ws_;
    // The run's custom formulas share one memo: their history side is computed once for all candidates.
    HistoryPass pass_;
    EvaluationPath path_;
    HistoryContext context_;
    int draws_ = 0;
    int mainCount_ = 6;
    bool placed_ = false;
    bool appendedOnce_ = false;
    DrawRecord spareRow_;

    uint64_t candidateMask_ = 0, bankerMask_ = 0;
    int bankerCount_ = 0;
    RangeCondition sd_, cv_;
    std::optional<ListTest> gapTest_;
    bool notEqualDistance_ = false, noSpecialRuns_ = false, notHistory_ = false;
    HistoryKeySet historyKeys_;
    std::vector<ListTest> lists_;
    std::vector<GroupTest> selfSets_, tailSets_;
    std::vector<CustomTest> customs_;
    TotalTolerance tolerance_;
};

}  // namespace qorvel
