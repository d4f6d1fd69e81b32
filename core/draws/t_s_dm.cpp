#include "draws/t_s_dm.h"

#include <algorithm>

#include "text/file_io.h"

namespace qorvel {
namespace {

constexpr const char* kNotEditingMessage = "现在不是修改状态，不能修改字段值";

int32_t readInt32(const char* p) {
    uint32_t v = 0;
    for (int b = 3; b >= 0; --b) v = (v << 8) | static_cast<unsigned char>(p[b]);
    return static_cast<int32_t>(v);
}

void appendInt32(std::string& out, int32_t value) {
    uint32_t v = static_cast<uint32_t>(value);
    for (int b = 0; b < 4; ++b) out.push_back(static_cast<char>((v >> (8 * b)) & 0xFF));
}

}  // namespace

std::vector<DrawFields> parseDrawRecords(std::string_view bytes) {
    std::vector<DrawFields> records(bytes.size() / kDrawRecordBytes);
    for (std::size_t r = 0; r < records.size(); ++r) {
        const char* p = bytes.data() + r * kDrawRecordBytes;
        for (int f = 0; f < kDrawFields; ++f) records[r][f] = readInt32(p + 4 * f);
    }
    return records;
}

t_s_dm::t_s_dm() : rows_(1) {}

void t_s_dm::resizeSlots(int n) {
    // Grow in whole steps so n rows always fit (row 0 is unused); shrink by one step per call.
    while (n >= capacity_) capacity_ += kRowSlotStep;
    if (n < capacity_ - kRowSlotStep) capacity_ -= kRowSlotStep;
    rows_.resize(static_cast<std::size_t>(capacity_) + 1);
}

void t_s_dm::SetCount(int n) {
    if (n < 0) n = 0;
    resizeSlots(n);
    count_ = n;
    if (n < current_ && n >= 1) {
        current_ = n;
        bof_ = eof_ = false;
    } else if (n == 0) {
        current_ = 0;
    }
}

bool t_s_dm::Open() {
    namespace fs = std::filesystem;
    lastError_.clear();
    loadWarning_.clear();
    std::error_code ec;
    if (!fs::exists(fileName_, ec)) {
        std::string bytes;
        DrawFields def{};
        def[0] = kDefaultDrawIssue;
        for (int f = 1; f <= 10; ++f) def[f] = f;
        for (int32_t v : def) appendInt32(bytes, v);
        lastError_ = writeFileAtomically(fileName_, bytes);
    }
    auto bytes = readFileBytes(fileName_);
    if (!bytes) {
        if (lastError_.empty()) lastError_ = "无法读取文件 " + fileName_.string();
        return false;
    }
    auto records = parseDrawRecords(*bytes);
    std::size_t rest = bytes->size() % kDrawRecordBytes;
    if (rest != 0) {
        loadWarning_ = "数据文件 " + fileName_.filename().string() + " 末尾有 " + std::to_string(rest) +
                       " 个字节不足一条记录，已读入前 " + std::to_string(records.size()) +
                       " 条记录；保存前文件不会被改写。";
    }
    count_ = 0;
    capacity_ = 0;
    rows_.assign(1, DrawRecord{});
    resizeSlots(static_cast<int>(records.size()));
    for (std::size_t r = 0; r < records.size(); ++r) rows_[r + 1].fields = records[r];
    count_ = static_cast<int>(records.size());
    current_ = count_;
    if (count_ > 0) bof_ = eof_ = false;
    return true;
}

void t_s_dm::SetRecNo(int n) {
    if (n >= 1 && n <= count_) {
        current_ = n;
        bof_ = eof_ = false;
    }
}

void t_s_dm::First() {
    if (count_ >= 1) current_ = 1;
    bof_ = true;
    eof_ = false;
}

void t_s_dm::Last() {
    if (count_ >= 1) current_ = count_;
    eof_ = true;
    bof_ = false;
}

void t_s_dm::Next() {
    if (current_ < count_) {
        ++current_;
        eof_ = false;
    } else {
        eof_ = true;
    }
    bof_ = false;
}

void t_s_dm::Prior() {
    if (current_ < 2) {
        bof_ = true;
    } else {
        --current_;
        bof_ = false;
    }
    eof_ = false;
}

int t_s_dm::MoveBy(int d) {
    bof_ = eof_ = false;
    const int old = current_;
    const long long target = static_cast<long long>(current_) + d;
    if (target <= 0) {
        current_ = 1;
        bof_ = true;
        return 1 - old;
    }
    if (target > count_) {
        current_ = count_;
        eof_ = true;
        return count_ - old;
    }
    current_ = static_cast<int>(target);
    return d;
}

void t_s_dm::SetField(int i, int32_t value) {
    if (i < 0 || i >= kDrawFields) return;
    switch (mode_) {
        case EditMode:
            rows_[current_].fields[i] = value;
            break;
        case KeyMode:
            keyField_ = i;
            keyValue_ = value;
            break;
        case BrowseMode:
            if (onMessage_) onMessage_(kNotEditingMessage);
            break;
    }
}

bool t_s_dm::GotoKey() {
    int low = 1, high = count_;
    while (high >= low) {
        int mid = (low + high) / 2;
        int32_t v = rows_[mid].fields[keyField_];
        if (v == keyValue_) {
            current_ = mid;
            bof_ = eof_ = false;
            return true;
        }
        if (v > keyValue_)
            high = mid - 1;
        else
            low = mid + 1;
    }
    return false;
}

bool t_s_dm::GotoIssue(int issue) {
    SetKey();
    SetField(0, issue);
    return GotoKey();
}

int t_s_dm::KeyRowOfIssue(int issue) const {
    int low = 1, high = count_;
    while (high >= low) {
        const int mid = (low + high) / 2;
        const int32_t v = rows_[mid].fields[0];
        if (v == issue) return mid;
        if (v > issue)
            high = mid - 1;
        else
            low = mid + 1;
    }
    return 0;
}

int t_s_dm::RowOfIssue(int issue) const {
    for (int r = count_; r >= 1; --r)
        if (rows_[r].fields[0] == issue) return r;
    return 0;
}

void t_s_dm::Append() {
    SetCount(count_ + 1);
    current_ = count_;
    mode_ = EditMode;
    bof_ = eof_ = false;
}

void t_s_dm::Delete(bool save) {
    if (count_ < 1) return;
    if (count_ == 1) {
        count_ = 0;
        current_ = 0;
        bof_ = eof_ = true;
    } else if (current_ == count_) {
        --count_;
        current_ = std::max(1, count_ - 1);
    } else {
        std::move(rows_.begin() + current_ + 1, rows_.begin() + count_ + 1, rows_.begin() + current_);
        // The vacated last slot keeps its old values; a later Append shows them until overwritten.
        --count_;
    }
    if (save) SortAndSave();
}

std::string t_s_dm::fileBytes() const {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(count_) * kDrawRecordBytes);
    for (int r = 1; r <= count_; ++r)
        for (int32_t v : rows_[r].fields) appendInt32(bytes, v);
    return bytes;
}

bool t_s_dm::SortAndSave() {
    // A stable sort orders exactly as an early-exit bubble sort would: equal issues keep their order.
    std::stable_sort(rows_.begin() + 1, rows_.begin() + count_ + 1,
                     [](const DrawRecord& a, const DrawRecord& b) { return a.fields[0] < b.fields[0]; });
    // A store without a file name (a private working copy) keeps its rows in memory only.
    lastError_ = fileName_.empty() ? std::string{} : writeFileAtomically(fileName_, fileBytes());
    mode_ = BrowseMode;
    return lastError_.empty();
}

void t_s_dm::Clear(bool save) {
    count_ = 0;
    current_ = 0;
    capacity_ = 0;
    rows_.assign(1, DrawRecord{});
    mode_ = BrowseMode;
    if (save) SortAndSave();
}

}  // namespace qorvel
