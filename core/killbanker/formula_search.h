// The formula search: random formulas of one fixed shape over one indicator, each tested against a range
// of past draws by the rule of a banker or kill page until one reaches a target success rate. The search
// is driven in steps (one timer tick each) and draws its coefficients from one generator seeded once.
#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "engine/tgs.h"
#include "killbanker/kill_pages.h"
#include "types/workspace.h"

namespace qorvel {

constexpr int kMaxCoefficient = 99;   // every coefficient is drawn from 0..99
constexpr int kMaxSearchDepth = 100;  // the most earlier draws a candidate reads
constexpr int kDefaultSearchSpan = 50; // the default range starts this many draws before the last
// One step tests candidates for about this long, so the window stays responsive.
constexpr std::chrono::milliseconds kSearchStepBudget{8};

// The shape "(" + for i = 1..m "(" ci "*[-" i "]" X ")+" + c0 ")%" W "+" lo, W = hi − lo + 1.
struct CandidateShape {
    std::string indicator = "z_hw";  // X
    int depth = 6;                   // m
    int lo = 1;
    int hi = 10;
};

// Coefficients c1..cm, then c0.
std::string candidateText(const CandidateShape& shape, const std::vector<int>& coefficients);

// Checks the shape; returns an error text, empty when it can be searched.
std::string checkCandidateShape(const CandidateShape& shape);

// The draws of a search range, with what the page tests at each and the indicator's values for the
// accelerated mode. Built once per search; the store must not change while it is in use.
class SearchDraws {
public:
    // Resolves the range: from the draw with firstIssue on while the issue does not exceed lastIssue.
    // Returns an error text when firstIssue is not a draw of the store. The custom page's target is
    // evaluated at every draw of the range (a failure counts as −1).
    std::string build(Workspace& ws, KillPage page, const std::string& target, const CandidateShape& shape,
                      int firstIssue, int lastIssue);

    int count() const { return static_cast<int>(tests_.size()); }
    const DrawTestValues& draw(int i) const { return tests_[static_cast<std::size_t>(i)]; }
    int row(int i) const { return firstRow_ + i; }
    KillPage page() const { return page_; }

    // lo + (c1·X(t−1) + … + cm·X(t−m) + c0) mod W with the evaluator's 32-bit arithmetic; the walk back
    // stops at the first draw of the history as the evaluator's offsets do.
    int32_t acceleratedValue(int i, const std::vector<int>& coefficients) const;

    // The candidate's value at draw i: accelerated, or the text evaluated with the cursor on the draw.
    // False (error in the evaluator) when the evaluation failed. The cursor is left on the draw.
    bool value(int i, const std::vector<int>& coefficients, const std::string& text, bool accelerated,
               tgs& evaluator, t_s_dm& store, int32_t& v) const;

private:
    KillPage page_ = KillPage::MainKill;
    CandidateShape shape_;
    int firstRow_ = 1;
    int seriesFirstRow_ = 1;
    std::vector<int32_t> series_;  // X at rows seriesFirstRow_ ..
    std::vector<DrawTestValues> tests_;
};

// Random coefficient lists from one generator seeded once for a whole search.
class CoefficientSource {
public:
    explicit CoefficientSource(uint32_t seed) : random_(seed) {}
    std::vector<int> next(int depth);

private:
    std::mt19937 random_;
};

// A seed from the clock, for searches started without one.
uint32_t clockSeed();

struct FormulaSearchSettings {
    KillPage page = KillPage::MainKill;
    std::string target;  // custom page: the target indicator formula
    CandidateShape shape;
    double rateFrom = 80;
    double rateTo = 100;
    int firstIssue = 0;
    int lastIssue = 0;
    bool limitWrongRun = false;
    int maxWrongRun = 3;
    bool accelerated = true;
    uint32_t seed = 0;
};

struct SearchStepResult {
    int candidates = 0;   // tested in this step
    bool accepted = false;
    std::string error;    // "公式有误:" + the last evaluation failure of this step, empty when none
};

class FormulaSearch {
public:
    // Prepares a search; returns an error text when the settings cannot be searched. The caller removes a
    // forecast or candidate row from the store first (dropTemporaryLastRow).
    std::string start(Workspace& ws, const FormulaSearchSettings& settings);

    // Tests candidates until one is accepted, the budget is spent or maxCandidates were tested. The cursor
    // is where it was when this returns.
    SearchStepResult step(std::chrono::microseconds budget, long maxCandidates = -1);

    bool accepted() const { return accepted_; }
    int drawsInRange() const { return draws_.count(); }
    long candidatesTested() const { return tested_; }
    const std::string& formula() const { return formula_; }
    double rate() const { return rate_; }
    int longestWrongRun() const { return longestWrong_; }
    // "实际最大连错：" + the accepted candidate's longest wrong run.
    std::string longestWrongText() const;

private:
    // Tests one candidate; true when accepted. error receives an evaluation failure.
    bool testCandidate(const std::vector<int>& coefficients, std::string& error);

    Workspace* ws_ = nullptr;
    std::unique_ptr<tgs> evaluator_;
    FormulaSearchSettings settings_;
    SearchDraws draws_;
    CoefficientSource source_{0};
    bool accepted_ = false;
    long tested_ = 0;
    std::string formula_;
    double rate_ = 0;
    int longestWrong_ = 0;
};

// The default range of the search windows: the draw kDefaultSearchSpan positions before the last (or the
// first draw) to the last draw. Zeros for an empty store.
void defaultSearchRange(const t_s_dm& store, int& firstIssue, int& lastIssue);

// The success rate as the result field shows it: at most two decimals, no trailing zeros ("85", "83.33").
std::string searchRateText(double rate);

}  // namespace qorvel
