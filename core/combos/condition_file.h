// Condition files: headerless runs of fixed 8437-byte little-endian records, record i holding condition
// id i. The main-zone file ("*.zh", 1402 records) is mapped here onto the ConditionSet; the special-number
// and special-zone files ("*.lzh", "*.fzh", 200 records each) share the record format and the image,
// and map their own fields (see the offsets below) through ConditionRecordImage.
//
// The page keeps one record image per file kind for its lifetime. Saving writes into the image only the
// fields the current conditions use and then writes the whole image, so fields a condition does not use
// keep what an earlier load or save left there; loading replaces the image records the file holds.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "combos/filter_conditions.h"

namespace qorvel {

constexpr int kConditionRecordBytes = 8437;
constexpr int kMainConditionRecords = 1402;
constexpr int kSpecialConditionRecords = 200;

// Field offsets inside a record.
constexpr int kFormulaOffset = 0;
constexpr int kFormulaFieldBytes = 201;   // up to 200 GBK bytes and a terminating zero
constexpr int kCustomCountOffset = 201;   // int32, in the custom switch record
constexpr int kEnabledOffset = 205;       // int32 −1 / 0
constexpr int kGroupSizeOffset = 209;     // int32
constexpr int kElementsOffset = 213;      // int32 element k at 213 + 4(k − 1)
constexpr int kMaxRecordElements = 49;
constexpr int kValueCountOffset = 409;    // int32
constexpr int kValuesOffset = 413;        // int32 value k at 413 + 4(k − 1), k ≤ 2001
constexpr int kLowerBoundOffset = 8417;   // float64
constexpr int kUpperBoundOffset = 8425;   // float64
constexpr int kTolerantOffset = 8433;     // int32 −1 / 0

class ConditionRecordImage {
public:
    explicit ConditionRecordImage(int records = kMainConditionRecords);

    int records() const { return records_; }
    std::string_view bytes() const { return bytes_; }

    // Field access by record id (1-based). Ids outside 1..records() read 0 and ignore writes.
    int32_t intAt(int id, int offset) const;
    void setInt(int id, int offset, int32_t value);
    double doubleAt(int id, int offset) const;
    void setDouble(int id, int offset, double value);
    bool flagAt(int id, int offset) const { return intAt(id, offset) != 0; }
    void setFlag(int id, int offset, bool value) { setInt(id, offset, value ? -1 : 0); }
    int32_t element(int id, int k) const;           // k = 1..49
    void setElement(int id, int k, int32_t value);
    // The allowed values (the stored count clipped to 0..2001).
    std::vector<int32_t> values(int id) const;
    void setValues(int id, const std::vector<int32_t>& values);
    // The formula as UTF-8 (bytes up to the first zero, at most 200).
    std::string formula(int id) const;
    // Writes the formula's GBK bytes (at most 200) and a terminating zero; later bytes stay.
    void setFormula(int id, std::string_view utf8);

    // Replaces records 1..k with the k whole records of the file bytes; returns k. A partial record at
    // the end and records beyond records() are not read.
    int assign(std::string_view fileBytes);

private:
    std::size_t at(int id, int offset, int size) const;  // npos when outside the image
    int records_;
    std::string bytes_;
};

// The chosen name with the extension appended when the name does not already contain it anywhere.
std::string withExtension(std::string name, std::string_view extension);

// Writes all records of the image to path (extension rule applied); returns an error text or "".
std::string writeConditionRecords(const std::filesystem::path& path, const ConditionRecordImage& image,
                                  std::string_view extension);

struct ConditionLoad {
    bool found = false;    // the file could be read
    int records = 0;       // whole records read
    std::string warning;   // set when the file ends inside a record
};

// Reads up to image.records() records of the file into the image.
ConditionLoad readConditionRecords(const std::filesystem::path& path, ConditionRecordImage& image);

// SaveConditions: fills the image from the conditions and writes the 1402 records to path (".zh" appended
// when the name lacks it). Returns an error text, empty on success.
std::string SaveConditions(const std::filesystem::path& path, const ConditionSet& conditions,
                           ConditionRecordImage& image, int mainTo);

// LoadConditions: resets the conditions, then applies every record the file holds. A short file sets what
// it holds; values a foreign file cannot mean (counts, sizes, bounds out of range) are clipped.
ConditionLoad LoadConditions(const std::filesystem::path& path, ConditionSet& conditions,
                             ConditionRecordImage& image, int mainTo);

// The two steps of the above on an image in memory.
void storeConditionsInImage(const ConditionSet& conditions, ConditionRecordImage& image, int mainTo);
void applyImageToConditions(const ConditionRecordImage& image, int records, ConditionSet& conditions, int mainTo);

}  // namespace qorvel
