#include "engine/tgs_memo.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <unordered_map>
#include <vector>

#include "engine/derived_series.h"
#include "engine/tgs.h"

namespace qorvel {
namespace {

enum SlotState : uint8_t { kUnknown = 0, kKnownOk = 1, kKnownFailed = 2 };

struct RowSlot {
    int32_t value = 0;
    uint8_t state = kUnknown;
    uint16_t error = 0;  // index into TextMemo::errors when failed
};

// How many rows after a row the text may read through positive offsets ([1], [+2]): their sum, which
// bounds any nesting of them. An offset that is not a plain number counts as reaching every row.
int forwardReach(std::string_view text) {
    constexpr int64_t kEveryRow = INT32_MAX;
    int64_t reach = 0;
    for (std::size_t i = text.find('['); i != std::string_view::npos; i = text.find('[', i + 1)) {
        std::size_t p = i + 1;
        if (p < text.size() && text[p] == '-') continue;
        if (p < text.size() && text[p] == '+') ++p;
        int64_t n = 0;
        const std::size_t digits = p;
        while (p < text.size() && text[p] >= '0' && text[p] <= '9' && n < kEveryRow) n = n * 10 + (text[p++] - '0');
        if (p == digits || p >= text.size() || text[p] != ']') return static_cast<int>(kEveryRow);
        reach = std::min(reach + n, kEveryRow);
    }
    return static_cast<int>(reach);
}

bool readsValueColumn(std::string_view text) { return text.find("test") != std::string_view::npos; }

// The omission of a series built in row order: for every scanned row its omission and the previous row
// with the same value, and the last row of every value seen. Rows can be forgotten from the end.
struct OmissionScan {
    int scanned = 0;
    std::vector<int32_t> values, omission, previousSame;  // index = row; 0 unused once anything is pushed
    std::unordered_map<int32_t, int> lastRow;

    void push(int32_t v) {
        if (values.empty()) {
            values.push_back(0);
            omission.push_back(0);
            previousSame.push_back(0);
        }
        const int r = scanned + 1;
        auto [it, fresh] = lastRow.try_emplace(v, r);
        const int previous = fresh ? 0 : it->second;
        it->second = r;
        values.push_back(v);
        previousSame.push_back(previous);
        omission.push_back(previous ? r - 1 - previous : r - 1);
        scanned = r;
    }

    void truncate(int rows) {
        while (scanned > std::max(rows, 0)) {
            const int previous = previousSame.back();
            if (previous) lastRow[values.back()] = previous;
            else lastRow.erase(values.back());
            values.pop_back();
            previousSame.pop_back();
            omission.pop_back();
            --scanned;
        }
    }
};

struct StringHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
};

}  // namespace

struct TextMemo {
    std::string text;
    int reach = 0;  // rows after a row its value may read (forwardReach)
    bool valueColumn = false;
    std::vector<RowSlot> rows;          // index = row
    std::vector<std::string> errors;    // the distinct failure texts of this text
    OmissionScan omission;              // of the values
    OmissionScan amplitudeOmission;     // of the amplitudes

    // A changed row also changes the values of the `reach` rows before it.
    void dropFrom(int row) {
        row = reach >= row ? 0 : row - reach;
        if (static_cast<int>(rows.size()) > row) rows.resize(static_cast<std::size_t>(std::max(row, 0)));
        omission.truncate(row - 1);
        amplitudeOmission.truncate(row - 1);
    }

    RowSlot* slot(int row) {
        if (row < 0) return nullptr;
        if (static_cast<int>(rows.size()) <= row) rows.resize(static_cast<std::size_t>(row) + 1);
        return &rows[static_cast<std::size_t>(row)];
    }

    uint16_t errorIndex(const std::string& error) {
        for (std::size_t i = 0; i < errors.size(); ++i)
            if (errors[i] == error) return static_cast<uint16_t>(i);
        if (errors.size() >= UINT16_MAX) return 0;
        errors.push_back(error);
        return static_cast<uint16_t>(errors.size() - 1);
    }
};

struct FormulaMemo {
    const Workspace* ws = nullptr;
    bool pass = false;  // kept across evaluations
    std::unordered_map<std::string, std::unique_ptr<TextMemo>, StringHash, std::equal_to<>> texts;
    // What the memo last saw of the store: its row count and last row.
    int seenCount = -1;
    DrawRecord seenLast;

    TextMemo* find(std::string_view text) {
        auto it = texts.find(text);
        return it == texts.end() ? nullptr : it->second.get();
    }
    TextMemo& get(std::string_view text) {
        if (TextMemo* t = find(text)) return *t;
        auto memo = std::make_unique<TextMemo>();
        memo->text.assign(text);
        memo->reach = forwardReach(text);
        memo->valueColumn = readsValueColumn(text);
        TextMemo& ref = *memo;
        texts.emplace(memo->text, std::move(memo));
        return ref;
    }
    void dropFrom(int row, bool valueColumnOnly) {
        for (auto& [text, memo] : texts)
            if (!valueColumnOnly || memo->valueColumn) memo->dropFrom(row);
    }

    // Drops what appends, removals or a changed last row make stale.
    void checkStore(const t_s_dm& store) {
        const int count = store.Count();
        const DrawRecord* last = count >= 1 ? &store.Row(count) : nullptr;
        const auto same = [](const DrawRecord& a, const DrawRecord& b) {
            return a.value == b.value && std::memcmp(a.fields.data(), b.fields.data(), sizeof(a.fields)) == 0;
        };
        if (count != seenCount) {
            if (seenCount >= 0) dropFrom(std::max(1, std::min(count, seenCount)), false);
        } else if (last && !same(*last, seenLast)) {
            dropFrom(count, false);
        }
        seenCount = count;
        seenLast = last ? *last : DrawRecord{};
    }
};

namespace {

thread_local FormulaMemo* gMemo = nullptr;
// The innermost evaluation scope that has no open memo to use; its own is made on first use.
thread_local EvaluationMemoScope* gScope = nullptr;

// The memo in use for ws; with `make`, the pending scope of ws makes its own when it has none yet.
FormulaMemo* memoFor(const Workspace& ws, bool make = false) {
    if (gMemo && gMemo->ws == &ws) return gMemo;
    if (make && gScope && gScope->workspace() == &ws) return gScope->ownMemo();
    return nullptr;
}

// The open memo of ws, checked against the store first when it outlives evaluations (the store may have
// changed since it was last used; it never changes during an evaluation, so checking again inside one
// finds nothing to drop).
FormulaMemo* checkedMemoFor(const Workspace& ws, bool make = false) {
    FormulaMemo* memo = memoFor(ws, make);
    if (memo && memo->pass) memo->checkStore(ws.MainStore);
    return memo;
}

}  // namespace

HistoryPass::HistoryPass(const Workspace& ws) : previous_(gMemo) {
    if (FormulaMemo* open = memoFor(ws); open && open->pass) {
        active_ = open;
        return;
    }
    memo_ = std::make_unique<FormulaMemo>();
    memo_->ws = &ws;
    memo_->pass = true;
    memo_->checkStore(ws.MainStore);
    active_ = memo_.get();
    gMemo = active_;
}

HistoryPass::~HistoryPass() {
    if (memo_) gMemo = previous_;
}

void HistoryPass::rowsChangedFrom(int row) { active_->dropFrom(std::max(row, 1), false); }

void HistoryPass::valueColumnChangedFrom(int row) { active_->dropFrom(std::max(row, 1), true); }

EvaluationMemoScope::EvaluationMemoScope(const Workspace& ws) : ws_(&ws) {
    if (checkedMemoFor(ws)) return;
    active_ = true;
    previousScope_ = gScope;
    previousMemo_ = gMemo;
    gScope = this;
}

EvaluationMemoScope::~EvaluationMemoScope() {
    if (!active_) return;
    gScope = previousScope_;
    if (own_) gMemo = previousMemo_;
}

FormulaMemo* EvaluationMemoScope::ownMemo() {
    if (!own_) {
        own_ = std::make_unique<FormulaMemo>();
        own_->ws = ws_;
        gMemo = own_.get();
    }
    return own_.get();
}

void EvaluationMemoScope::dropAll() {
    if (gMemo) gMemo->dropFrom(0, false);
}

bool worthMemoizing(std::string_view formula) { return formula.find('(') != std::string_view::npos; }

bool findMemoOutcome(const Workspace& ws, std::string_view formula, int row, MemoOutcome& out) {
    FormulaMemo* memo = checkedMemoFor(ws);
    if (!memo) return false;
    TextMemo* text = memo->find(formula);
    if (!text || row < 0 || row >= static_cast<int>(text->rows.size())) return false;
    const RowSlot& s = text->rows[static_cast<std::size_t>(row)];
    if (s.state == kUnknown) return false;
    out.value = s.value;
    out.ok = s.state == kKnownOk;
    out.error = out.ok ? nullptr : &text->errors[s.error];
    return true;
}

void storeMemoOutcome(const Workspace& ws, std::string_view formula, int row, int32_t value, bool ok,
                      const std::string& error) {
    FormulaMemo* memo = memoFor(ws, true);
    if (!memo) return;
    TextMemo& text = memo->get(formula);
    RowSlot* s = text.slot(row);
    if (!s) return;
    s->value = value;
    s->state = ok ? kKnownOk : kKnownFailed;
    s->error = ok ? 0 : text.errorIndex(error);
}

FormulaSeries::FormulaSeries(Workspace& ws, std::string_view text) : ws_(ws) {
    memo_ = checkedMemoFor(ws, true);
    if (!memo_) {
        ownScope_ = std::make_unique<EvaluationMemoScope>(ws);
        memo_ = memoFor(ws, true);
    }
    text_ = &memo_->get(text);
}

FormulaSeries::~FormulaSeries() = default;

int32_t FormulaSeries::evaluateAt(int row) {
    t_s_dm& store = ws_.MainStore;
    const bool inRows = row >= 1 && row <= store.Count();
    int32_t value = 0;
    tgs evaluator(ws_);
    if (!inRows) {  // an empty store: evaluate where the cursor is, keep nothing
        evaluator.evaluate(text_->text, value);
        return value;
    }
    {
        CursorReturn back(store);
        store.SetRecNo(row);
        const bool ok = evaluator.evaluate(text_->text, value);
        RowSlot* s = text_->slot(row);
        s->value = value;
        s->state = ok ? kKnownOk : kKnownFailed;
        s->error = ok ? 0 : text_->errorIndex(evaluator.errorText());
    }
    return value;
}

int32_t FormulaSeries::valueAt(int row) {
    if (row >= 0 && row < static_cast<int>(text_->rows.size())) {
        const RowSlot& s = text_->rows[static_cast<std::size_t>(row)];
        if (s.state != kUnknown) return s.value;
    }
    return evaluateAt(row);
}

int32_t FormulaSeries::amplitudeAt(int row) {
    return amplitudeAtRow(row, [this](int r) { return valueAt(r); });
}

int32_t FormulaSeries::omissionAt(int row) {
    if (!memo_->pass || row < 1 || row > ws_.MainStore.Count())
        return omissionAtRow(row, [this](int r) { return valueAt(r); });
    // Built in row order: each row's value is read once per pass.
    OmissionScan& scan = text_->omission;
    while (scan.scanned < row) scan.push(valueAt(scan.scanned + 1));
    return scan.omission[static_cast<std::size_t>(row)];
}

int32_t FormulaSeries::omissionAmplitudeAt(int row) {
    const int32_t here = omissionAt(row);
    const int32_t before = row >= 2 ? omissionAt(row - 1) : 0;
    return absoluteDifference(here, before);
}

int32_t FormulaSeries::amplitudeOmissionAt(int row) {
    if (!memo_->pass || row < 1 || row > ws_.MainStore.Count())
        return amplitudeOmissionAtRow(row, [this](int r) { return valueAt(r); });
    if (row < 2) return 0;
    OmissionScan& scan = text_->amplitudeOmission;
    while (scan.scanned < row) scan.push(amplitudeAt(scan.scanned + 1));
    return scan.omission[static_cast<std::size_t>(row)];
}

}  // namespace qorvel
