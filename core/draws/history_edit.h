// Shared steps of every operation that changes the stored draw history: the guard against writing
// transformed numbers, the number range check, appending a clean row, and saving with a rollback of the
// in-memory rows when the file cannot be written.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "draws/t_s_dm.h"
#include "types/lottery_type.h"
#include "types/workspace.h"

namespace qorvel {

// Shown when something tries to change the draw file while a data transformation is active.
inline constexpr const char* kTransformedHistoryMessage = "数据已变换，请先恢复为原始数据再修改开奖数据";

// The special numbers a draw of the current type carries: none when the type has no special zone.
int effectiveSpecialCount(const TypeParams& params);

// The message to show when the history must not be written now, empty when it may.
std::string historyLockedMessage(const Workspace& ws);

// The first number of a draw that lies outside its zone's range.
struct RangeFault {
    bool special = false;
    int value = 0;
    int from = 0;
    int to = 0;
};
// Checks the main numbers and the first `specials` special numbers (all of them when negative).
std::optional<RangeFault> findRangeFault(const TypeParams& params, const DrawFields& draw, int specials = -1);
// "红号必须在1到33之间" for a fault in the main zone, with the special label for the special zone.
std::string rangeFaultMessage(const Workspace& ws, const RangeFault& fault);

inline constexpr const char* kRepeatedNumbersMessage = "同一组号中的号码不能重复";
inline constexpr const char* kReservedIssueMessage = "期号必须在1到9999997之间";

// A main number of the draw that stands twice.
bool hasRepeatedMainNumber(const TypeParams& params, const DrawFields& draw);
// True for the issue of a real draw: positive and below the candidate and forecast rows' issues.
bool isRealDrawIssue(int issue);
// The message for a draw that must not enter the history (a number outside its range, then a repeated
// main number), empty when it may. `specials` as for findRangeFault.
std::string drawNumbersFault(const Workspace& ws, const DrawFields& draw, int specials = -1);

// The last row that is a real draw (neither the forecast nor the candidate row); 0 when there is none.
int lastRealDrawRow(const t_s_dm& store);

// Appends a row holding exactly these fields (a reused slot's old values never show through).
void appendDrawRow(t_s_dm& store, const DrawFields& fields);

// A copy of a store's rows and cursor, taken before a change so a failed save can undo it.
class StoreSnapshot {
public:
    explicit StoreSnapshot(const t_s_dm& store);
    void restore(t_s_dm& store) const;

private:
    std::vector<DrawRecord> rows_;
    int current_ = 0;
};

// Sorts and writes the store. When the write fails the rows go back to the snapshot, so memory keeps
// matching the file; the result is the error text, empty on success.
std::string saveOrRestore(t_s_dm& store, const StoreSnapshot& before);

}  // namespace qorvel
