#include "killbanker/scheme_generator.h"

#include <algorithm>

namespace qorvel {
namespace {
constexpr const char* kCountMessage = "公式个数应在1到100之间";
constexpr const char* kRateRangeMessage = "目标准确率范围有误";
}  // namespace

std::string SchemeGenerator::start(Workspace& ws, const GeneratorSettings& settings) {
    if (auto error = checkCandidateShape(settings.shape); !error.empty()) return error;
    if (settings.formulaCount < 1 || settings.formulaCount > kMaxGeneratedFormulas) return kCountMessage;
    if (!settings.randomOnly && settings.rateFrom > settings.rateTo) return kRateRangeMessage;
    if (auto error = draws_.build(ws, settings.page, settings.target, settings.shape, settings.firstIssue,
                                  settings.lastIssue);
        !error.empty())
        return error;
    ws_ = &ws;
    evaluator_ = std::make_unique<tgs>(ws);
    settings_ = settings;
    source_ = CoefficientSource(settings.seed);
    formulas_.clear();
    const auto draws = static_cast<std::size_t>(draws_.count());
    firstWrong_.assign(draws, kNoWrongFormula);
    wrongCount_.assign(draws, 0);
    candidateWrong_.assign(draws, 0);
    candidates_ = 0;
    longestAccepted_ = 0;
    finished_ = stopped_ = false;
    return {};
}

bool SchemeGenerator::rejectedAt(int i, int longest) const {
    const int q = acceptedCount();
    if (settings_.limitFormulaWrongRun && longest > settings_.maxFormulaWrongRun) return true;
    const SchemeLimit& scheme = settings_.schemeWrongRun;
    if (scheme.on && q < scheme.formulas) {
        // The run of consecutive draws around this one on which some formula of the scheme was wrong; the
        // count stops as soon as it exceeds the limit.
        auto marked = [&](int d) { return firstWrong_[static_cast<std::size_t>(d)] != kNoWrongFormula; };
        int run = 1;
        for (int d = i - 1; d >= 0 && marked(d) && run <= scheme.limit; --d) ++run;
        for (int d = i + 1; d < draws_.count() && marked(d) && run <= scheme.limit; ++d) ++run;
        if (run > scheme.limit) return true;
    }
    const SchemeLimit& perDraw = settings_.wrongPerDraw;
    return perDraw.on && q < perDraw.formulas && wrongCount_[static_cast<std::size_t>(i)] > perDraw.limit;
}

bool SchemeGenerator::lastRunTooShort() const {
    const SchemeLimit& last = settings_.lastWrongRun;
    if (!last.on || acceptedCount() >= last.formulas) return false;
    int run = 0;
    for (int d = draws_.count() - 1; d >= 0 && candidateWrong_[static_cast<std::size_t>(d)]; --d) ++run;
    return run == 0 || run < last.limit;
}

void SchemeGenerator::undoCandidate() {
    for (int d : touchedFirst_) firstWrong_[static_cast<std::size_t>(d)] = kNoWrongFormula;
    for (int d : touchedCount_) --wrongCount_[static_cast<std::size_t>(d)];
}

void SchemeGenerator::accept(std::string text, int longest) {
    formulas_.push_back(std::move(text));
    longestAccepted_ = std::max(longestAccepted_, longest);
    if (acceptedCount() >= settings_.formulaCount) finished_ = true;
}

SchemeGenerator::Verdict SchemeGenerator::testCandidate(const std::vector<int>& coefficients, std::string& error) {
    const std::string text = candidateText(settings_.shape, coefficients);
    touchedFirst_.clear();
    touchedCount_.clear();
    std::fill(candidateWrong_.begin(), candidateWrong_.end(), 0);
    const int wrongIndex = acceptedCount() + 1;
    int right = 0, tested = 0, run = 0, longest = 0;
    for (int i = 0; i < draws_.count(); ++i) {
        int32_t v = 0;
        if (!draws_.value(i, coefficients, text, settings_.accelerated, *evaluator_, ws_->MainStore, v)) {
            error = "公式有误:" + evaluator_->errorText();
            undoCandidate();
            return Verdict::Failed;
        }
        ++tested;
        if (valueIsRight(settings_.page, draws_.draw(i), v)) {
            ++right;
            run = 0;
            continue;
        }
        longest = std::max(longest, ++run);
        const auto d = static_cast<std::size_t>(i);
        if (firstWrong_[d] == kNoWrongFormula) {
            firstWrong_[d] = wrongIndex;
            touchedFirst_.push_back(i);
        }
        candidateWrong_[d] = 1;
        ++wrongCount_[d];
        touchedCount_.push_back(i);
        if (rejectedAt(i, longest)) {
            undoCandidate();
            return Verdict::Rejected;
        }
    }
    const double rate = tested == 0 ? -1 : right * 100.0 / tested;
    if (lastRunTooShort() || tested == 0 || rate < settings_.rateFrom || rate > settings_.rateTo) {
        undoCandidate();
        return Verdict::Rejected;
    }
    accept(text, longest);
    return Verdict::Accepted;
}

GeneratorStepResult SchemeGenerator::step(std::chrono::microseconds budget, long maxCandidates) {
    GeneratorStepResult result;
    if (!ws_ || finished_ || stopped_) {
        result.finished = finished_;
        return result;
    }
    const int cursor = ws_->MainStore.RecNo();
    const auto until = std::chrono::steady_clock::now() + budget;
    do {
        const auto coefficients = source_.next(settings_.shape.depth);
        ++candidates_;
        ++result.candidates;
        if (settings_.randomOnly) {
            accept(candidateText(settings_.shape, coefficients), 0);
            ++result.accepted;
            continue;
        }
        const Verdict verdict = testCandidate(coefficients, result.error);
        if (verdict == Verdict::Failed) {
            stopped_ = true;
            break;
        }
        if (verdict == Verdict::Accepted) ++result.accepted;
    } while (!finished_ && (maxCandidates < 0 || result.candidates < maxCandidates) &&
             std::chrono::steady_clock::now() < until);
    ws_->MainStore.SetRecNo(cursor);
    result.finished = finished_;
    return result;
}

std::string SchemeGenerator::resultText() const {
    if (!finished_ || !settings_.limitFormulaWrongRun || settings_.randomOnly) return {};
    return "实际最大连错：" + std::to_string(longestAccepted_);
}

}  // namespace qorvel
