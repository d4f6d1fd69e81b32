// t_s_dm: the draw store — one lottery type's history in memory as fixed-width integer rows, with a
// 1-based cursor, edit/key/browse modes and binary search by any field, mirrored to one binary file.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace qorvel {

constexpr int kDrawFields = 51;           // fields 0..50 of a draw record
constexpr int kDrawRecordBytes = 204;     // 51 little-endian int32 in the draw file
constexpr int kForecastIssue = 9999999;   // the row for the coming draw
constexpr int kCandidateIssue = 9999998;  // the temporary row of a ticket being checked
constexpr int kDefaultDrawIssue = 2008001;
constexpr int kRowSlotStep = 1000;        // rows are allocated in steps of this many slots

using DrawFields = std::array<int32_t, kDrawFields>;

// One row: the 51 stored fields plus the in-memory value column (the value of the indicator being
// dissected), which is kept apart so it never overwrites a number slot.
struct DrawRecord {
    DrawFields fields{};
    int32_t value = 0;
};

class t_s_dm {
public:
    enum Mode : uint8_t { EditMode = 0, KeyMode = 1, BrowseMode = 2 };
    using MessageHandler = std::function<void(const std::string&)>;

    t_s_dm();

    void SetFileName(const std::filesystem::path& path) { fileName_ = path; }
    const std::filesystem::path& FileName() const { return fileName_; }

    // Loads the file (creating it with the default draw when missing). A file whose length is not a
    // multiple of the record size loads its whole records; loadWarning() then describes the rest.
    bool Open();

    int Count() const { return count_; }
    bool IsEmpty() const { return count_ == 0; }
    void SetCount(int n);
    int RecNo() const { return current_; }
    void SetRecNo(int n);
    void First();
    void Last();
    void Next();
    void Prior();
    int MoveBy(int d);
    bool Bof() const { return bof_; }
    bool Eof() const { return eof_; }

    int32_t GetField(int i) const {
        return (i >= 0 && i < kDrawFields) ? rows_[current_].fields[i] : 0;
    }
    void Edit() { mode_ = EditMode; }
    void SetKey() { mode_ = KeyMode; }
    void SetField(int i, int32_t value);
    bool GotoKey();
    void Append();
    void Delete(bool save);
    bool SortAndSave();
    void Clear(bool save);

    // The value column of the current row.
    int32_t GetValue() const { return rows_[current_].value; }
    void SetValue(int32_t v) { rows_[current_].value = v; }

    // Direct read access to row r (1..Count()) for fast walks that do not move the cursor.
    const DrawRecord& Row(int r) const { return rows_[r]; }
    DrawRecord& MutableRow(int r) { return rows_[r]; }

    Mode GetMode() const { return mode_; }
    int Capacity() const { return capacity_; }

    // Moves to the row with this issue (key search on field 0); false and no move when absent.
    bool GotoIssue(int issue);
    // The row holding this issue, searched from the last row without moving the cursor or changing the
    // mode (the forecast and candidate rows sit at the end); 0 when absent.
    int RowOfIssue(int issue) const;
    // The row GotoIssue would move to (binary search on field 0), without moving; 0 when absent.
    int KeyRowOfIssue(int issue) const;

    // Text of the last failed file operation, empty after a success.
    const std::string& lastError() const { return lastError_; }
    // Set by Open when the file held a partial record at its end; empty otherwise.
    const std::string& loadWarning() const { return loadWarning_; }

    // Receives the user-facing messages of the store (the mode message of SetField).
    void setMessageHandler(MessageHandler handler) { onMessage_ = std::move(handler); }

    // Serialises rows 1..Count() in file layout.
    std::string fileBytes() const;

private:
    void resizeSlots(int n);

    std::vector<DrawRecord> rows_;  // element 0 unused
    Mode mode_ = BrowseMode;
    bool eof_ = true;
    bool bof_ = true;
    std::filesystem::path fileName_;
    int count_ = 0;
    int current_ = 0;
    int capacity_ = 0;
    int keyField_ = 0;
    int32_t keyValue_ = 0;
    std::string lastError_;
    std::string loadWarning_;
    MessageHandler onMessage_;
};

// Reads draw records from file bytes; trailing bytes that do not make a whole record are ignored.
std::vector<DrawFields> parseDrawRecords(std::string_view bytes);

}  // namespace qorvel
