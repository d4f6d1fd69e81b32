#include "combos/special_conditions.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "text/gbk.h"
#include "text/number_text.h"

namespace qorvel {

const char* const kSpecialCustomLimitMessage = "最多可添加50注自定义指标条件，不能再添加";

namespace {

using B = BlueKind;
constexpr SpecialBound kConst(int c) { return SpecialBound{c, 0, 0}; }
constexpr SpecialBound kMax(int c = 0) { return SpecialBound{c, 0, 1}; }
constexpr SpecialBound kStart(int c = 0) { return SpecialBound{c, 1, 0}; }

constexpr SpecialBound kNone{};
constexpr std::array<const char*, 2> kNoItems{};

const BlueConditionInfo kBlueTable[] = {
    {1, "奇偶", B::Choice, {"奇数", "偶数"}, 0, "", kNone, kNone},
    {2, "质数合数", B::Choice, {"质数", "合数"}, 0, "", kNone, kNone},
    {3, "大小区", B::Choice, {"小数区", "大数区"}, 0, "", kNone, kNone},
    {4, "除三余数", B::Remainder, kNoItems, 3, "", kConst(0), kConst(2)},
    {5, "除四余数", B::Remainder, kNoItems, 4, "", kConst(0), kConst(3)},
    {6, "除五余数", B::Remainder, kNoItems, 5, "", kConst(0), kConst(4)},
    {7, "绝对振幅", B::Indicator, kNoItems, 0, "f_num1zf", kConst(0), kMax()},
    {8, "遗漏值", B::Indicator, kNoItems, 0, "f_num1yl", kConst(0), kConst(150)},
    {9, "二期均值", B::Mean, kNoItems, 2, "", kNone, kNone},
    {10, "三期均值", B::Mean, kNoItems, 3, "", kNone, kNone},
    {11, "四期均值", B::Mean, kNoItems, 4, "", kNone, kNone},
    {12, "五期均值", B::Mean, kNoItems, 5, "", kNone, kNone},
    {13, "十期均值", B::Mean, kNoItems, 10, "", kNone, kNone},
};

const ZoneConditionInfo kZoneTable[] = {
    {1, "副号一", "f_num1", false, kStart(), kMax(-1)},
    {2, "副号二", "f_num2", false, kStart(1), kMax()},
    {3, "副区平均值", "f_aver", false, kStart(), kMax()},
    {4, "副区偏度", "f_pd", true, kConst(0), kConst(15)},
    {5, "副区和值", "f_hz", false, kConst(3), SpecialBound{-1, 0, 2}},
    {6, "副区差值", "f_cz", false, kConst(1), kMax(-1)},
    {7, "副号一遗漏", "f_num1yl", false, kConst(0), kConst(145)},
    {8, "副号二遗漏", "f_num2yl", false, kConst(0), kConst(145)},
};

AddResult addCustomTo(std::vector<CustomIndicatorCondition>& customs, CustomIndicatorCondition condition) {
    condition.formula = std::string(trimBlanks(condition.formula));
    if (condition.formula.empty()) return {false, {}};
    if (static_cast<int>(customs.size()) >= kMaxSpecialCustomConditions) return {false, kSpecialCustomLimitMessage};
    if (utf8ToGbk(condition.formula).size() > static_cast<std::size_t>(kMaxFormulaBytes))
        return {false, kFormulaTooLongMessage};
    customs.push_back(std::move(condition));
    return {true, {}};
}

// A stored real as a bound; NaN (an empty bound field) and infinities give none.
std::optional<double> realBound(double v) {
    if (!std::isfinite(v)) return std::nullopt;
    return v;
}

double storedBound(const std::optional<double>& v) {
    return v ? *v : std::numeric_limits<double>::quiet_NaN();
}

void storeTolerance(const TotalTolerance& t, int id, ConditionRecordImage& image) {
    image.setFlag(id, kEnabledOffset, t.enabled);
    image.setElement(id, 1, t.from);
    image.setElement(id, 2, t.to);
}

void applyTolerance(const ConditionRecordImage& image, int id, int limit, TotalTolerance& t) {
    t.enabled = image.flagAt(id, kEnabledOffset);
    t.from = std::clamp(image.element(id, 1), 0, limit);
    t.to = std::clamp(image.element(id, 2), 0, limit);
}

void storeCustoms(bool on, const std::vector<CustomIndicatorCondition>& customs, ConditionRecordImage& image) {
    const int count = std::min<int>(static_cast<int>(customs.size()), kMaxSpecialCustomConditions);
    image.setFlag(kSpecialCustomSwitchId, kEnabledOffset, on);
    image.setInt(kSpecialCustomSwitchId, kCustomCountOffset, count);
    for (int k = 1; k <= count; ++k) {
        const CustomIndicatorCondition& c = customs[static_cast<std::size_t>(k - 1)];
        const int id = kSpecialCustomSwitchId + k;
        image.setFormula(id, c.formula);
        image.setValues(id, c.values);
        image.setFlag(id, kTolerantOffset, c.tolerant);
    }
}

void applyCustoms(const ConditionRecordImage& image, int records, bool& on,
                  std::vector<CustomIndicatorCondition>& customs) {
    if (kSpecialCustomSwitchId > records) return;
    on = image.flagAt(kSpecialCustomSwitchId, kEnabledOffset);
    const int count = std::clamp(image.intAt(kSpecialCustomSwitchId, kCustomCountOffset), 0,
                                 kMaxSpecialCustomConditions);
    for (int k = 1; k <= count && kSpecialCustomSwitchId + k <= records; ++k) {
        const int id = kSpecialCustomSwitchId + k;
        customs.push_back({image.formula(id), image.values(id), image.flagAt(id, kTolerantOffset)});
    }
}

void storeList(const FilterCondition& l, int id, ConditionRecordImage& image) {
    image.setFlag(id, kEnabledOffset, l.enabled);
    if (!l.enabled) return;
    image.setValues(id, l.values);
    image.setFlag(id, kTolerantOffset, l.tolerant);
}

}  // namespace

std::span<const BlueConditionInfo> blueConditionTable() { return kBlueTable; }

const BlueConditionInfo* findBlueCondition(int id) {
    for (const BlueConditionInfo& info : kBlueTable)
        if (info.id == id) return &info;
    return nullptr;
}

std::span<const ZoneConditionInfo> zoneConditionTable() { return kZoneTable; }

const ZoneConditionInfo* findZoneCondition(int id) {
    for (const ZoneConditionInfo& info : kZoneTable)
        if (info.id == id) return &info;
    return nullptr;
}

int firstSpecialNumber(const TypeParams& params) { return std::clamp(params.SpecialFrom, 1, kMaxSpecialNumber); }
int lastSpecialNumber(const TypeParams& params) { return std::clamp(params.SpecialTo, 0, kMaxSpecialNumber); }

// ---- Blue filter conditions ----

void BlueConditionSet::reset() {
    for (BlueCondition& c : conditions) c = BlueCondition{};
    totalTolerance = TotalTolerance{};
    customOn = false;
    customs.clear();
}

BlueCondition* BlueConditionSet::condition(int id) {
    return (id >= 1 && id <= kLastBlueConditionId) ? &conditions[static_cast<std::size_t>(id)] : nullptr;
}

const BlueCondition* BlueConditionSet::condition(int id) const {
    return const_cast<BlueConditionSet*>(this)->condition(id);
}

void BlueConditionSet::setEnabled(int id, bool enabled) {
    BlueCondition* c = condition(id);
    if (!c) return;
    if (enabled) {
        c->enabled = true;
    } else {
        *c = BlueCondition{};
    }
}

AddResult BlueConditionSet::addCustom(CustomIndicatorCondition condition) {
    return addCustomTo(customs, std::move(condition));
}

std::optional<std::string> missingMeanBound(const BlueConditionSet& conditions) {
    for (const BlueConditionInfo& info : kBlueTable) {
        if (info.kind != BlueKind::Mean) continue;
        const BlueCondition& c = *conditions.condition(info.id);
        if (c.enabled && (!c.lower || !c.upper)) return std::string(info.caption) + "还未确定范围";
    }
    return std::nullopt;
}

// ---- Special-zone conditions ----

void ZoneConditionSet::reset(const TypeParams& params) {
    for (std::size_t id = 0; id < lists.size(); ++id) {
        lists[id] = FilterCondition{};
        lists[id].id = static_cast<int>(id);
        if (const ZoneConditionInfo* info = findZoneCondition(static_cast<int>(id)))
            lists[id].IndicatorCode = info->IndicatorCode;
    }
    totalTolerance = TotalTolerance{};
    customOn = false;
    customs.clear();
    const int first = firstSpecialNumber(params), last = lastSpecialNumber(params);
    for (int n = 0; n <= kMaxSpecialNumber; ++n) {
        candidates[static_cast<std::size_t>(n)] = n >= first && n <= last;
        bankers[static_cast<std::size_t>(n)] = false;
    }
}

void ZoneConditionSet::setEnabled(int id, bool enabled) {
    if (id < 1 || id > kLastZoneConditionId) return;
    FilterCondition& c = lists[static_cast<std::size_t>(id)];
    c.enabled = enabled;
    if (!enabled) {
        c.values.clear();
        c.tolerant = false;
    }
}

AddResult ZoneConditionSet::addCustom(CustomIndicatorCondition condition) {
    return addCustomTo(customs, std::move(condition));
}

std::string ZoneConditionSet::setBankers(const std::vector<int>& numbers, int specialCount) {
    bankers.fill(false);
    if (static_cast<int>(numbers.size()) > specialCount)
        return "选择副区胆码不能大于" + std::to_string(specialCount) + "个";
    for (int n : numbers)
        if (n >= 1 && n <= kMaxSpecialNumber) bankers[static_cast<std::size_t>(n)] = true;
    return {};
}

// ---- Record mapping ----

void storeBlueInImage(const BlueConditionSet& conditions, ConditionRecordImage& image) {
    for (const BlueConditionInfo& info : kBlueTable) {
        const int id = info.id;
        const BlueCondition& c = *conditions.condition(id);
        image.setFlag(id, kEnabledOffset, c.enabled);
        if (!c.enabled) continue;
        switch (info.kind) {
            case BlueKind::Choice: image.setElement(id, 1, c.choice); break;
            case BlueKind::Remainder:
            case BlueKind::Indicator: image.setValues(id, c.values); break;
            case BlueKind::Mean:
                image.setDouble(id, kLowerBoundOffset, storedBound(c.lower));
                image.setDouble(id, kUpperBoundOffset, storedBound(c.upper));
                break;
        }
        image.setFlag(id, kTolerantOffset, c.tolerant);
    }
    storeTolerance(conditions.totalTolerance, kBlueToleranceId, image);
    storeCustoms(conditions.customOn, conditions.customs, image);
}

void applyImageToBlue(const ConditionRecordImage& image, int records, BlueConditionSet& conditions) {
    conditions.reset();
    for (const BlueConditionInfo& info : kBlueTable) {
        const int id = info.id;
        if (id > records || !image.flagAt(id, kEnabledOffset)) continue;
        BlueCondition& c = *conditions.condition(id);
        c.enabled = true;
        switch (info.kind) {
            case BlueKind::Choice: {
                const int32_t choice = image.element(id, 1);
                c.choice = (choice == 0 || choice == 1) ? choice : -1;
                break;
            }
            case BlueKind::Remainder:
            case BlueKind::Indicator: c.values = image.values(id); break;
            case BlueKind::Mean:
                c.lower = realBound(image.doubleAt(id, kLowerBoundOffset));
                c.upper = realBound(image.doubleAt(id, kUpperBoundOffset));
                break;
        }
        c.tolerant = image.flagAt(id, kTolerantOffset);
    }
    if (kBlueToleranceId <= records)
        applyTolerance(image, kBlueToleranceId, kBlueToleranceMax, conditions.totalTolerance);
    applyCustoms(image, records, conditions.customOn, conditions.customs);
}

void storeZoneInImage(const ZoneConditionSet& conditions, const TypeParams& params, ConditionRecordImage& image) {
    for (const ZoneConditionInfo& info : kZoneTable)
        storeList(conditions.lists[static_cast<std::size_t>(info.id)], info.id, image);
    storeTolerance(conditions.totalTolerance, kZoneToleranceId, image);
    for (int j = firstSpecialNumber(params); j <= lastSpecialNumber(params); ++j) {
        image.setElement(kZoneCandidatesId, j, conditions.candidates[static_cast<std::size_t>(j)] ? j : 0);
        image.setElement(kZoneBankersId, j, conditions.bankers[static_cast<std::size_t>(j)] ? j : 0);
    }
    storeCustoms(conditions.customOn, conditions.customs, image);
}

void applyImageToZone(const ConditionRecordImage& image, int records, const TypeParams& params,
                      ZoneConditionSet& conditions) {
    conditions.reset(params);
    for (const ZoneConditionInfo& info : kZoneTable) {
        const int id = info.id;
        if (id > records || !image.flagAt(id, kEnabledOffset)) continue;
        FilterCondition& l = conditions.lists[static_cast<std::size_t>(id)];
        l.enabled = true;
        l.values = image.values(id);
        l.tolerant = image.flagAt(id, kTolerantOffset);
    }
    if (kZoneToleranceId <= records)
        applyTolerance(image, kZoneToleranceId, kToleranceChoiceMax, conditions.totalTolerance);
    const int first = firstSpecialNumber(params), last = lastSpecialNumber(params);
    for (int j = first; j <= last; ++j) {
        const auto n = static_cast<std::size_t>(j);
        if (kZoneCandidatesId <= records) conditions.candidates[n] = image.element(kZoneCandidatesId, j) != 0;
        if (kZoneBankersId <= records) conditions.bankers[n] = image.element(kZoneBankersId, j) != 0;
    }
    applyCustoms(image, records, conditions.customOn, conditions.customs);
}

// ---- Files ----

const char* specialFileExtension(SpecialFileKind kind) { return kind == SpecialFileKind::Blue ? ".lzh" : ".fzh"; }

std::string SaveSpecialConditions(SpecialConditionFiles& files, SpecialFileKind kind,
                                  const std::filesystem::path& path, const TypeParams& params) {
    if (kind == SpecialFileKind::Blue) {
        storeBlueInImage(files.blue, files.blueImage);
        return writeConditionRecords(path, files.blueImage, specialFileExtension(kind));
    }
    storeZoneInImage(files.zone, params, files.zoneImage);
    return writeConditionRecords(path, files.zoneImage, specialFileExtension(kind));
}

ConditionLoad LoadSpecialConditions(SpecialConditionFiles& files, SpecialFileKind kind,
                                    const std::filesystem::path& path, const TypeParams& params) {
    ConditionRecordImage& image = kind == SpecialFileKind::Blue ? files.blueImage : files.zoneImage;
    ConditionLoad load = readConditionRecords(path, image);
    if (!load.found) return load;
    if (kind == SpecialFileKind::Blue)
        applyImageToBlue(image, load.records, files.blue);
    else
        applyImageToZone(image, load.records, params, files.zone);
    return load;
}

}  // namespace qorvel
