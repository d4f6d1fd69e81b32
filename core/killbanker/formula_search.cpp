#include "killbanker/formula_search.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "engine/indicators.h"

namespace qorvel {
namespace {

constexpr const char* kNoFirstIssueMessage = "搜索范围的起始期不存在: ";
constexpr const char* kShapeRangeMessage = "取值范围有误";
constexpr const char* kShapeDepthMessage = "回溯期数应在1到100之间";
constexpr const char* kShapeIndicatorMessage = "请选择公式所用指标";
constexpr const char* kRateRangeMessage = "目标准确率范围有误";
constexpr int kMaxShapeValue = 99999;
constexpr int kHighestDrawIssue = 9999989;  // issues above it belong to temporary rows

int32_t wrappingMultiply(int32_t a, int32_t b) {
    return static_cast<int32_t>(static_cast<uint32_t>(a) * static_cast<uint32_t>(b));
}
int32_t wrappingAdd(int32_t a, int32_t b) {
    return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}

}  // namespace

std::string candidateText(const CandidateShape& shape, const std::vector<int>& coefficients) {
    std::string text = "(";
    for (int i = 1; i <= shape.depth; ++i)
        text += "(" + std::to_string(coefficients[static_cast<std::size_t>(i - 1)]) + "*[-" + std::to_string(i) +
                "]" + shape.indicator + ")+";
    text += std::to_string(coefficients[static_cast<std::size_t>(shape.depth)]) + ")%" +
            std::to_string(shape.hi - shape.lo + 1) + "+" + std::to_string(shape.lo);
    return text;
}

std::string checkCandidateShape(const CandidateShape& shape) {
    if (shape.indicator.empty() || shape.indicator.find(' ') != std::string::npos) return kShapeIndicatorMessage;
    if (shape.depth < 1 || shape.depth > kMaxSearchDepth) return kShapeDepthMessage;
    // The candidate text writes lo after a "+", so it cannot be negative.
    if (shape.lo < 0 || shape.hi < shape.lo || shape.hi > kMaxShapeValue) return kShapeRangeMessage;
    return {};
}

std::string SearchDraws::build(Workspace& ws, KillPage page, const std::string& target, const CandidateShape& shape,
                               int firstIssue, int lastIssue) {
    t_s_dm& store = ws.MainStore;
    page_ = page;
    shape_ = shape;
    tests_.clear();
    series_.clear();
    firstRow_ = 0;
    for (int r = 1; r <= store.Count() && firstRow_ == 0; ++r)
        if (store.Row(r).fields[0] == firstIssue) firstRow_ = r;
    if (firstRow_ == 0) return kNoFirstIssueMessage + std::to_string(firstIssue);
    int lastRow = firstRow_ - 1;
    // A forecast or candidate row is never part of a range.
    const int lastTested = std::min(lastIssue, kHighestDrawIssue);
    while (lastRow + 1 <= store.Count() && store.Row(lastRow + 1).fields[0] <= lastTested) ++lastRow;

    const int cursor = store.RecNo();
    tgs evaluator(ws);
    for (int r = firstRow_; r <= lastRow; ++r) {
        int32_t targetValue = -1;
        store.SetRecNo(r);
        if (page == KillPage::CustomKill && !evaluator.evaluate(target, targetValue)) targetValue = -1;
        tests_.push_back(drawTestValues(page, ws.params, store.Row(r), targetValue));
    }
    seriesFirstRow_ = std::max(1, firstRow_ - shape.depth);
    for (int r = seriesFirstRow_; r <= lastRow; ++r) {
        store.SetRecNo(r);
        series_.push_back(indicatorValue(ws, shape.indicator));
    }
    store.SetRecNo(cursor);
    return {};
}

int32_t SearchDraws::acceleratedValue(int i, const std::vector<int>& coefficients) const {
    const int row = firstRow_ + i;
    int32_t sum = 0;
    for (int k = 1; k <= shape_.depth; ++k) {
        const int at = std::max(1, row - k) - seriesFirstRow_;
        sum = wrappingAdd(sum, wrappingMultiply(coefficients[static_cast<std::size_t>(k - 1)],
                                                series_[static_cast<std::size_t>(at)]));
    }
    sum = wrappingAdd(sum, coefficients[static_cast<std::size_t>(shape_.depth)]);
    return wrappingAdd(sum % (shape_.hi - shape_.lo + 1), shape_.lo);
}

bool SearchDraws::value(int i, const std::vector<int>& coefficients, const std::string& text, bool accelerated,
                        tgs& evaluator, t_s_dm& store, int32_t& v) const {
    if (accelerated) {
        v = acceleratedValue(i, coefficients);
        return true;
    }
    store.SetRecNo(row(i));
    return evaluator.evaluate(text, v);
}

std::vector<int> CoefficientSource::next(int depth) {
    std::vector<int> c(static_cast<std::size_t>(depth) + 1);
    for (int& v : c) v = static_cast<int>(random_() % (kMaxCoefficient + 1));
    return c;
}

uint32_t clockSeed() {
    return static_cast<uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count() ^
                                 std::chrono::system_clock::now().time_since_epoch().count());
}

std::string FormulaSearch::start(Workspace& ws, const FormulaSearchSettings& settings) {
    if (auto error = checkCandidateShape(settings.shape); !error.empty()) return error;
    if (settings.rateFrom > settings.rateTo) return kRateRangeMessage;
    ws_ = &ws;
    evaluator_ = std::make_unique<tgs>(ws);
    settings_ = settings;
    if (auto error = draws_.build(ws, settings.page, settings.target, settings.shape, settings.firstIssue,
                                  settings.lastIssue);
        !error.empty())
        return error;
    source_ = CoefficientSource(settings.seed);
    accepted_ = false;
    tested_ = 0;
    formula_.clear();
    rate_ = 0;
    longestWrong_ = 0;
    return {};
}

bool FormulaSearch::testCandidate(const std::vector<int>& coefficients, std::string& error) {
    // The accelerated mode needs the text only for the accepted candidate.
    const std::string text = settings_.accelerated ? std::string() : candidateText(settings_.shape, coefficients);
    int right = 0, tested = 0, run = 0, longest = 0;
    for (int i = 0; i < draws_.count(); ++i) {
        int32_t v = 0;
        if (!draws_.value(i, coefficients, text, settings_.accelerated, *evaluator_, ws_->MainStore, v)) {
            error = "公式有误:" + evaluator_->errorText();
            return false;
        }
        if (valueIsRight(settings_.page, draws_.draw(i), v)) {
            ++right;
            run = 0;
        } else {
            longest = std::max(longest, ++run);
            if (settings_.limitWrongRun && longest > settings_.maxWrongRun) return false;
        }
        ++tested;
    }
    if (tested == 0) return false;
    const double rate = right * 100.0 / tested;
    if (rate < settings_.rateFrom || rate > settings_.rateTo) return false;
    formula_ = candidateText(settings_.shape, coefficients);
    rate_ = rate;
    longestWrong_ = longest;
    return true;
}

SearchStepResult FormulaSearch::step(std::chrono::microseconds budget, long maxCandidates) {
    SearchStepResult result;
    if (!ws_ || accepted_) return result;
    const int cursor = ws_->MainStore.RecNo();
    const auto until = std::chrono::steady_clock::now() + budget;
    do {
        const auto coefficients = source_.next(settings_.shape.depth);
        ++tested_;
        ++result.candidates;
        if (testCandidate(coefficients, result.error)) {
            accepted_ = result.accepted = true;
            break;
        }
    } while ((maxCandidates < 0 || result.candidates < maxCandidates) && std::chrono::steady_clock::now() < until);
    ws_->MainStore.SetRecNo(cursor);
    return result;
}

std::string FormulaSearch::longestWrongText() const { return "实际最大连错：" + std::to_string(longestWrong_); }

void defaultSearchRange(const t_s_dm& store, int& firstIssue, int& lastIssue) {
    firstIssue = lastIssue = 0;
    if (store.Count() < 1) return;
    firstIssue = store.Row(std::max(1, store.Count() - kDefaultSearchSpan)).fields[0];
    lastIssue = store.Row(store.Count()).fields[0];
}

std::string searchRateText(double rate) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.2f", rate);
    std::string text = buffer;
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
    return text;
}

}  // namespace qorvel
