#include "types/lottery_type.h"

#include "text/file_io.h"
#include "text/gbk.h"

namespace qorvel {
namespace {

void putText(std::string& rec, std::size_t offset, const std::string& utf8) {
    std::string gbk = truncateGbk(utf8ToGbk(utf8), kTypeTextBytes);
    rec[offset] = static_cast<char>(gbk.size());
    gbk.copy(&rec[offset + 1], gbk.size());
}

std::string getText(std::string_view rec, std::size_t offset) {
    std::size_t len = static_cast<unsigned char>(rec[offset]);
    if (len > kTypeTextBytes) len = kTypeTextBytes;
    return gbkToUtf8(rec.substr(offset + 1, len));
}

uint8_t byteAt(std::string_view rec, std::size_t offset) { return static_cast<uint8_t>(rec[offset]); }

}  // namespace

int ZoneBounds::zoneOf(int n, int x) const {
    const auto& b = bounds[n];
    for (std::size_t k = 1; k < b.size(); ++k)
        if (x > b[k - 1] && x <= b[k]) return static_cast<int>(k);
    return 0;
}

LotteryType defaultLotteryType(int slot) {
    LotteryType t;
    t.Name = "自定义彩种" + std::to_string(slot);
    return t;
}

LotteryTypeTable defaultLotteryTypeTable() {
    LotteryTypeTable table;
    for (int n = 0; n < kTypeSlots; ++n) table.slots[n] = defaultLotteryType(n);
    return table;
}

std::string encodeTypeRecord(const LotteryType& type, uint8_t startType) {
    std::string rec(kTypeRecordBytes, '\0');
    rec[0] = static_cast<char>(startType);
    putText(rec, 1, type.Name);
    const uint8_t numbers[] = {type.MainCount,   type.MainFrom,  type.MainTo,     type.SpecialCount,
                               type.SpecialFrom, type.SpecialTo, type.HasSpecial, type.TypeKind};
    for (int i = 0; i < 8; ++i) rec[52 + i] = static_cast<char>(numbers[i]);
    putText(rec, 60, type.MainLabel);
    putText(rec, 111, type.SpecialLabel);
    return rec;
}

LotteryType decodeTypeRecord(std::string_view rec) {
    LotteryType t;
    t.Name = getText(rec, 1);
    t.MainCount = byteAt(rec, 52);
    t.MainFrom = byteAt(rec, 53);
    t.MainTo = byteAt(rec, 54);
    t.SpecialCount = byteAt(rec, 55);
    t.SpecialFrom = byteAt(rec, 56);
    t.SpecialTo = byteAt(rec, 57);
    t.HasSpecial = byteAt(rec, 58);
    t.TypeKind = byteAt(rec, 59);
    t.MainLabel = getText(rec, 60);
    t.SpecialLabel = getText(rec, 111);
    return t;
}

std::string loadLotteryTypes(const std::filesystem::path& file, LotteryTypeTable& table) {
    std::error_code ec;
    table = defaultLotteryTypeTable();
    if (!std::filesystem::exists(file, ec)) return saveLotteryTypes(file, table);
    auto bytes = readFileBytes(file);
    if (!bytes) return "无法读取文件 " + file.string();
    std::size_t records = std::min<std::size_t>(bytes->size() / kTypeRecordBytes, kTypeSlots);
    for (std::size_t n = 0; n < records; ++n)
        table.slots[n] = decodeTypeRecord(std::string_view(*bytes).substr(n * kTypeRecordBytes, kTypeRecordBytes));
    if (records > 0) table.StartType = static_cast<uint8_t>((*bytes)[0]);
    return {};
}

std::string saveLotteryTypes(const std::filesystem::path& file, const LotteryTypeTable& table) {
    std::string bytes;
    bytes.reserve(kTypeSlots * kTypeRecordBytes);
    for (const auto& slot : table.slots) bytes += encodeTypeRecord(slot, table.StartType);
    return writeFileAtomically(file, bytes);
}

TypeParams typeParamsFrom(const LotteryType& type, bool forTypeChange) {
    TypeParams p;
    p.MainCount = type.MainCount;
    p.MainFrom = type.MainFrom;
    p.MainTo = type.MainTo;
    p.SpecialFrom = type.SpecialFrom;
    p.SpecialTo = type.SpecialTo;
    p.SpecialCount = (forTypeChange && type.HasSpecial == 0) ? 0 : type.SpecialCount;
    p.HasSpecial = type.HasSpecial == 1;
    return p;
}

void applyLabelRule(LotteryType& type) {
    if (type.Name == "双色球") {
        type.MainLabel = "红号";
        type.SpecialLabel = "蓝号";
    } else if (type.Name == "超级大乐透") {
        type.MainLabel = "主号";
        type.SpecialLabel = "副号";
    } else {
        type.MainLabel = "主号";
        type.SpecialLabel = "特别号";
    }
}

ZoneBounds buildZoneBounds(int mainTo) {
    ZoneBounds z;
    for (int n = kMinZoneCount; n <= kMaxZoneCount; ++n) {
        const int base = mainTo / n;
        const int rest = mainTo % n;
        std::vector<int> b(n + 1, 0);
        for (int k = 1; k <= n; ++k) b[k] = b[k - 1] + base + ((n - k < rest) ? 1 : 0);
        z.bounds[n] = std::move(b);
    }
    return z;
}

}  // namespace qorvel
