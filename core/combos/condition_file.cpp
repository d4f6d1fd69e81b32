#include "combos/condition_file.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

#include "text/file_io.h"
#include "text/gbk.h"

namespace qorvel {
namespace {

constexpr std::size_t kOutside = std::string::npos;

// A stored real as a whole bound; NaN (an empty bound) and infinities give nothing.
std::optional<int> boundFrom(double v) {
    if (!std::isfinite(v)) return std::nullopt;
    const double clipped = std::clamp(v, double(std::numeric_limits<int>::min()), double(std::numeric_limits<int>::max()));
    return static_cast<int>(std::llround(clipped));
}

double boundTo(const std::optional<int>& v) {
    return v ? double(*v) : std::numeric_limits<double>::quiet_NaN();
}

int clippedCount(double v, int limit) {
    if (!std::isfinite(v)) return 0;
    return static_cast<int>(std::clamp(v, 0.0, double(limit)));
}

std::vector<int> elements(const ConditionRecordImage& image, int id, int size) {
    std::vector<int> out;
    for (int k = 1; k <= size; ++k) out.push_back(image.element(id, k));
    return out;
}

void setElements(ConditionRecordImage& image, int id, const std::vector<int>& members) {
    const int size = std::min<int>(static_cast<int>(members.size()), kMaxRecordElements);
    image.setInt(id, kGroupSizeOffset, size);
    for (int k = 1; k <= size; ++k) image.setElement(id, k, members[k - 1]);
}

void storeLists(const ConditionSet& c, ConditionRecordImage& image) {
    for (const ConditionInfo& info : conditionTable()) {
        const int id = info.id;
        if (info.isRange()) {
            const RangeCondition& r = *c.range(id);
            image.setFlag(id, kEnabledOffset, r.enabled);
            if (!r.enabled) continue;
            image.setDouble(id, kLowerBoundOffset, boundTo(r.from));
            image.setDouble(id, kUpperBoundOffset, boundTo(r.to));
            image.setFlag(id, kTolerantOffset, r.tolerant);
            continue;
        }
        const FilterCondition& l = c.lists[id];
        image.setFlag(id, kEnabledOffset, l.enabled);
        if (!l.enabled) continue;
        image.setValues(id, l.values);
        image.setFlag(id, kTolerantOffset, l.tolerant);
    }
}

// The custom, self-set and tail-set lists are stored whatever their switch says, so a list the user
// switched off is still there after a reload.
void storeGroups(const ConditionSet& c, ConditionRecordImage& image) {
    image.setFlag(kCustomSwitchId, kEnabledOffset, c.customOn);
    image.setInt(kCustomSwitchId, kCustomCountOffset, static_cast<int32_t>(c.customs.size()));
    for (std::size_t k = 0; k < c.customs.size(); ++k) {
        const int id = kFirstCustomId + static_cast<int>(k);
        image.setFormula(id, c.customs[k].formula);
        image.setValues(id, c.customs[k].values);
        image.setFlag(id, kTolerantOffset, c.customs[k].tolerant);
    }
    image.setFlag(kFirstSelfSetId, kEnabledOffset, c.selfSetOn);
    image.setDouble(kFirstSelfSetId, kLowerBoundOffset, double(c.selfSets.size()));
    for (std::size_t k = 0; k < c.selfSets.size(); ++k) {
        const int id = kFirstSelfSetId + static_cast<int>(k);
        setElements(image, id, c.selfSets[k].numbers);
        image.setValues(id, c.selfSets[k].counts);
        image.setFlag(id, kTolerantOffset, c.selfSets[k].tolerant);
    }
    image.setFlag(kFirstTailSetId, kEnabledOffset, c.tailSetOn);
    image.setDouble(kFirstTailSetId, kLowerBoundOffset, double(c.tailSets.size()));
    for (std::size_t k = 0; k < c.tailSets.size(); ++k) {
        const int id = kFirstTailSetId + static_cast<int>(k);
        setElements(image, id, c.tailSets[k].digits);
        image.setValues(id, c.tailSets[k].counts);
        image.setDouble(id, kUpperBoundOffset, c.tailSets[k].countOnce ? 1.0 : 0.0);
        image.setFlag(id, kTolerantOffset, c.tailSets[k].tolerant);
    }
}

void storeNumbersAndSwitches(const ConditionSet& c, ConditionRecordImage& image, int mainTo) {
    for (int j = 1; j <= std::min(mainTo, kMaxMainNumber); ++j) {
        image.setElement(kCandidateNumbersId, j, c.candidates[j] ? j : 0);
        image.setElement(kBankerNumbersId, j, c.bankers[j] ? j : 0);
    }
    image.setFlag(kNotHistoryId, kEnabledOffset, c.notHistory);
    image.setFlag(kNotEqualDistanceId, kEnabledOffset, c.notEqualDistance);
    image.setFlag(kNoSpecialRunsId, kEnabledOffset, c.noSpecialRuns);
    image.setFlag(kTotalToleranceId, kEnabledOffset, c.totalTolerance.enabled);
    image.setElement(kTotalToleranceId, 1, c.totalTolerance.from);
    image.setElement(kTotalToleranceId, 2, c.totalTolerance.to);
}

void applyLists(const ConditionRecordImage& image, int records, ConditionSet& c) {
    for (const ConditionInfo& info : conditionTable()) {
        const int id = info.id;
        if (id > records || !image.flagAt(id, kEnabledOffset)) continue;
        if (info.isRange()) {
            RangeCondition& r = *c.range(id);
            r.enabled = true;
            r.from = boundFrom(image.doubleAt(id, kLowerBoundOffset));
            r.to = boundFrom(image.doubleAt(id, kUpperBoundOffset));
            r.tolerant = image.flagAt(id, kTolerantOffset);
            continue;
        }
        FilterCondition& l = c.lists[id];
        l.enabled = true;
        l.values = image.values(id);
        l.tolerant = image.flagAt(id, kTolerantOffset);
    }
}

void applyCustoms(const ConditionRecordImage& image, int records, ConditionSet& c) {
    if (kCustomSwitchId > records) return;
    c.customOn = image.flagAt(kCustomSwitchId, kEnabledOffset);
    const int count = std::clamp(image.intAt(kCustomSwitchId, kCustomCountOffset), 0, kMaxCustomConditions);
    for (int k = 1; k <= count && kCustomSwitchId + k <= records; ++k) {
        const int id = kCustomSwitchId + k;
        c.customs.push_back({image.formula(id), image.values(id), image.flagAt(id, kTolerantOffset)});
    }
}

void applySelfSets(const ConditionRecordImage& image, int records, ConditionSet& c) {
    if (kFirstSelfSetId > records) return;
    c.selfSetOn = image.flagAt(kFirstSelfSetId, kEnabledOffset);
    const int count = clippedCount(image.doubleAt(kFirstSelfSetId, kLowerBoundOffset), kMaxSelfSetConditions);
    for (int k = 0; k < count && kFirstSelfSetId + k <= records; ++k) {
        const int id = kFirstSelfSetId + k;
        const int size = std::clamp(image.intAt(id, kGroupSizeOffset), 0, kMaxSelfSetNumbers);
        c.selfSets.push_back({elements(image, id, size), image.values(id), image.flagAt(id, kTolerantOffset)});
    }
}

void applyTailSets(const ConditionRecordImage& image, int records, ConditionSet& c) {
    if (kFirstTailSetId > records) return;
    c.tailSetOn = image.flagAt(kFirstTailSetId, kEnabledOffset);
    const int count = clippedCount(image.doubleAt(kFirstTailSetId, kLowerBoundOffset), kMaxTailSetConditions);
    for (int k = 0; k < count && kFirstTailSetId + k <= records; ++k) {
        const int id = kFirstTailSetId + k;
        const int size = std::clamp(image.intAt(id, kGroupSizeOffset), 0, kMaxTailSetDigits);
        const double once = image.doubleAt(id, kUpperBoundOffset);
        c.tailSets.push_back({elements(image, id, size), image.values(id), image.flagAt(id, kTolerantOffset),
                              std::isfinite(once) && once != 0.0});
    }
}

void applyNumbersAndSwitches(const ConditionRecordImage& image, int records, ConditionSet& c, int mainTo) {
    const int top = std::min(mainTo, kMaxMainNumber);
    if (kCandidateNumbersId <= records)
        for (int j = 1; j <= top; ++j) c.candidates[j] = image.element(kCandidateNumbersId, j) != 0;
    if (kBankerNumbersId <= records)
        for (int j = 1; j <= top; ++j) c.bankers[j] = image.element(kBankerNumbersId, j) != 0;
    if (kNotHistoryId <= records) c.notHistory = image.flagAt(kNotHistoryId, kEnabledOffset);
    if (kNotEqualDistanceId <= records) c.notEqualDistance = image.flagAt(kNotEqualDistanceId, kEnabledOffset);
    if (kNoSpecialRunsId <= records) c.noSpecialRuns = image.flagAt(kNoSpecialRunsId, kEnabledOffset);
    if (kTotalToleranceId <= records) {
        c.totalTolerance.enabled = image.flagAt(kTotalToleranceId, kEnabledOffset);
        c.totalTolerance.from = std::clamp(image.element(kTotalToleranceId, 1), 0, kToleranceChoiceMax);
        c.totalTolerance.to = std::clamp(image.element(kTotalToleranceId, 2), 0, kToleranceChoiceMax);
    }
}

}  // namespace

ConditionRecordImage::ConditionRecordImage(int records)
    : records_(records), bytes_(static_cast<std::size_t>(records) * kConditionRecordBytes, '\0') {}

std::size_t ConditionRecordImage::at(int id, int offset, int size) const {
    if (id < 1 || id > records_ || offset < 0 || offset + size > kConditionRecordBytes) return kOutside;
    return static_cast<std::size_t>(id - 1) * kConditionRecordBytes + static_cast<std::size_t>(offset);
}

int32_t ConditionRecordImage::intAt(int id, int offset) const {
    const std::size_t p = at(id, offset, 4);
    if (p == kOutside) return 0;
    uint32_t v = 0;
    for (int b = 3; b >= 0; --b) v = (v << 8) | static_cast<unsigned char>(bytes_[p + b]);
    return static_cast<int32_t>(v);
}

void ConditionRecordImage::setInt(int id, int offset, int32_t value) {
    const std::size_t p = at(id, offset, 4);
    if (p == kOutside) return;
    const uint32_t v = static_cast<uint32_t>(value);
    for (int b = 0; b < 4; ++b) bytes_[p + b] = static_cast<char>((v >> (8 * b)) & 0xFF);
}

double ConditionRecordImage::doubleAt(int id, int offset) const {
    const std::size_t p = at(id, offset, 8);
    if (p == kOutside) return 0.0;
    uint64_t v = 0;
    for (int b = 7; b >= 0; --b) v = (v << 8) | static_cast<unsigned char>(bytes_[p + b]);
    double d;
    std::memcpy(&d, &v, sizeof d);
    return d;
}

void ConditionRecordImage::setDouble(int id, int offset, double value) {
    const std::size_t p = at(id, offset, 8);
    if (p == kOutside) return;
    uint64_t v;
    std::memcpy(&v, &value, sizeof v);
    for (int b = 0; b < 8; ++b) bytes_[p + b] = static_cast<char>((v >> (8 * b)) & 0xFF);
}

int32_t ConditionRecordImage::element(int id, int k) const {
    if (k < 1 || k > kMaxRecordElements) return 0;
    return intAt(id, kElementsOffset + 4 * (k - 1));
}

void ConditionRecordImage::setElement(int id, int k, int32_t value) {
    if (k < 1 || k > kMaxRecordElements) return;
    setInt(id, kElementsOffset + 4 * (k - 1), value);
}

std::vector<int32_t> ConditionRecordImage::values(int id) const {
    const int count = std::clamp(intAt(id, kValueCountOffset), 0, kMaxAllowedValues);
    std::vector<int32_t> out;
    out.reserve(static_cast<std::size_t>(count));
    for (int k = 1; k <= count; ++k) out.push_back(intAt(id, kValuesOffset + 4 * (k - 1)));
    return out;
}

void ConditionRecordImage::setValues(int id, const std::vector<int32_t>& values) {
    const int count = std::min<int>(static_cast<int>(values.size()), kMaxAllowedValues);
    setInt(id, kValueCountOffset, count);
    for (int k = 1; k <= count; ++k) setInt(id, kValuesOffset + 4 * (k - 1), values[k - 1]);
}

std::string ConditionRecordImage::formula(int id) const {
    const std::size_t p = at(id, kFormulaOffset, kFormulaFieldBytes);
    if (p == kOutside) return {};
    std::string_view field(bytes_.data() + p, kMaxFormulaBytes);
    const std::size_t end = field.find('\0');
    return gbkToUtf8(field.substr(0, end));
}

void ConditionRecordImage::setFormula(int id, std::string_view utf8) {
    const std::size_t p = at(id, kFormulaOffset, kFormulaFieldBytes);
    if (p == kOutside) return;
    const std::string gbk = truncateGbk(utf8ToGbk(utf8), kMaxFormulaBytes);
    std::copy(gbk.begin(), gbk.end(), bytes_.begin() + static_cast<std::ptrdiff_t>(p));
    bytes_[p + gbk.size()] = '\0';
}

int ConditionRecordImage::assign(std::string_view fileBytes) {
    const int whole = static_cast<int>(std::min<std::size_t>(fileBytes.size() / kConditionRecordBytes,
                                                              static_cast<std::size_t>(records_)));
    std::copy_n(fileBytes.begin(), static_cast<std::size_t>(whole) * kConditionRecordBytes, bytes_.begin());
    return whole;
}

std::string withExtension(std::string name, std::string_view extension) {
    if (name.find(extension) == std::string::npos) name += extension;
    return name;
}

std::string writeConditionRecords(const std::filesystem::path& path, const ConditionRecordImage& image,
                                  std::string_view extension) {
    const std::filesystem::path target = withExtension(path.string(), extension);
    return writeFileAtomically(target, image.bytes());
}

ConditionLoad readConditionRecords(const std::filesystem::path& path, ConditionRecordImage& image) {
    ConditionLoad load;
    auto bytes = readFileBytes(path);
    if (!bytes) return load;
    load.found = true;
    load.records = image.assign(*bytes);
    if (load.records < image.records() && bytes->size() % kConditionRecordBytes != 0)
        load.warning = "条件文件 " + path.filename().string() + " 末尾不足一条记录，已读入前 " +
                       std::to_string(load.records) + " 条记录";
    return load;
}

void storeConditionsInImage(const ConditionSet& conditions, ConditionRecordImage& image, int mainTo) {
    storeLists(conditions, image);
    storeGroups(conditions, image);
    storeNumbersAndSwitches(conditions, image, mainTo);
}

void applyImageToConditions(const ConditionRecordImage& image, int records, ConditionSet& conditions, int mainTo) {
    conditions.reset(mainTo);
    applyLists(image, records, conditions);
    applyCustoms(image, records, conditions);
    applySelfSets(image, records, conditions);
    applyTailSets(image, records, conditions);
    applyNumbersAndSwitches(image, records, conditions, mainTo);
}

std::string SaveConditions(const std::filesystem::path& path, const ConditionSet& conditions,
                           ConditionRecordImage& image, int mainTo) {
    storeConditionsInImage(conditions, image, mainTo);
    return writeConditionRecords(path, image, ".zh");
}

ConditionLoad LoadConditions(const std::filesystem::path& path, ConditionSet& conditions,
                             ConditionRecordImage& image, int mainTo) {
    ConditionLoad load = readConditionRecords(path, image);
    if (!load.found) return load;
    applyImageToConditions(image, load.records, conditions, mainTo);
    return load;
}

}  // namespace qorvel
