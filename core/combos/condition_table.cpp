#include "combos/condition_table.h"

#include <array>

namespace qorvel {
namespace {

using P = ConditionPage;
using K = PickerKind;

constexpr RangeBound C(int c) { return {c, 0, 0}; }
constexpr RangeBound N(int c) { return {c, 1, 0}; }   // c + MainCount
constexpr RangeBound M(int c) { return {c, 0, 1}; }   // c + MainTo
constexpr RangeBound M2(int c) { return {c, 0, 2}; }  // c + 2 × MainTo
constexpr RangeBound MN(int c) { return {c, -1, 1}; } // c + MainTo − MainCount

// One row per condition. The report caption is the page caption with "：" unless the report names it
// differently (the red-ball names, the zone and remainder wording, "ac值", "平数值").
constexpr ConditionInfo kTable[] = {
    // 常规1
    {88, "主号一", "z_num1", P::Regular1, false, "红号一：", K::TilesWithCriteria, C(1), M(-4)},
    {89, "主号二", "z_num2", P::Regular1, false, "红号二：", K::TilesWithCriteria, C(1), M(-3)},
    {90, "主号三", "z_num3", P::Regular1, false, "红号三：", K::TilesWithCriteria, C(1), M(-2)},
    {91, "主号四", "z_num4", P::Regular1, false, "红号四：", K::TilesWithCriteria, C(1), M(-1)},
    {92, "主号五", "z_num5", P::Regular1, false, "红号五：", K::TilesWithCriteria, C(1), M(0)},
    {93, "主号六", "z_num6", P::Regular1, true, "红号六：", K::TilesWithCriteria, C(1), M(0)},
    {94, "主号七", "z_num7", P::Regular1, true, "红号七：", K::TilesWithCriteria, C(1), M(0)},
    // 常规2
    {1, "大数个数", "z_dsgs", P::Regular2, false, "大数个数：", K::Tiles, C(0), N(0)},
    {2, "奇数个数", "z_jsgs", P::Regular2, false, "奇数个数：", K::Tiles, C(0), N(0)},
    {3, "质数个数", "z_zsgs", P::Regular2, false, "质数个数：", K::Tiles, C(0), N(0)},
    {4, "尾组个数", "z_wzgs", P::Regular2, false, "尾组个数：", K::Tiles, C(1), N(0)},
    {5, "连号组数", "z_lmzs", P::Regular2, false, "连号组数：", K::Tiles, C(0), N(-1)},
    {6, "重号个数", "z_cmgs", P::Regular2, false, "重号个数：", K::Tiles, C(0), N(0)},
    {7, "邻号个数", "z_nmzs", P::Regular2, false, "邻号个数：", K::Tiles, C(0), N(0)},
    {8, "一区个数", "z_3fq_1qgs", P::Regular2, false, "三分区的一区个数：", K::Tiles, C(0), N(0)},
    {9, "二区个数", "z_3fq_2qgs", P::Regular2, false, "三分区的二区个数：", K::Tiles, C(0), N(0)},
    {10, "三区个数", "z_3fq_3qgs", P::Regular2, false, "三分区的三区个数：", K::Tiles, C(0), N(0)},
    // 常规3
    {15, "AC值", "z_ac", P::Regular3, false, "ac值：", K::Tiles, C(0), C(10)},
    {14, "不同间距个数", "z_jjgs", P::Regular3, false, "不同间距个数：", K::Tiles, C(1), N(-1)},
    {39, "冷号个数", "z_lwr_lmgs", P::Regular3, false, "冷号个数：", K::Tiles, C(0), C(6)},
    {40, "温号个数", "z_lwr_wmgs", P::Regular3, false, "温号个数：", K::Tiles, C(0), C(6)},
    {41, "热号个数", "z_lwr_rmgs", P::Regular3, false, "热号个数：", K::Tiles, C(0), C(6)},
    {37, "偏度", "z_pd", P::Regular3, false, "偏度：", K::TilesWithCriteria, C(0), C(24)},
    {38, "散度", "z_sd", P::Regular3, false, "散度：", K::TilesWithCriteria, C(1), C(25)},
    {34, "标准差", "", P::Regular3, false, "标准差：", K::TypedBounds, C(0), C(0)},
    {35, "离散系数(%)", "", P::Regular3, false, "离散系数(%)：", K::TypedBounds, C(0), C(0)},
    {111, "平均值", "z_aver", P::Regular3, false, "平数值：", K::TilesWithCriteria, C(1), C(33)},
    // 常规4
    {16, "最大间距", "z_zdjj", P::Regular4, false, "最大间距：", K::TilesWithCriteria, C(1), MN(1)},
    {17, "最小间距", "z_zxjj", P::Regular4, false, "最小间距：", K::Tiles, C(1), C(5)},
    {18, "高尾个数", "z_gwgs", P::Regular4, false, "高尾个数：", K::Tiles, C(0), N(0)},
    {19, "奇号连续", "z_jhlx", P::Regular4, false, "奇号连续：", K::Tiles, C(0), N(-1)},
    {20, "偶号连续", "z_ohlx", P::Regular4, false, "偶号连续：", K::Tiles, C(0), N(-1)},
    {21, "质号连续", "z_zhlx", P::Regular4, false, "质号连续：", K::Tiles, C(0), N(-1)},
    {22, "合号连续", "z_hhlx", P::Regular4, false, "合号连续：", K::Tiles, C(0), N(-1)},
    {23, "最大升序连号", "z_maxlh", P::Regular4, false, "最大升序连号：", K::Tiles, C(1), N(0)},
    // 振幅系列一
    {42, "主号一振幅", "z_num1zf", P::Amplitude1, false, "红号一振幅：", K::TilesWithCriteria, C(0), C(27)},
    {43, "主号二振幅", "z_num2zf", P::Amplitude1, false, "红号二振幅：", K::TilesWithCriteria, C(0), C(27)},
    {44, "主号三振幅", "z_num3zf", P::Amplitude1, false, "红号三振幅：", K::TilesWithCriteria, C(0), C(27)},
    {45, "主号四振幅", "z_num4zf", P::Amplitude1, false, "红号四振幅：", K::TilesWithCriteria, C(0), C(27)},
    {46, "主号五振幅", "z_num5zf", P::Amplitude1, false, "红号五振幅：", K::TilesWithCriteria, C(0), C(27)},
    {47, "红号六振幅", "z_num6zf", P::Amplitude1, true, "红号六振幅：", K::TilesWithCriteria, C(0), C(27)},
    {48, "红号七振幅", "z_num7zf", P::Amplitude1, true, "红号七振幅：", K::TilesWithCriteria, C(0), M(-6)},
    // 振幅系列二
    {49, "和值振幅", "z_hzzf", P::Amplitude2, false, "和值振幅：", K::TilesWithCriteria, C(0), C(100)},
    {50, "尾和振幅", "z_whzf", P::Amplitude2, false, "尾和振幅：", K::TilesWithCriteria, C(0), C(44)},
    {51, "遗和振幅", "z_ylhzzf", P::Amplitude2, false, "遗和振幅：", K::TilesWithCriteria, C(0), C(80)},
    // 线和
    {67, "和值2_1", "xh21", P::LineSum, false, "和值2_1：", K::TilesWithCriteria, C(3), M2(-1)},
    {68, "和值3_2", "xh32", P::LineSum, false, "和值3_2：", K::TilesWithCriteria, C(3), M2(-1)},
    {69, "和值4_3", "xh43", P::LineSum, false, "和值4_3：", K::TilesWithCriteria, C(3), M2(-1)},
    {70, "和值5_4", "xh54", P::LineSum, false, "和值5_4：", K::TilesWithCriteria, C(3), M2(-1)},
    {71, "和值6_5", "xh65", P::LineSum, true, "和值6_5：", K::TilesWithCriteria, C(3), M2(-1)},
    {72, "和值7_6", "xh76", P::LineSum, true, "和值7_6：", K::TilesWithCriteria, C(3), M2(-1)},
    {73, "和值3_1", "xh31", P::LineSum, false, "和值3_1：", K::TilesWithCriteria, C(3), M2(-2)},
    {74, "和值4_2", "xh42", P::LineSum, false, "和值4_2：", K::TilesWithCriteria, C(3), M2(-2)},
    {75, "和值5_3", "xh53", P::LineSum, false, "和值5_3：", K::TilesWithCriteria, C(3), M2(-2)},
    {76, "和值6_4", "xh64", P::LineSum, true, "和值6_4：", K::TilesWithCriteria, C(3), M2(-2)},
    {77, "和值7_5", "xh75", P::LineSum, true, "和值7_5：", K::TilesWithCriteria, C(3), M2(-2)},
    {78, "和值4_1", "xh41", P::LineSum, false, "和值4_1：", K::TilesWithCriteria, C(3), M2(-3)},
    {79, "和值5_2", "xh52", P::LineSum, false, "和值5_2：", K::TilesWithCriteria, C(3), M2(-3)},
    {80, "和值6_3", "xh63", P::LineSum, true, "和值6_3：", K::TilesWithCriteria, C(3), M2(-3)},
    {81, "和值7_4", "xh74", P::LineSum, true, "和值7_4：", K::TilesWithCriteria, C(3), M2(-3)},
    {82, "和值5_1", "xh51", P::LineSum, false, "和值5_1：", K::TilesWithCriteria, C(3), M2(-4)},
    {83, "和值6_2", "xh62", P::LineSum, true, "和值6_2：", K::TilesWithCriteria, C(3), M2(-4)},
    {84, "和值6_1", "xh61", P::LineSum, true, "和值6_1：", K::TilesWithCriteria, C(3), M2(-4)},
    {85, "和值7_3", "xh73", P::LineSum, true, "和值7_3：", K::TilesWithCriteria, C(3), M2(-4)},
    {86, "和值7_2", "xh72", P::LineSum, true, "和值7_2：", K::TilesWithCriteria, C(3), M2(-4)},
    {87, "和值7_1", "xh71", P::LineSum, true, "和值7_1：", K::TilesWithCriteria, C(3), M2(-4)},
    // 线差
    {28, "差值2_1", "xc21", P::LineDiff, false, "差值2_1：", K::TilesWithCriteria, C(1), C(28)},
    {29, "差值3_2", "xc32", P::LineDiff, false, "差值3_2：", K::TilesWithCriteria, C(1), M(-5)},
    {30, "差值4_3", "xc43", P::LineDiff, false, "差值4_3：", K::TilesWithCriteria, C(1), M(-5)},
    {31, "差值5_4", "xc54", P::LineDiff, false, "差值5_4：", K::TilesWithCriteria, C(1), M(-5)},
    {32, "差值6_5", "xc65", P::LineDiff, true, "差值6_5：", K::TilesWithCriteria, C(1), M(-5)},
    {33, "差值7_6", "xc76", P::LineDiff, true, "差值7_6：", K::TilesWithCriteria, C(1), M(-5)},
    {52, "差值3_1", "xc31", P::LineDiff, false, "差值3_1：", K::TilesWithCriteria, C(1), C(32)},
    {53, "差值4_2", "xc42", P::LineDiff, false, "差值4_2：", K::TilesWithCriteria, C(1), C(32)},
    {54, "差值5_3", "xc53", P::LineDiff, false, "差值5_3：", K::TilesWithCriteria, C(1), C(32)},
    {55, "差值6_4", "xc64", P::LineDiff, true, "差值6_4：", K::TilesWithCriteria, C(1), M(0)},
    {56, "差值7_5", "xc75", P::LineDiff, true, "差值7_5：", K::TilesWithCriteria, C(1), M(0)},
    {57, "差值4_1", "xc41", P::LineDiff, false, "差值4_1：", K::TilesWithCriteria, C(1), C(32)},
    {58, "差值5_2", "xc52", P::LineDiff, false, "差值5_2：", K::TilesWithCriteria, C(1), C(32)},
    {59, "差值6_3", "xc63", P::LineDiff, true, "差值6_3：", K::TilesWithCriteria, C(1), M(0)},
    {60, "差值7_4", "xc74", P::LineDiff, true, "差值7_4：", K::TilesWithCriteria, C(1), M(0)},
    {61, "差值5_1", "xc51", P::LineDiff, false, "差值5_1：", K::TilesWithCriteria, C(1), C(32)},
    {62, "差值6_2", "xc62", P::LineDiff, true, "差值6_2：", K::TilesWithCriteria, C(1), M(0)},
    {63, "差值6_1", "xc61", P::LineDiff, true, "差值6_1：", K::TilesWithCriteria, C(1), M(0)},
    {64, "差值7_3", "xc73", P::LineDiff, true, "差值7_3：", K::TilesWithCriteria, C(1), M(0)},
    {65, "差值7_2", "xc72", P::LineDiff, true, "差值7_2：", K::TilesWithCriteria, C(1), M(0)},
    {66, "差值7_1", "xc71", P::LineDiff, true, "差值7_1：", K::TilesWithCriteria, C(1), M(0)},
    // 余数
    {11, "除三余0个数", "z_c3y0", P::Remainder, false, "除3余0个数：", K::Tiles, C(0), N(0)},
    {12, "除三余1个数", "z_c3y1", P::Remainder, false, "除3余1个数：", K::Tiles, C(0), N(0)},
    {13, "除三余2个数", "z_c3y2", P::Remainder, false, "除3余2个数：", K::Tiles, C(0), N(0)},
    {112, "除四余0个数", "z_c4y0", P::Remainder, false, "除4余0个数：", K::Tiles, C(0), C(6)},
    {113, "除四余1个数", "z_c4y1", P::Remainder, false, "除4余1个数：", K::Tiles, C(0), C(6)},
    {114, "除四余2个数", "z_c4y2", P::Remainder, false, "除4余2个数：", K::Tiles, C(0), C(6)},
    {115, "除四余3个数", "z_c4y3", P::Remainder, false, "除4余3个数：", K::Tiles, C(0), C(6)},
    {116, "除五余0个数", "z_c5y0", P::Remainder, false, "除5余0个数：", K::Tiles, C(0), C(6)},
    {117, "除五余1个数", "z_c5y1", P::Remainder, false, "除5余1个数：", K::Tiles, C(0), C(6)},
    {118, "除五余2个数", "z_c5y2", P::Remainder, false, "除5余2个数：", K::Tiles, C(0), C(6)},
    {119, "除五余3个数", "z_c5y3", P::Remainder, false, "除5余3个数：", K::Tiles, C(0), C(6)},
    {120, "除五余4个数", "z_c5y4", P::Remainder, false, "除5余4个数：", K::Tiles, C(0), C(6)},
    // 和值系列一
    {25, "和值", "z_hz", P::Sum1, false, "和值：", K::TilesWithCriteria, C(40), C(160)},
    {26, "尾和", "z_wh", P::Sum1, false, "尾和：", K::TilesWithCriteria, C(3), C(50)},
    {95, "和尾", "z_hw", P::Sum1, false, "和尾：", K::TilesWithCriteria, C(0), C(9)},
    {96, "奇数和", "z_jshe", P::Sum1, false, "奇数和：", K::TilesWithCriteria, C(0), C(160)},
    {97, "偶数和", "z_oshe", P::Sum1, false, "偶数和：", K::TilesWithCriteria, C(0), C(160)},
    {98, "质数和", "z_zshe", P::Sum1, false, "质数和：", K::TilesWithCriteria, C(0), C(160)},
    {99, "合数和", "z_hshe", P::Sum1, false, "合数和：", K::TilesWithCriteria, C(0), C(160)},
    {24, "高尾和", "z_gwhe", P::Sum1, false, "高尾和：", K::TilesWithCriteria, C(0), C(50)},
    // 和值系列二
    {100, "大小区大数和", "z_dxqdshe", P::Sum2, false, "大小区大数和：", K::TilesWithCriteria, C(0), C(160)},
    {101, "大小区小数和", "z_dxqxshe", P::Sum2, false, "大小区小数和：", K::TilesWithCriteria, C(0), C(160)},
    {102, "大中小区大数和", "z_dzxqdshe", P::Sum2, false, "大中小区大数和：", K::TilesWithCriteria, C(0), C(160)},
    {103, "大中小区中数和", "z_dzxqzshe", P::Sum2, false, "大中小区中数和：", K::TilesWithCriteria, C(0), C(160)},
    {104, "大中小区小数和", "z_dzxqxshe", P::Sum2, false, "大中小区小数和：", K::TilesWithCriteria, C(0), C(160)},
    {105, "除三余数和", "z_c3yshe", P::Sum2, false, "除3余数和：", K::TilesWithCriteria, C(0), C(12)},
    {106, "除四余数和", "z_c4yshe", P::Sum2, false, "除4余数和：", K::TilesWithCriteria, C(0), C(18)},
    {107, "除五余数和", "z_c5yshe", P::Sum2, false, "除5余数和：", K::TilesWithCriteria, C(0), C(24)},
    // 和值系列三
    {108, "0路和", "z_0lhe", P::Sum3, false, "0路和：", K::TilesWithCriteria, C(0), C(160)},
    {109, "1路和", "z_1lhe", P::Sum3, false, "1路和：", K::TilesWithCriteria, C(0), C(160)},
    {110, "2路和", "z_2lhe", P::Sum3, false, "2路和：", K::TilesWithCriteria, C(0), C(160)},
    // 遗漏系列一
    {121, "主号一遗漏", "z_num1yl", P::Omission1, false, "红号一遗漏：", K::CheckList, C(0), C(200)},
    {122, "主号二遗漏", "z_num2yl", P::Omission1, false, "红号二遗漏：", K::CheckList, C(0), C(200)},
    {123, "主号三遗漏", "z_num3yl", P::Omission1, false, "红号三遗漏：", K::CheckList, C(0), C(200)},
    {124, "主号四遗漏", "z_num4yl", P::Omission1, false, "红号四遗漏：", K::CheckList, C(0), C(200)},
    {125, "主号五遗漏", "z_num5yl", P::Omission1, false, "红号五遗漏：", K::CheckList, C(0), C(200)},
    {126, "红号六遗漏", "z_num6yl", P::Omission1, true, "红号六遗漏：", K::CheckList, C(0), C(200)},
    {127, "主号七遗漏", "z_num7yl", P::Omission1, true, "红号七遗漏：", K::CheckList, C(0), C(200)},
    // 遗漏系列二
    {27, "遗漏和值", "z_ylhz", P::Omission2, false, "遗漏和值：", K::CheckList, C(0), C(100)},
    {130, "平均值遗漏", "z_averyl", P::Omission2, false, "平均值遗漏：", K::CheckList, C(0), C(200)},
    {131, "和值遗漏", "z_hzyl", P::Omission2, false, "和值遗漏：", K::CheckList, C(0), C(700)},
    {132, "和尾遗漏", "z_hwyl", P::Omission2, false, "和尾遗漏：", K::CheckList, C(0), C(100)},
    {133, "尾和遗漏", "z_whyl", P::Omission2, false, "尾和遗漏：", K::CheckList, C(0), C(200)},
    {128, "偏度遗漏", "z_pdyl", P::Omission2, false, "偏度遗漏：", K::CheckList, C(0), C(200)},
    {129, "散度遗漏", "z_sdyl", P::Omission2, false, "散度遗漏：", K::CheckList, C(0), C(200)},
};

// Row index by id, built once from the table.
struct IdIndex {
    std::array<int16_t, kMaxListConditionId + 1> row{};
    IdIndex() {
        row.fill(-1);
        for (std::size_t i = 0; i < std::size(kTable); ++i) row[kTable[i].id] = static_cast<int16_t>(i);
    }
};

}  // namespace

int ConditionInfo::lineGap() const {
    std::string_view code = IndicatorCode;
    if (code.size() != 4 || (code.substr(0, 2) != "xh" && code.substr(0, 2) != "xc")) return 0;
    const int gap = (code[2] - '0') - (code[3] - '0');
    return gap > 4 ? 4 : gap;
}

std::span<const ConditionInfo> conditionTable() { return kTable; }

const ConditionInfo* findCondition(int id) {
    static const IdIndex index;
    if (id < 0 || id > kMaxListConditionId || index.row[id] < 0) return nullptr;
    return &kTable[index.row[id]];
}

const ConditionInfo* findConditionByCode(std::string_view code) {
    if (code.empty()) return nullptr;
    for (const auto& row : kTable)
        if (code == row.IndicatorCode) return &row;
    return nullptr;
}

}  // namespace qorvel
