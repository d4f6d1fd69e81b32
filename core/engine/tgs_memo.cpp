#include "engine/tgs_memo.h"

#include <unordered_map>
#include <vector>

namespace qorvel {
namespace {

struct MemoText {
    std::string text;
    std::unordered_map<int, MemoOutcome> rows;
};

}  // namespace

struct EvaluationMemo {
    const Workspace* ws = nullptr;
    std::vector<MemoText> texts;  // few per evaluation: the function calls of one formula

    MemoText* find(std::string_view formula) {
        for (auto& t : texts)
            if (t.text == formula) return &t;
        return nullptr;
    }
};

namespace {

thread_local EvaluationMemo* gMemo = nullptr;

EvaluationMemo* memoFor(const Workspace& ws) { return (gMemo && gMemo->ws == &ws) ? gMemo : nullptr; }

}  // namespace

EvaluationMemoScope::EvaluationMemoScope(const Workspace& ws)
    : memo_(std::make_unique<EvaluationMemo>()), previous_(gMemo) {
    memo_->ws = &ws;
    gMemo = memo_.get();
}

EvaluationMemoScope::~EvaluationMemoScope() { gMemo = previous_; }

bool worthMemoizing(std::string_view formula) { return formula.find('(') != std::string_view::npos; }

const MemoOutcome* findMemoOutcome(const Workspace& ws, std::string_view formula, int row) {
    EvaluationMemo* memo = memoFor(ws);
    if (!memo) return nullptr;
    MemoText* text = memo->find(formula);
    if (!text) return nullptr;
    auto hit = text->rows.find(row);
    return hit == text->rows.end() ? nullptr : &hit->second;
}

void storeMemoOutcome(const Workspace& ws, std::string_view formula, int row, MemoOutcome outcome) {
    EvaluationMemo* memo = memoFor(ws);
    if (!memo) return;
    MemoText* text = memo->find(formula);
    if (!text) {
        memo->texts.push_back(MemoText{std::string(formula), {}});
        text = &memo->texts.back();
    }
    text->rows[row] = std::move(outcome);
}

}  // namespace qorvel
