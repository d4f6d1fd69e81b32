#include "draws/draw_entry.h"

#include "draws/history_edit.h"
#include "text/number_text.h"

namespace qorvel {
namespace {

struct ParsedDraw {
    DrawFields fields{};
    std::string message;  // empty when the editors hold a valid draw
};

// Reads the three editors into a draw without touching the store. The checks run in the order the
// window reports them: issue length, missing special numbers, the numbers, the issue, the ranges.
ParsedDraw parseEditors(const Workspace& ws, const DrawEditorTexts& texts) {
    ParsedDraw result;
    const TypeParams& p = ws.params;
    const std::string_view issue = trimBlanks(texts.issue);
    if (issue.size() != kIssueDigits) {
        result.message = kIssueLengthMessage;
        return result;
    }
    const int specials = effectiveSpecialCount(p);
    if (p.HasSpecial && trimBlanks(texts.specials).empty()) {
        result.message = enterSpecialMessage(ws.SpecialLabel());
        return result;
    }
    NumberListResult mains = parseNumberList(texts.mains, p.MainCount);
    if (!mains.error.empty()) {
        result.message = mains.error;
        return result;
    }
    auto issueNumber = parseWholeNumber(issue);
    if (!issueNumber) {
        result.message = notWholeNumberMessage(issue);
        return result;
    }
    NumberListResult specialNumbers = parseNumberList(texts.specials, specials);
    if (!specialNumbers.error.empty()) {
        result.message = specialNumbers.error;
        return result;
    }
    result.fields[0] = *issueNumber;
    for (int i = 0; i < p.MainCount; ++i) result.fields[1 + i] = mains.numbers[i];
    for (int i = 0; i < specials; ++i) result.fields[1 + p.MainCount + i] = specialNumbers.numbers[i];
    result.message = drawNumbersFault(ws, result.fields);
    return result;
}

std::string joinedNumbers(const DrawFields& fields, int first, int count) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        if (i > 0) text += '-';
        text += TwoDigitText(fields[first + i]);
    }
    return text;
}

}  // namespace

std::string numberMask(int count) {
    std::string places;
    for (int i = 0; i < count; ++i) places += "99-";
    if (!places.empty()) places.pop_back();
    return "!" + places + ";1;_";
}

std::string notWholeNumberMessage(std::string_view piece) { return "'" + std::string(piece) + "' 不是有效的整数"; }

std::string enterSpecialMessage(const std::string& specialLabel) { return "请输入" + specialLabel; }

NumberListResult parseNumberList(std::string_view text, int count) {
    NumberListResult result;
    for (int i = 0; i < count; ++i) {
        std::string_view piece;
        if (i + 1 < count) {
            // Without a "-" the whole rest is this piece and the following pieces are empty.
            std::size_t dash = text.find('-');
            piece = text.substr(0, dash);
            text = dash == std::string_view::npos ? std::string_view() : text.substr(dash + 1);
        } else {
            piece = text;
        }
        piece = trimBlanks(piece);
        auto value = parseWholeNumber(piece);
        if (!value) {
            result.numbers.clear();
            result.error = notWholeNumberMessage(piece);
            return result;
        }
        result.numbers.push_back(*value);
    }
    return result;
}

EntryOutcome addDrawFromEditors(Workspace& ws, const DrawEditorTexts& texts) {
    EntryOutcome outcome;
    if (outcome.message = historyLockedMessage(ws); !outcome.message.empty()) return outcome;
    ParsedDraw draw = parseEditors(ws, texts);
    if (!draw.message.empty()) {
        outcome.message = draw.message;
        return outcome;
    }
    if (!isRealDrawIssue(draw.fields[0])) {
        outcome.message = kReservedIssueMessage;
        return outcome;
    }
    t_s_dm& store = ws.MainStore;
    outcome.clearEditors = true;
    if (store.GotoIssue(draw.fields[0])) {
        outcome.message = kDuplicateIssueMessage;
        return outcome;
    }
    StoreSnapshot before(store);
    appendDrawRow(store, draw.fields);
    outcome.message = saveOrRestore(store, before);
    outcome.stored = outcome.message.empty();
    outcome.clearEditors = outcome.stored;
    return outcome;
}

bool isDrawRow(const t_s_dm& store, int row) { return row >= 1 && row <= store.Count(); }

std::optional<DrawEditorTexts> editorTextsForRow(const Workspace& ws, int row) {
    if (!isDrawRow(ws.MainStore, row)) return std::nullopt;
    const DrawFields& f = ws.MainStore.Row(row).fields;
    const int mains = ws.params.MainCount;
    return DrawEditorTexts{std::to_string(f[0]), joinedNumbers(f, 1, mains),
                           joinedNumbers(f, 1 + mains, effectiveSpecialCount(ws.params))};
}

EntryOutcome modifyDrawFromEditors(Workspace& ws, int row, const DrawEditorTexts& texts) {
    EntryOutcome outcome;
    t_s_dm& store = ws.MainStore;
    if (!isDrawRow(store, row)) {
        outcome.message = kSelectDrawToModifyMessage;
        return outcome;
    }
    if (outcome.message = historyLockedMessage(ws); !outcome.message.empty()) return outcome;
    ParsedDraw draw = parseEditors(ws, texts);
    if (!draw.message.empty()) {
        outcome.message = draw.message;
        return outcome;
    }
    // A new issue must not collide with another draw: two rows of one issue would break every lookup.
    const int oldIssue = store.Row(row).fields[0];
    if (draw.fields[0] != oldIssue && store.GotoIssue(draw.fields[0])) {
        store.SetRecNo(row);
        outcome.message = kDuplicateIssueMessage;
        return outcome;
    }
    StoreSnapshot before(store);
    store.SetRecNo(row);
    store.Edit();
    const int numbers = ws.params.MainCount + effectiveSpecialCount(ws.params);
    for (int f = 0; f <= numbers && f < kDrawFields; ++f) store.SetField(f, draw.fields[f]);
    outcome.message = saveOrRestore(store, before);
    outcome.stored = outcome.message.empty();
    outcome.clearEditors = outcome.stored;
    return outcome;
}

std::string deleteDrawAtRow(Workspace& ws, int row) {
    t_s_dm& store = ws.MainStore;
    if (!isDrawRow(store, row)) return kSelectDrawToDeleteMessage;
    if (std::string locked = historyLockedMessage(ws); !locked.empty()) return locked;
    StoreSnapshot before(store);
    store.SetRecNo(row);
    store.Delete(false);
    return saveOrRestore(store, before);
}

std::string clearHistory(Workspace& ws) {
    if (std::string locked = historyLockedMessage(ws); !locked.empty()) return locked;
    StoreSnapshot before(ws.MainStore);
    ws.MainStore.Clear(false);
    return saveOrRestore(ws.MainStore, before);
}

std::vector<std::string> maintenanceGridHeader(const Workspace& ws) {
    std::vector<std::string> header{"期数"};
    for (int i = 1; i <= ws.params.MainCount; ++i) header.push_back(ws.MainLabel() + std::to_string(i));
    const int specials = effectiveSpecialCount(ws.params);
    for (int i = 1; i <= specials; ++i)
        header.push_back(specials == 1 ? ws.SpecialLabel() : ws.SpecialLabel() + std::to_string(i));
    return header;
}

std::vector<std::string> maintenanceGridRow(const Workspace& ws, int row) {
    if (!isDrawRow(ws.MainStore, row)) return {};
    const DrawFields& f = ws.MainStore.Row(row).fields;
    std::vector<std::string> cells{f[0] == kForecastIssue ? std::string(kForecastIssueText) : std::to_string(f[0])};
    const int numbers = ws.params.MainCount + effectiveSpecialCount(ws.params);
    for (int i = 1; i <= numbers && i < kDrawFields; ++i) cells.push_back(TwoDigitText(f[i]));
    return cells;
}

std::vector<std::string> issueChoices(const t_s_dm& store) {
    std::vector<std::string> issues;
    issues.reserve(static_cast<std::size_t>(store.Count()));
    for (int r = 1; r <= store.Count(); ++r) issues.push_back(std::to_string(store.Row(r).fields[0]));
    return issues;
}

}  // namespace qorvel
