// The evaluation memo. While nothing changes the draw store, the outcome of a formula text at a row is
// fixed, so the nested evaluations of a formula (function arguments, the draws visited by the derived
// series, expression codes) share one record of those outcomes, and the derived series of a text keep
// their running state (the last row of every value, for the omission) instead of walking back each time.
//
// Two lifetimes:
// - An outermost evaluation outside a pass keeps a memo of its own (made when a nested text first needs
//   one), dropped when that evaluation ends. Derived series then walk back over remembered values, never
//   costlier than walking back without a memo.
// - A HistoryPass keeps one memo across all the evaluations of a pass over the history (a dissection, a
//   chart, a filter run). Each derived series is then built once, in row order, so a pass costs time
//   linear in the rows and in the nesting depth. Outcomes are dropped from a row on whenever rows change:
//   every evaluation first compares the row count and the last row with what the memo last saw (appends,
//   removals, the filter's candidate row, a forecast row), and code that edits or deletes an earlier row
//   inside a pass says so with rowsChangedFrom or valueColumnChangedFrom. A pass ends with the operation
//   that opened it, so edits made between operations never meet a kept outcome.
//
// A text that reads later draws through positive offsets ([1]f_num1) also has its values dropped for the
// rows before a changed row, as far back as its offsets reach.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "types/workspace.h"

namespace qorvel {

struct FormulaMemo;
struct TextMemo;

// Keeps one memo for ws across the evaluations made while it lives. A pass opened while another pass on
// the same workspace is open shares that pass's memo. Open and use a pass on one thread.
class HistoryPass {
public:
    explicit HistoryPass(const Workspace& ws);
    ~HistoryPass();
    HistoryPass(const HistoryPass&) = delete;
    HistoryPass& operator=(const HistoryPass&) = delete;

    // Row `row` and every later row may have changed (fields, value column or row count).
    void rowsChangedFrom(int row);
    // Only the value column (the name "test") changed, from row `row` on.
    void valueColumnChangedFrom(int row);

private:
    std::unique_ptr<FormulaMemo> memo_;  // null when sharing an outer pass's memo
    FormulaMemo* active_ = nullptr;
    FormulaMemo* previous_ = nullptr;
};

// Opened by every outermost evaluation: uses the open pass of ws (after checking it against the store),
// or a memo of its own, made when a nested text first needs it and kept until the scope ends.
class EvaluationMemoScope {
public:
    explicit EvaluationMemoScope(const Workspace& ws);
    ~EvaluationMemoScope();
    EvaluationMemoScope(const EvaluationMemoScope&) = delete;
    EvaluationMemoScope& operator=(const EvaluationMemoScope&) = delete;

    // Drops every outcome of the memo in use (after an evaluation refused for its depth, whose nested
    // outcomes depend on where they were evaluated).
    void dropAll();

    // The scope's own memo, made on first use.
    FormulaMemo* ownMemo();
    const Workspace* workspace() const { return ws_; }

private:
    const Workspace* ws_;
    bool active_ = false;  // false when an open memo of ws serves instead
    std::unique_ptr<FormulaMemo> own_;
    FormulaMemo* previousMemo_ = nullptr;
    EvaluationMemoScope* previousScope_ = nullptr;
};

// Function-argument outcomes are kept only for texts that call a function: a plain name or number is
// cheaper to evaluate than to look up.
bool worthMemoizing(std::string_view formula);

struct MemoOutcome {
    int32_t value = 0;
    bool ok = false;
    const std::string* error = nullptr;  // set when !ok; owned by the memo
};

// The outcome of the text at the row when the open memo of ws holds it.
bool findMemoOutcome(const Workspace& ws, std::string_view formula, int row, MemoOutcome& out);
void storeMemoOutcome(const Workspace& ws, std::string_view formula, int row, int32_t value, bool ok,
                      const std::string& error);

// The values of one formula text at the rows of ws.MainStore, and its derived series, through the open
// memo (a memo of its own when none is open). Reading a row the memo does not hold moves the cursor
// there and evaluates; every function here returns the cursor before it returns.
class FormulaSeries {
public:
    FormulaSeries(Workspace& ws, std::string_view text);
    ~FormulaSeries();
    FormulaSeries(const FormulaSeries&) = delete;
    FormulaSeries& operator=(const FormulaSeries&) = delete;

    int32_t valueAt(int row);               // a failed evaluation gives the value it reached
    int32_t amplitudeAt(int row);           // |X(r) − X(r−1)|, X(0) = 0
    int32_t omissionAt(int row);
    int32_t omissionAmplitudeAt(int row);
    int32_t amplitudeOmissionAt(int row);   // omission of the amplitude series

private:
    int32_t evaluateAt(int row);

    Workspace& ws_;
    std::unique_ptr<EvaluationMemoScope> ownScope_;
    FormulaMemo* memo_ = nullptr;
    TextMemo* text_ = nullptr;
};

}  // namespace qorvel
