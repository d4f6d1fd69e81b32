#include "draws/graphical_entry.h"

#include "draws/history_edit.h"
#include "text/number_text.h"

namespace qorvel {

std::string tooFewNumbersMessage(int count) {
    return "本彩票中，添加的开奖数据不能少于" + std::to_string(count) + "个";
}

GraphicalEntry::GraphicalEntry(const TypeParams& params)
    : mainCount_(params.MainCount),
      specialCount_(effectiveSpecialCount(params)),
      mainFrom_(params.MainFrom),
      mainTo_(params.MainTo),
      specialFrom_(params.SpecialFrom),
      specialTo_(params.SpecialTo) {
    reset();
}

void GraphicalEntry::reset() {
    counter_ = 1;
    pickedMain_.fill(false);
    pickedSpecial_.fill(false);
    cells_.assign(static_cast<std::size_t>(cellCount()), 0);
}

bool GraphicalEntry::click(int number) {
    if (number < 1 || number > kEntryButtons || counter_ > cellCount()) return false;
    // Both bounds are checked, so the dialog can never produce a draw outside the type's ranges.
    if (counter_ <= mainCount_) {
        if (number < mainFrom_ || number > mainTo_) return false;
        pickedMain_[number] = true;
    } else {
        if (number < specialFrom_ || number > specialTo_) return false;
        pickedSpecial_[number] = true;
    }
    refreshCells();
    return true;
}

void GraphicalEntry::refreshCells() {
    int mains = 0;
    int specials = 0;
    cells_.assign(static_cast<std::size_t>(cellCount()), 0);
    for (int n = 1; n <= kEntryButtons; ++n) {
        if (pickedMain_[n] && mains < mainCount_) cells_[static_cast<std::size_t>(mains++)] = n;
        if (pickedSpecial_[n] && specials < specialCount_)
            cells_[static_cast<std::size_t>(mainCount_ + specials++)] = n;
    }
    counter_ = mains < mainCount_ ? 1 + mains : mainCount_ + 1 + specials;
}

int GraphicalEntry::cell(int i) const {
    return (i >= 1 && i <= cellCount()) ? cells_[static_cast<std::size_t>(i - 1)] : 0;
}

bool GraphicalEntry::buttonSelected(int number) const {
    return number >= 1 && number <= kEntryButtons && (pickedMain_[number] || pickedSpecial_[number]);
}

EntryOutcome GraphicalEntry::add(Workspace& ws, std::string_view issueText) const {
    EntryOutcome outcome;
    if (outcome.message = historyLockedMessage(ws); !outcome.message.empty()) return outcome;
    const std::string_view issue = trimBlanks(issueText);
    if (issue.size() != kIssueDigits) {
        outcome.message = kIssueLengthMessage;
        return outcome;
    }
    if (counter_ <= cellCount()) {
        outcome.message = tooFewNumbersMessage(cellCount());
        return outcome;
    }
    auto issueNumber = parseWholeNumber(issue);
    if (!issueNumber) {
        outcome.message = notWholeNumberMessage(issue);
        return outcome;
    }
    if (!isRealDrawIssue(*issueNumber)) {
        outcome.message = kReservedIssueMessage;
        return outcome;
    }
    t_s_dm& store = ws.MainStore;
    if (store.GotoIssue(*issueNumber)) {
        outcome.message = kDuplicateIssueMessage;
        return outcome;
    }
    DrawFields fields{};
    fields[0] = *issueNumber;
    for (int i = 1; i <= cellCount() && i < kDrawFields; ++i) fields[i] = cell(i);
    StoreSnapshot before(store);
    appendDrawRow(store, fields);
    outcome.message = saveOrRestore(store, before);
    outcome.stored = outcome.message.empty();
    return outcome;
}

}  // namespace qorvel
