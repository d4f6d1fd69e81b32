// Lottery types: the 21 type slots of "database\cps.typ", the parameters of the current slot, the zone
// labels and the zone bounds every computation reads.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace qorvel {

constexpr int kTypeSlots = 21;
constexpr int kTypeRecordBytes = 162;
constexpr int kTypeTextBytes = 50;
constexpr int kMinZoneCount = 2;
constexpr int kMaxZoneCount = 15;

// One type slot. Texts are UTF-8 in memory and at most 50 GBK bytes in the file.
struct LotteryType {
    std::string Name;
    uint8_t MainCount = 6;
    uint8_t MainFrom = 1;
    uint8_t MainTo = 33;
    uint8_t SpecialCount = 1;
    uint8_t SpecialFrom = 1;
    uint8_t SpecialTo = 16;
    uint8_t HasSpecial = 1;
    uint8_t TypeKind = 1;  // 1 lotto type, 0 digit type
    std::string MainLabel;
    std::string SpecialLabel;

    bool operator==(const LotteryType&) const = default;
};

struct LotteryTypeTable {
    std::array<LotteryType, kTypeSlots> slots;
    uint8_t StartType = 0;  // stored in every record; only record 0's byte is read
};

// The parameters of the current slot that every computation reads.
struct TypeParams {
    int MainCount = 6;
    int SpecialCount = 1;
    int MainFrom = 1;
    int MainTo = 33;
    int SpecialFrom = 1;
    int SpecialTo = 16;
    bool HasSpecial = true;
};

// For every zone count n (2..15) the n + 1 upper bounds splitting 1..MainTo into n zones; bounds[n][0] = 0.
struct ZoneBounds {
    std::array<std::vector<int>, kMaxZoneCount + 1> bounds;
    const std::vector<int>& forCount(int n) const { return bounds[n]; }
    // The zone (1..n) of number x for n zones; 0 when x lies outside 1..MainTo.
    int zoneOf(int n, int x) const;
};

LotteryType defaultLotteryType(int slot);
LotteryTypeTable defaultLotteryTypeTable();

// Record layout of one slot (162 bytes).
std::string encodeTypeRecord(const LotteryType& type, uint8_t startType);
LotteryType decodeTypeRecord(std::string_view record);

// Reads "database\cps.typ", creating it with the defaults when missing. A short file keeps the default
// slots for the records it lacks. Returns an error text (empty on success).
std::string loadLotteryTypes(const std::filesystem::path& file, LotteryTypeTable& table);
// Rewrites the file with all 21 slots, the kept StartType in byte 0 of every record.
std::string saveLotteryTypes(const std::filesystem::path& file, const LotteryTypeTable& table);

// Copies a slot into TypeParams. With forTypeChange the special count is 0 when the slot has none.
TypeParams typeParamsFrom(const LotteryType& type, bool forTypeChange);

// Sets the labels of a slot from its name: "双色球" → 红号/蓝号, "超级大乐透" → 主号/副号, else 主号/特别号.
void applyLabelRule(LotteryType& type);

ZoneBounds buildZoneBounds(int mainTo);

}  // namespace qorvel
