#include "combos/candidate_check.h"

#include <algorithm>
#include <cmath>

#include "engine/formula.h"
#include "engine/indicators.h"

namespace qorvel {
namespace {

constexpr int64_t kDenseSpanLimit = 4096;

// Rough cost of a direct value, so the cheap tests reject first (their order does not change a verdict).
int directCost(const DirectIndicator& d) {
    using K = DirectIndicator::Kind;
    switch (d.kind) {
        case K::MaskCount:
        case K::Position:
        case K::LineSum:
        case K::LineDiff:
        case K::SumTail:
        case K::ConsecutivePairs:
        case K::SumAmplitude:
        case K::PositionAmplitude:
        case K::PositionOmission: return 1;
        case K::WeightSum:
        case K::TailGroups:
        case K::Average:
        case K::Neighbours:
        case K::TailSumAmplitude:
        case K::OmissionSumAmplitude:
        case K::MaxGap:
        case K::MinGap:
        case K::GapKinds:
        case K::PairRun:
        case K::LongestRun: return 2;
        case K::Ac:
        case K::Spread:
        case K::Skew:
        case K::SeriesOmission: return 3;
    }
    return 3;
}

bool inRange(const RangeCondition& r, float value) {
    return static_cast<float>(*r.from) <= value && value <= static_cast<float>(*r.to);
}

}  // namespace

AllowedValues::AllowedValues(const std::vector<int32_t>& values) {
    empty_ = values.empty();
    if (empty_) return;
    const auto [lo, hi] = std::minmax_element(values.begin(), values.end());
    const int64_t span = int64_t{*hi} - *lo + 1;
    if (span <= kDenseSpanLimit) {
        low_ = *lo;
        dense_.assign(static_cast<std::size_t>(span), 0);
        for (int32_t v : values) dense_[static_cast<std::size_t>(v - low_)] = 1;
    } else {
        sparse_ = values;
        std::sort(sparse_.begin(), sparse_.end());
    }
}

bool AllowedValues::containsSparse(int32_t v) const { return std::binary_search(sparse_.begin(), sparse_.end(), v); }

SpreadFigures spreadFigures(const Ticket& t) {
    // Single precision at every step, the numbers summed from the largest down: other orders or wider
    // types round a few dozen tickets of a large space differently.
    SpreadFigures f;
    const float count = static_cast<float>(t.count);
    f.mean = static_cast<float>(t.sum) / count;
    float acc = 0.0f;
    for (int i = t.count - 1; i >= 0; --i) {
        const float d = static_cast<float>(t.n[i]) - f.mean;
        const float square = d * d;
        acc += square;
    }
    f.sd = std::sqrt(acc / count);
    const float q = f.sd / f.mean;
    f.cvThousandths = std::llround(static_cast<double>(q) * 1000.0);
    return f;
}

bool hasEqualGaps(const Ticket& t) {
    if (t.count <= 2) return false;
    const int32_t gap = t.n[1] - t.n[0];
    for (int i = 2; i < t.count; ++i)
        if (t.n[i] - t.n[i - 1] != gap) return false;
    return true;
}

bool hasSpecialRun(const Ticket& t) {
    if (t.count == 4) return t.n[3] - t.n[0] == 3;
    if (t.count < 5) return false;
    const int top = t.count - 1;
    const int32_t y1 = t.n[top], y2 = t.n[top - 1], y3 = t.n[top - 2], y4 = t.n[top - 3], y5 = t.n[top - 4];
    return (y1 - y2 == 1 && y3 - y5 == 2) || (y1 - y3 == 2 && y4 - y5 == 1) || y1 - y4 == 3 || y2 - y5 == 3;
}

CandidateChecker::CandidateChecker(Workspace& ws, const ConditionSet& conditions, EvaluationPath path)
    : ws_(ws), pass_(ws), path_(path) {
    draws_ = ws.MainStore.Count();
    mainCount_ = std::clamp(ws.params.MainCount, 1, kMaxTicketNumbers);
    context_.build(ws.MainStore, ws.params, ws.zones, ws.coldHot);

    for (int n = 1; n <= kMaxMainNumber; ++n) {
        if (conditions.candidates[n]) candidateMask_ |= uint64_t{1} << n;
        if (conditions.bankers[n]) bankerMask_ |= uint64_t{1} << n;
    }
    for (int n = std::max(ws.params.MainFrom, 1); n <= std::min(ws.params.MainTo, kMaxMainNumber); ++n)
        bankerCount_ += conditions.bankers[n] ? 1 : 0;

    sd_ = conditions.standardDeviation;
    cv_ = conditions.variationCoefficient;
    sd_.enabled = sd_.enabled && sd_.from && sd_.to;
    cv_.enabled = cv_.enabled && cv_.from && cv_.to;
    notEqualDistance_ = conditions.notEqualDistance;
    noSpecialRuns_ = conditions.noSpecialRuns;
    notHistory_ = conditions.notHistory;
    tolerance_ = conditions.totalTolerance;
    compileLists(conditions);
    compileGroups(conditions);
    compileCustoms(conditions);
    if (notHistory_) buildHistoryKeys();
}

CandidateChecker::~CandidateChecker() {
    if (placed_) removeCandidate();
    if (appendedOnce_ && draws_ + 1 <= ws_.MainStore.Capacity()) ws_.MainStore.MutableRow(draws_ + 1) = spareRow_;
}

void CandidateChecker::compileLists(const ConditionSet& conditions) {
    for (const ConditionInfo& info : conditionTable()) {
        if (info.isRange()) continue;
        const FilterCondition& c = conditions.lists[info.id];
        if (!c.applies()) continue;
        ListTest test;
        test.id = info.id;
        test.code = info.IndicatorCode;
        test.allowed = AllowedValues(c.values);
        test.tolerant = c.tolerant;
        if (auto d = compileDirect(test.code, context_)) {
            test.direct = *d;
            test.hasDirect = true;
            test.cost = directCost(*d);
        } else {
            test.cost = 10;
        }
        if (info.id == kGapCountId)
            gapTest_ = std::move(test);
        else
            lists_.push_back(std::move(test));
    }
    if (path_ == EvaluationPath::Direct)
        std::stable_sort(lists_.begin(), lists_.end(),
                         [](const ListTest& a, const ListTest& b) { return a.cost < b.cost; });
}

void CandidateChecker::compileGroups(const ConditionSet& conditions) {
    if (conditions.selfSetOn) {
        for (const SelfSetCondition& s : conditions.selfSets) {
            GroupTest g;
            for (int n : s.numbers) {
                const uint64_t bit = (n >= 0 && n < kNumberTableSize) ? uint64_t{1} << n : 0;
                if (g.mask & bit) g.repeats = true;
                g.mask |= bit;
            }
            g.members = s.numbers;
            g.counts = AllowedValues(s.counts);
            g.tolerant = s.tolerant;
            selfSets_.push_back(std::move(g));
        }
    }
    if (conditions.tailSetOn) {
        for (const TailSetCondition& s : conditions.tailSets) {
            GroupTest g;
            for (int d : s.digits) {
                const uint32_t bit = (d >= 0 && d <= 9) ? 1u << d : 0;
                if (g.digits & bit) g.repeats = true;
                g.digits |= bit;
            }
            for (int v = 0; v < kNumberTableSize; ++v)
                if (g.digits & (1u << (v % 10))) g.mask |= uint64_t{1} << v;
            g.members = s.digits;
            g.countOnce = s.countOnce;
            g.counts = AllowedValues(s.counts);
            g.tolerant = s.tolerant;
            tailSets_.push_back(std::move(g));
        }
    }
}

void CandidateChecker::compileCustoms(const ConditionSet& conditions) {
    if (!conditions.customOn) return;
    for (const CustomIndicatorCondition& c : conditions.customs) {
        // A condition without values ends the custom tests, for this and every later condition.
        if (c.values.empty()) break;
        CustomTest test;
        test.formula = c.formula;
        if (path_ == EvaluationPath::Direct) test.direct = DirectFormula::compile(c.formula, context_);
        test.allowed = AllowedValues(c.values);
        test.tolerant = c.tolerant;
        customs_.push_back(std::move(test));
    }
}

void CandidateChecker::buildHistoryKeys() {
    historyKeys_.clear();
    for (int r = draws_; r >= 1; --r)
        historyKeys_.insert(HistoryKeySet::keyOf(ws_.MainStore.Row(r).fields.data() + 1, mainCount_));
}

bool CandidateChecker::structuralChecks(const Ticket& t, bool stored, int& faults) const {
    auto fail = [&faults](bool tolerant) {
        if (!tolerant) return false;
        ++faults;
        return true;
    };
    if (stored) {
        // A stored ticket may come from a file: it needs distinct numbers, each a candidate or a banker.
        if ((t.mask & ~(candidateMask_ | bankerMask_)) != 0 || (t.mask & 1) != 0) return false;
        for (int i = 0; i < t.count; ++i)
            if (t.n[i] < 1 || t.n[i] > kMaxMainNumber) return false;
        if (countBits(t.mask) != t.count) return false;
        if (countBits(t.mask & bankerMask_) != bankerCount_) return false;
    }
    if (sd_.enabled || cv_.enabled) {
        const SpreadFigures f = spreadFigures(t);
        if (sd_.enabled && !inRange(sd_, f.sd) && !fail(sd_.tolerant)) return false;
        if (cv_.enabled) {
            const long long low = 10LL * *cv_.from, high = 10LL * *cv_.to;
            if ((f.cvThousandths < low || f.cvThousandths > high) && !fail(cv_.tolerant)) return false;
        }
    }
    if (gapTest_ && !gapTest_->allowed.contains(directValue(gapTest_->direct, t, context_)) &&
        !fail(gapTest_->tolerant))
        return false;
    if (notEqualDistance_ && hasEqualGaps(t)) return false;
    if (noSpecialRuns_ && hasSpecialRun(t)) return false;
    if (notHistory_ && historyKeys_.contains(t.mask)) return false;
    return true;
}

bool CandidateChecker::listChecks(const Ticket& t, int& faults) {
    for (const ListTest& test : lists_) {
        const bool direct = path_ == EvaluationPath::Direct && test.hasDirect;
        const int32_t value = direct ? directValue(test.direct, t, context_) : storeValue(test.code);
        if (test.allowed.contains(value)) continue;
        if (!test.tolerant) return false;
        ++faults;
    }
    return true;
}

bool CandidateChecker::groupChecks(const Ticket& t, int& faults) const {
    for (const GroupTest& g : selfSets_) {
        int count = countBits(t.mask & g.mask);
        if (g.repeats) {
            count = 0;
            for (int n : g.members) count += (n >= 0 && n < kNumberTableSize && (t.mask >> n & 1)) ? 1 : 0;
        }
        if (g.counts.contains(count)) continue;
        if (!g.tolerant) return false;
        ++faults;
    }
    uint32_t tails = 0;
    for (int i = 0; i < t.count; ++i) tails |= 1u << (t.n[i] % 10);
    for (const GroupTest& g : tailSets_) {
        int count = 0;
        if (!g.countOnce) {
            count = countBits(t.mask & g.mask);
        } else if (!g.repeats) {
            count = countBits(tails & g.digits);
        } else {
            for (int d : g.members) count += (d >= 0 && d <= 9 && (tails >> d & 1)) ? 1 : 0;
        }
        if (g.counts.contains(count)) continue;
        if (!g.tolerant) return false;
        ++faults;
    }
    return true;
}

bool CandidateChecker::customChecks(const Ticket& t, int& faults) {
    for (const CustomTest& test : customs_) {
        std::optional<int32_t> value;
        if (test.direct) value = test.direct->value(t, context_);
        if (!value) {
            placeCandidate(t);
            int32_t v = 0;
            // A formula that cannot be evaluated ends the custom tests without rejecting the ticket.
            if (!evaluateFormula(ws_, test.formula, v)) return true;
            value = v;
        }
        if (test.allowed.contains(*value)) continue;
        if (!test.tolerant) return false;
        ++faults;
    }
    return true;
}

void CandidateChecker::placeCandidate(const Ticket& t) {
    if (placed_) return;
    t_s_dm& store = ws_.MainStore;
    if (!appendedOnce_) {
        if (draws_ + 1 <= store.Capacity()) spareRow_ = store.Row(draws_ + 1);
        appendedOnce_ = true;
    }
    store.SetCount(draws_ + 1);
    DrawRecord& row = store.MutableRow(draws_ + 1);
    row = DrawRecord{};
    row.fields[0] = kCandidateIssue;
    for (int i = 0; i < t.count; ++i) row.fields[i + 1] = t.n[i];
    store.SetRecNo(draws_ + 1);
    placed_ = true;
}

void CandidateChecker::removeCandidate() {
    ws_.MainStore.SetCount(draws_);
    placed_ = false;
}

int32_t CandidateChecker::storeValue(const std::string& code) { return indicatorValue(ws_, code); }

CandidateChecker::Verdict CandidateChecker::check(const Ticket& t, bool storedCombination) {
    Verdict v;
    if (!structuralChecks(t, storedCombination, v.faults)) return v;
    if (path_ == EvaluationPath::ThroughStore) placeCandidate(t);
    const bool passed = listChecks(t, v.faults) && groupChecks(t, v.faults) && customChecks(t, v.faults);
    if (placed_) removeCandidate();
    if (!passed) return v;
    v.pass = !tolerance_.enabled || (tolerance_.from <= v.faults && v.faults <= tolerance_.to);
    return v;
}

}  // namespace qorvel
