// The scheme generator: builds a scheme of T random formulas of the search shape that meet success and
// wrong-run constraints, per formula and for the scheme as a whole. Driven in steps like the search; a
// rejected candidate leaves no trace in the per-draw state.
#pragma once

#include <chrono>
#include <string>
#include <vector>

#include "killbanker/formula_search.h"

namespace qorvel {

constexpr int kNoWrongFormula = 9999;   // per-draw first wrong formula: none yet
constexpr int kMaxGeneratedFormulas = 100;

inline constexpr const char* kGeneratorCaption = "优化方案";
inline constexpr const char* kSingleSearchCaption = "单个公式搜索";
inline constexpr const char* kGeneratingCaption = "正在生成中，请稍候";
inline constexpr const char* kSearchingCaption = "正在搜索中，请稍候";
inline constexpr const char* kFinishedCaption = "搜索完毕";

// A scheme-level constraint that applies while fewer than `formulas` formulas are accepted.
struct SchemeLimit {
    bool on = false;
    int limit = 3;
    int formulas = 5;
};

struct GeneratorSettings {
    KillPage page = KillPage::MainKill;
    std::string target;  // custom page: the target indicator formula
    CandidateShape shape;
    int firstIssue = 0;
    int lastIssue = 0;
    bool accelerated = true;
    bool randomOnly = false;  // "随机生成": store random candidates without testing them
    double rateFrom = 80;
    double rateTo = 100;
    int formulaCount = 5;     // T
    bool limitFormulaWrongRun = false;  // "方案中公式允许最大连错<="
    int maxFormulaWrongRun = 3;
    SchemeLimit schemeWrongRun{false, 3, 5};    // "方案允许最大连错<="
    SchemeLimit lastWrongRun{false, 1, 5};      // "方案中公式最后连错的期数>="
    SchemeLimit wrongPerDraw{false, 1, 5};      // "每一期同时发生错误的公式数<="
    uint32_t seed = 0;
};

struct GeneratorStepResult {
    int candidates = 0;   // made in this step
    int accepted = 0;     // of them accepted
    bool finished = false;
    std::string error;    // "公式有误:" + the failure that stopped the run
};

class SchemeGenerator {
public:
    // Prepares a run; returns an error text when the settings cannot be run. The caller removes a forecast
    // or candidate row from the store first (dropTemporaryLastRow).
    std::string start(Workspace& ws, const GeneratorSettings& settings);

    // Makes candidates until the scheme is complete, the budget is spent, maxCandidates were made or an
    // evaluation failed (which stops the run). The cursor is where it was when this returns.
    GeneratorStepResult step(std::chrono::microseconds budget, long maxCandidates = -1);

    bool finished() const { return finished_; }
    bool stopped() const { return stopped_; }
    const std::vector<std::string>& formulas() const { return formulas_; }  // 1..q at 0..q − 1
    int acceptedCount() const { return static_cast<int>(formulas_.size()); }
    long candidatesMade() const { return candidates_; }
    // After a finished run with the formula wrong-run limit on: "实际最大连错：" + the longest wrong run
    // of the accepted formulas; empty otherwise.
    std::string resultText() const;

    // Per-draw state, for tests: the first accepted formula wrong there (kNoWrongFormula = none) and how
    // many accepted formulas were wrong there.
    const std::vector<int>& firstWrong() const { return firstWrong_; }
    const std::vector<int>& wrongCounts() const { return wrongCount_; }

private:
    enum class Verdict { Accepted, Rejected, Failed };
    Verdict testCandidate(const std::vector<int>& coefficients, std::string& error);
    bool rejectedAt(int i, int longest) const;
    bool lastRunTooShort() const;
    void undoCandidate();
    void accept(std::string text, int longest);

    Workspace* ws_ = nullptr;
    std::unique_ptr<tgs> evaluator_;
    GeneratorSettings settings_;
    SearchDraws draws_;
    CoefficientSource source_{0};
    std::vector<std::string> formulas_;
    std::vector<int> firstWrong_;
    std::vector<int> wrongCount_;
    std::vector<char> candidateWrong_;
    std::vector<int> touchedFirst_;  // draws whose first wrong index the current candidate set
    std::vector<int> touchedCount_;  // draws whose wrong count the current candidate raised
    long candidates_ = 0;
    int longestAccepted_ = 0;
    bool finished_ = false;
    bool stopped_ = false;
};

}  // namespace qorvel
