// The conditions of the special-zone tabs of the combination-filtering page: the blue-filter conditions
// of types with one special number (蓝号过滤) and the special-zone conditions of types with two (副区过滤),
// each with its custom-indicator list and total tolerance, and their condition files ("*.lzh", "*.fzh",
// 200 records in the format of condition_file.h). One table per tab is the single source of ids,
// captions and picker ranges.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "combos/condition_file.h"
#include "combos/filter_conditions.h"
#include "types/lottery_type.h"

namespace qorvel {

constexpr int kMaxSpecialNumber = 49;           // highest special number any type may have
constexpr int kMaxSpecialCustomConditions = 50;
constexpr int kSpecialCustomSwitchId = 150;     // custom switch and count in the special files
constexpr int kFirstSpecialCustomId = 151;      // custom condition k is record 150 + k
constexpr int kBlueToleranceId = 14;            // 总容错 of the blue filter
constexpr int kLastBlueConditionId = 13;
constexpr int kBlueToleranceMax = 15;           // its two choices offer 0..15
constexpr int kZoneToleranceId = 9;             // 总容错 of the special-zone filter
constexpr int kZoneCandidatesId = 10;
constexpr int kZoneBankersId = 11;
constexpr int kLastZoneConditionId = 8;

extern const char* const kSpecialCustomLimitMessage;   // "最多可添加50注自定义指标条件，不能再添加"

// A bound of a picker range: constant + perFrom × special range start + perMax × special maximum.
struct SpecialBound {
    int constant = 0;
    int perFrom = 0;
    int perMax = 0;
    int at(const TypeParams& p) const { return constant + perFrom * p.SpecialFrom + perMax * p.SpecialTo; }
};

// ---- Blue filter (one special number) ----

enum class BlueKind : uint8_t {
    Choice,     // 奇偶, 质数合数, 大小区: one of two items
    Remainder,  // 除三/四/五余数: allowed remainders of s mod divisor
    Indicator,  // 绝对振幅, 遗漏值: allowed values of an indicator of the row
    Mean,       // k期均值: real bounds on the mean of s and the k − 1 draws before
};

struct BlueConditionInfo {
    int id = 0;
    const char* caption = "";
    BlueKind kind = BlueKind::Choice;
    std::array<const char*, 2> items{};   // Choice: item 0 and item 1
    int parameter = 0;                     // Remainder: the divisor; Mean: the period k
    const char* IndicatorCode = "";        // Indicator: the code whose value is tested
    SpecialBound from, to;                 // picker range of Remainder and Indicator
};

// Ids 1..13 in id order.
std::span<const BlueConditionInfo> blueConditionTable();
const BlueConditionInfo* findBlueCondition(int id);

struct BlueCondition {
    bool enabled = false;
    int choice = -1;                       // Choice: item index, −1 when nothing is chosen
    std::vector<int32_t> values;           // Remainder, Indicator
    std::optional<double> lower, upper;    // Mean; empty when the bound field is empty
    bool tolerant = false;
    bool operator==(const BlueCondition&) const = default;
};

struct BlueConditionSet {
    std::array<BlueCondition, kLastBlueConditionId + 1> conditions;  // index = id, 0 unused
    TotalTolerance totalTolerance;
    bool customOn = false;
    std::vector<CustomIndicatorCondition> customs;

    // "重置": every condition off and empty, the total tolerance 0..3 and off, no custom conditions.
    void reset();
    BlueCondition* condition(int id);
    const BlueCondition* condition(int id) const;
    // Ticking or unticking; unticking clears the choice, values, bounds and the tolerant flag.
    void setEnabled(int id, bool enabled);
    AddResult addCustom(CustomIndicatorCondition condition);
};

// "二期均值还未确定范围" and so on when an enabled mean condition lacks a bound; nullopt otherwise.
std::optional<std::string> missingMeanBound(const BlueConditionSet& conditions);

// ---- Special-zone filter (two special numbers) ----

struct ZoneConditionInfo {
    int id = 0;
    const char* caption = "";
    const char* IndicatorCode = "";
    bool hidden = false;                   // 副区偏度: present, never shown on the page
    SpecialBound from, to;                 // picker range
};

// Ids 1..8 in id order.
std::span<const ZoneConditionInfo> zoneConditionTable();
const ZoneConditionInfo* findZoneCondition(int id);

struct ZoneConditionSet {
    std::array<FilterCondition, kLastZoneConditionId + 1> lists;  // index = id, 0 unused
    TotalTolerance totalTolerance;
    bool customOn = false;
    std::vector<CustomIndicatorCondition> customs;
    // Index 1..49: the special candidate numbers and bankers.
    std::array<bool, kMaxSpecialNumber + 1> candidates{};
    std::array<bool, kMaxSpecialNumber + 1> bankers{};

    // "重置": conditions off and empty, every number of the special range a candidate, no bankers.
    void reset(const TypeParams& params);
    void setEnabled(int id, bool enabled);
    AddResult addCustom(CustomIndicatorCondition condition);
    // "副区胆码": more bankers than the type has special numbers clears the bankers and returns
    // "选择副区胆码不能大于" + count + "个"; otherwise sets them and returns "".
    std::string setBankers(const std::vector<int>& numbers, int specialCount);
};

// The numbers of the special range that a flag array may hold (the range, without 0).
int firstSpecialNumber(const TypeParams& params);
int lastSpecialNumber(const TypeParams& params);

// ---- Condition files ----

enum class SpecialFileKind : uint8_t { Blue, Zone };  // "*.lzh", "*.fzh"

const char* specialFileExtension(SpecialFileKind kind);

// The two steps of saving and loading on a record image of 200 records. Saving writes the enabled field
// of every condition and its other fields only while it is enabled; the custom list is written whatever
// its switch says. Applying resets the set first and then applies the records 1..records; values a
// foreign file cannot mean (counts, choices, tolerance bounds out of range) are clipped.
void storeBlueInImage(const BlueConditionSet& conditions, ConditionRecordImage& image);
void applyImageToBlue(const ConditionRecordImage& image, int records, BlueConditionSet& conditions);
void storeZoneInImage(const ZoneConditionSet& conditions, const TypeParams& params, ConditionRecordImage& image);
void applyImageToZone(const ConditionRecordImage& image, int records, const TypeParams& params,
                      ZoneConditionSet& conditions);

// The condition-file state of the two special tabs: their conditions and record images.
struct SpecialConditionFiles {
    BlueConditionSet blue;
    ZoneConditionSet zone;
    ConditionRecordImage blueImage{kSpecialConditionRecords};
    ConditionRecordImage zoneImage{kSpecialConditionRecords};
};

// SaveSpecialConditions: the 200 records of that kind to path (".lzh" or ".fzh" appended when the name
// lacks it). Returns an error text, empty on success.
std::string SaveSpecialConditions(SpecialConditionFiles& files, SpecialFileKind kind,
                                  const std::filesystem::path& path, const TypeParams& params);
// LoadSpecialConditions: resets that tab's conditions and applies every whole record the file holds.
ConditionLoad LoadSpecialConditions(SpecialConditionFiles& files, SpecialFileKind kind,
                                    const std::filesystem::path& path, const TypeParams& params);

}  // namespace qorvel
