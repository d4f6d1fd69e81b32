#include "engine/indicator_catalogue.h"

#include <array>

#include "types/workspace.h"

namespace qorvel {
namespace {

using K = IndicatorKernel;
using S = DerivedSeries;

constexpr RangeForm F(int32_t v) {
    return {RangeTerm::Fixed, v};
}
constexpr RangeForm N(int32_t offset = 0) {
    return {RangeTerm::MainCount, offset};
}
constexpr RangeForm MX(int32_t offset = 0) {
    return {RangeTerm::MainTo, offset};
}
constexpr RangeForm SMX(int32_t offset = 0) {
    return {RangeTerm::SpecialTo, offset};
}
constexpr RangeForm NMX() {
    return {RangeTerm::MainCountMax, 0};
}
constexpr RangeForm MX2(int32_t offset = 0) {
    return {RangeTerm::TwiceMainTo, offset};
}
constexpr int16_t Sum(MainSumKind kind) {
    return static_cast<int16_t>(kind);
}

// The catalogue in its fixed order. The line codes of the seventh number carry 3..2·MAX−1 (sums) and
// 1..MAX−1 (differences), the widest values two numbers of the range can give.
constexpr CatalogueEntry kCatalogue[] = {
    // Line sums and differences
    {"xh21", "线和2_1", F(3), F(65), K::LineSum, 21},
    {"xh32", "线和3_2", F(3), F(65), K::LineSum, 32},
    {"xh43", "线和4_3", F(3), F(65), K::LineSum, 43},
    {"xh54", "线和5_4", F(3), F(65), K::LineSum, 54},
    {"xh65", "线和6_5", F(3), F(65), K::LineSum, 65},
    {"xh31", "线和3_1", F(3), F(65), K::LineSum, 31},
    {"xh42", "线和4_2", F(3), F(65), K::LineSum, 42},
    {"xh53", "线和5_3", F(3), F(65), K::LineSum, 53},
    {"xh64", "线和6_4", F(3), F(65), K::LineSum, 64},
    {"xh41", "线和4_1", F(3), F(65), K::LineSum, 41},
    {"xh52", "线和5_2", F(3), F(65), K::LineSum, 52},
    {"xh63", "线和6_3", F(3), F(65), K::LineSum, 63},
    {"xh51", "线和5_1", F(3), F(65), K::LineSum, 51},
    {"xh62", "线和6_2", F(3), F(65), K::LineSum, 62},
    {"xh61", "线和6_1", F(3), F(65), K::LineSum, 61},
    {"xh76", "线和7_6", F(3), MX2(-1), K::LineSum, 76},
    {"xh75", "线和7_5", F(3), MX2(-1), K::LineSum, 75},
    {"xh74", "线和7_4", F(3), MX2(-1), K::LineSum, 74},
    {"xh73", "线和7_3", F(3), MX2(-1), K::LineSum, 73},
    {"xh72", "线和7_2", F(3), MX2(-1), K::LineSum, 72},
    {"xh71", "线和7_1", F(3), MX2(-1), K::LineSum, 71},
    {"xc21", "线差2_1", F(1), F(32), K::LineDifference, 21},
    {"xc32", "线差3_2", F(1), F(32), K::LineDifference, 32},
    {"xc43", "线差4_3", F(1), F(32), K::LineDifference, 43},
    {"xc54", "线差5_4", F(1), F(32), K::LineDifference, 54},
    {"xc65", "线差6_5", F(1), F(32), K::LineDifference, 65},
    {"xc31", "线差3_1", F(1), F(32), K::LineDifference, 31},
    {"xc42", "线差4_2", F(1), F(32), K::LineDifference, 42},
    {"xc53", "线差5_3", F(1), F(32), K::LineDifference, 53},
    {"xc64", "线差6_4", F(1), F(32), K::LineDifference, 64},
    {"xc41", "线差4_1", F(1), F(32), K::LineDifference, 41},
    {"xc52", "线差5_2", F(1), F(32), K::LineDifference, 52},
    {"xc63", "线差6_3", F(1), F(32), K::LineDifference, 63},
    {"xc51", "线差5_1", F(1), F(32), K::LineDifference, 51},
    {"xc62", "线差6_2", F(1), F(32), K::LineDifference, 62},
    {"xc61", "线差6_1", F(1), F(32), K::LineDifference, 61},
    {"xc76", "线差7_6", F(1), MX(-1), K::LineDifference, 76},
    {"xc75", "线差7_5", F(1), MX(-1), K::LineDifference, 75},
    {"xc74", "线差7_4", F(1), MX(-1), K::LineDifference, 74},
    {"xc73", "线差7_3", F(1), MX(-1), K::LineDifference, 73},
    {"xc72", "线差7_2", F(1), MX(-1), K::LineDifference, 72},
    {"xc71", "线差7_1", F(1), MX(-1), K::LineDifference, 71},
    {"f_hz", "副区和值", F(3), F(23), K::SpecialSum, 0},
    {"f_cz", "副区差值", F(1), F(11), K::SpecialDifference, 0},
    // Line amplitudes
    {"xh21zf", "线和2_1振幅", F(0), F(65), K::LineSum, 21, S::Amplitude},
    {"xh32zf", "线和3_2振幅", F(0), F(65), K::LineSum, 32, S::Amplitude},
    {"xh43zf", "线和4_3振幅", F(0), F(65), K::LineSum, 43, S::Amplitude},
    {"xh54zf", "线和5_4振幅", F(0), F(65), K::LineSum, 54, S::Amplitude},
    {"xh65zf", "线和6_5振幅", F(0), F(65), K::LineSum, 65, S::Amplitude},
    {"xh31zf", "线和3_1振幅", F(0), F(65), K::LineSum, 31, S::Amplitude},
    {"xh42zf", "线和4_2振幅", F(0), F(65), K::LineSum, 42, S::Amplitude},
    {"xh53zf", "线和5_3振幅", F(0), F(65), K::LineSum, 53, S::Amplitude},
    {"xh64zf", "线和6_4振幅", F(0), F(65), K::LineSum, 64, S::Amplitude},
    {"xh41zf", "线和4_1振幅", F(0), F(65), K::LineSum, 41, S::Amplitude},
    {"xh52zf", "线和5_2振幅", F(0), F(65), K::LineSum, 52, S::Amplitude},
    {"xh63zf", "线和6_3振幅", F(0), F(65), K::LineSum, 63, S::Amplitude},
    {"xh51zf", "线和5_1振幅", F(0), F(65), K::LineSum, 51, S::Amplitude},
    {"xh62zf", "线和6_2振幅", F(0), F(65), K::LineSum, 62, S::Amplitude},
    {"xh61zf", "线和6_1(极和)振幅", F(0), F(65), K::LineSum, 61, S::Amplitude},
    {"xc21zf", "线差2_1振幅", F(0), F(32), K::LineDifference, 21, S::Amplitude},
    {"xc32zf", "线差3_2振幅", F(0), F(32), K::LineDifference, 32, S::Amplitude},
    {"xc43zf", "线差4_3振幅", F(0), F(32), K::LineDifference, 43, S::Amplitude},
    {"xc54zf", "线差5_4振幅", F(0), F(32), K::LineDifference, 54, S::Amplitude},
    {"xc65zf", "线差6_5振幅", F(0), F(32), K::LineDifference, 65, S::Amplitude},
    {"xc31zf", "线差3_1振幅", F(0), F(32), K::LineDifference, 31, S::Amplitude},
    {"xc42zf", "线差4_2振幅", F(0), F(32), K::LineDifference, 42, S::Amplitude},
    {"xc53zf", "线差5_3振幅", F(0), F(32), K::LineDifference, 53, S::Amplitude},
    {"xc64zf", "线差6_4振幅", F(0), F(32), K::LineDifference, 64, S::Amplitude},
    {"xc41zf", "线差4_1振幅", F(0), F(32), K::LineDifference, 41, S::Amplitude},
    {"xc52zf", "线差5_2振幅", F(0), F(32), K::LineDifference, 52, S::Amplitude},
    {"xc63zf", "线差6_3振幅", F(0), F(32), K::LineDifference, 63, S::Amplitude},
    {"xc51zf", "线差5_1振幅", F(0), F(32), K::LineDifference, 51, S::Amplitude},
    {"xc62zf", "线差6_2振幅", F(0), F(32), K::LineDifference, 62, S::Amplitude},
    {"xc61zf", "线差6_1(极差)振幅", F(0), F(32), K::LineDifference, 61, S::Amplitude},
    {"f_hzzf", "副区和值振幅", F(0), F(23), K::SpecialSum, 0, S::Amplitude},
    {"f_czzf", "副区差值振幅", F(0), F(11), K::SpecialDifference, 0, S::Amplitude},
    // Main sums
    {"z_hz", "主区和值", F(30), F(180), K::MainSum, Sum(MainSumKind::Total)},
    {"z_hw", "主区和尾", F(0), F(9), K::MainSum, Sum(MainSumKind::SumTail)},
    {"z_wh", "主区尾和", F(5), F(60), K::MainSum, Sum(MainSumKind::TailSum)},
    {"z_jshe", "主区奇数和", F(0), F(150), K::MainSum, Sum(MainSumKind::Odd)},
    {"z_oshe", "主区偶数和", F(0), F(140), K::MainSum, Sum(MainSumKind::Even)},
    {"z_zshe", "主区质数和", F(0), F(150), K::MainSum, Sum(MainSumKind::Prime)},
    {"z_hshe", "主区合数和", F(0), F(160), K::MainSum, Sum(MainSumKind::NonPrime)},
    {"z_dxqdshe", "主区大小区大数和", F(0), F(150), K::MainSum, Sum(MainSumKind::AboveB2)},
    {"z_dxqxshe", "主区大小区小数和", F(0), F(80), K::MainSum, Sum(MainSumKind::UpToB2)},
    {"z_dzxqdshe", "主区大中小区大数和", F(0), F(150), K::MainSum, Sum(MainSumKind::ThirdZoneBig)},
    {"z_dzxqzshe", "主区大中小区中数和", F(0), F(120), K::MainSum, Sum(MainSumKind::ThirdZoneMiddle)},
    {"z_dzxqxshe", "主区大中小区小数和", F(0), F(80), K::MainSum, Sum(MainSumKind::ThirdZoneSmall)},
    {"z_c3yshe", "主区除三余数和", F(0), F(14), K::MainSum, Sum(MainSumKind::Remainder3)},
    {"z_c4yshe", "主区除四余数和", F(0), F(21), K::MainSum, Sum(MainSumKind::Remainder4)},
    {"z_c5yshe", "主区除五余数和", F(0), F(28), K::MainSum, Sum(MainSumKind::Remainder5)},
    {"z_0lhe", "主区0路和", F(0), F(160), K::MainSum, Sum(MainSumKind::Road0)},
    {"z_1lhe", "主区1路和", F(0), F(160), K::MainSum, Sum(MainSumKind::Road1)},
    {"z_2lhe", "主区2路和", F(0), F(160), K::MainSum, Sum(MainSumKind::Road2)},
    {"z_gwhe", "高尾和", F(0), F(50), K::MainSum, Sum(MainSumKind::HighTails)},
    // Small/big class sums
    {"z_xjhe", "小奇数和值", F(0), NMX(), K::MainSum, Sum(MainSumKind::SmallOdd)},
    {"z_djhe", "大奇数和值", F(0), NMX(), K::MainSum, Sum(MainSumKind::BigOdd)},
    {"z_xohe", "小偶数和值", F(0), NMX(), K::MainSum, Sum(MainSumKind::SmallEven)},
    {"z_dohe", "大偶数和值", F(0), NMX(), K::MainSum, Sum(MainSumKind::BigEven)},
    {"z_xzhe", "小质数和值", F(0), NMX(), K::MainSum, Sum(MainSumKind::SmallPrime)},
    {"z_dzhe", "大质数和值", F(0), NMX(), K::MainSum, Sum(MainSumKind::BigPrime)},
    {"z_xhhe", "小合数和值", F(0), NMX(), K::MainSum, Sum(MainSumKind::SmallComposite)},
    {"z_dhhe", "大合数和值", F(0), NMX(), K::MainSum, Sum(MainSumKind::BigComposite)},
    // Sum amplitudes
    {"z_hzzf", "主区和值振幅", F(0), F(180), K::MainSum, Sum(MainSumKind::Total), S::Amplitude},
    {"z_hwzf", "主区和尾振幅", F(0), F(9), K::MainSum, Sum(MainSumKind::SumTail), S::Amplitude},
    {"z_gwgszf", "主区高尾个数振幅", F(0), F(6), K::HighTailCount, 0, S::Amplitude},
    {"z_whzf", "主区尾和振幅", F(0), F(60), K::MainSum, Sum(MainSumKind::TailSum), S::Amplitude},
    {"z_jshezf", "主区奇数和振幅", F(0), F(150), K::MainSum, Sum(MainSumKind::Odd), S::Amplitude},
    {"z_oshezf", "主区偶数和振幅", F(0), F(140), K::MainSum, Sum(MainSumKind::Even), S::Amplitude},
    {"z_zshezf", "主区质数和振幅", F(0), F(150), K::MainSum, Sum(MainSumKind::Prime), S::Amplitude},
    {"z_hshezf", "主区合数和振幅", F(0), F(160), K::MainSum, Sum(MainSumKind::NonPrime), S::Amplitude},
    {"z_dxqdshezf", "主区大小区大数和振幅", F(0), F(150), K::MainSum, Sum(MainSumKind::AboveB2),
     S::Amplitude},
    {"z_dxqxshezf", "主区大小区小数和振幅", F(0), F(80), K::MainSum, Sum(MainSumKind::UpToB2), S::Amplitude},
    {"z_dzxqdshezf", "主区大中小区大数和振幅", F(0), F(150), K::MainSum, Sum(MainSumKind::ThirdZoneBig),
     S::Amplitude},
    {"z_dzxqzshezf", "主区大中小区中数和振幅", F(0), F(120), K::MainSum, Sum(MainSumKind::ThirdZoneMiddle),
     S::Amplitude},
    {"z_dzxqxshezf", "主区大中小区小数和振幅", F(0), F(80), K::MainSum, Sum(MainSumKind::ThirdZoneSmall),
     S::Amplitude},
    {"z_c3yshezf", "主区除三余数和振幅", F(0), F(14), K::MainSum, Sum(MainSumKind::Remainder3), S::Amplitude},
    {"z_c4yshezf", "主区除四余数和振幅", F(0), F(21), K::MainSum, Sum(MainSumKind::Remainder4), S::Amplitude},
    {"z_c5yshezf", "主区除五余数和振幅", F(0), F(28), K::MainSum, Sum(MainSumKind::Remainder5), S::Amplitude},
    {"z_0lhezf", "主区0路和振幅", F(0), F(160), K::MainSum, Sum(MainSumKind::Road0), S::Amplitude},
    {"z_1lhezf", "主区1路和振幅", F(0), F(160), K::MainSum, Sum(MainSumKind::Road1), S::Amplitude},
    {"z_2lhezf", "主区2路和振幅", F(0), F(160), K::MainSum, Sum(MainSumKind::Road2), S::Amplitude},
    // Positions and their tails
    {"z_num1", "红号一", F(1), MX(), K::Position, 1},
    {"z_num2", "红号二", F(1), MX(), K::Position, 2},
    {"z_num3", "红号三", F(1), MX(), K::Position, 3},
    {"z_num4", "红号四", F(1), MX(), K::Position, 4},
    {"z_num5", "红号五", F(1), MX(), K::Position, 5},
    {"z_num6", "红号六", F(1), MX(), K::Position, 6},
    {"z_num7", "红号七", F(1), MX(), K::Position, 7},
    {"z_num1_w", "红号一尾数", F(0), F(9), K::PositionTail, 1},
    {"z_num2_w", "红号二尾数", F(0), F(9), K::PositionTail, 2},
    {"z_num3_w", "红号三尾数", F(0), F(9), K::PositionTail, 3},
    {"z_num4_w", "红号四尾数", F(0), F(9), K::PositionTail, 4},
    {"z_num5_w", "红号五尾数", F(0), F(9), K::PositionTail, 5},
    {"z_num6_w", "红号六尾数", F(0), F(9), K::PositionTail, 6},
    {"z_num7_w", "红号七尾数", F(0), F(9), K::PositionTail, 7},
    // Special numbers
    {"f_num1", "副号一", F(1), SMX(), K::SpecialNumber, 1, S::None, NameForm::SpecialLabel},
    {"f_num2", "副号二", F(2), F(12), K::SpecialNumber, 2},
    // Shape
    {"z_pd", "主区偏度", F(0), F(24), K::Skew},
    {"z_sd", "主区散度", F(0), F(25), K::Spread},
    {"z_aver", "主区平均值", F(3), MX(-3), K::Average},
    {"z_dsgs", "主区大数个数", F(0), N(), K::BigCount},
    {"z_jsgs", "主区奇数个数", F(0), N(), K::OddCount},
    {"z_zsgs", "主区质数个数", F(0), N(), K::PrimeCount},
    {"z_cmgs", "主区重码个数", F(0), N(), K::RepeatCount},
    {"z_wzgs", "主区尾组个数", F(2), N(), K::TailGroupCount},
    {"z_lmzs", "主区连码组数", F(0), N(-1), K::ConsecutivePairs},
    {"z_nmzs", "主区邻码组数", F(0), N(), K::NeighbourCount},
    {"z_ac", "主区AC值", F(0), F(14), K::AcValue},
    {"z_zdjj", "主区最大邻位间距", F(1), MX(-1), K::LargestGap},
    {"z_zxjj", "主区最小邻位间距", F(1), F(5), K::SmallestGap},
    {"z_jjgs", "主区邻位间距个数", F(1), N(-1), K::GapKinds},
    {"z_gwgs", "高尾个数", F(0), N(), K::HighTailCount},
    {"z_jhlx", "奇号连续", F(0), N(-1), K::OddRun},
    {"z_ohlx", "偶号连续", F(0), N(-1), K::EvenRun},
    {"z_zhlx", "质号连续", F(0), N(-1), K::PrimeRun},
    {"z_hhlx", "合号连续", F(0), N(-1), K::NonPrimeRun},
    {"z_maxlh", "最大升序连号", F(1), N(), K::LongestRun},
    // Remainder counts
    {"z_c3y0", "除3余0个数", F(0), N(), K::RemainderCount, 30},
    {"z_c3y1", "除3余1个数", F(0), N(), K::RemainderCount, 31},
    {"z_c3y2", "除3余2个数", F(0), N(), K::RemainderCount, 32},
    {"z_c4y0", "除4余0个数", F(0), N(), K::RemainderCount, 40},
    {"z_c4y1", "除4余1个数", F(0), N(), K::RemainderCount, 41},
    {"z_c4y2", "除4余2个数", F(0), N(), K::RemainderCount, 42},
    {"z_c4y3", "除4余3个数", F(0), N(), K::RemainderCount, 43},
    {"z_c5y0", "除5余0个数", F(0), N(), K::RemainderCount, 50},
    {"z_c5y1", "除5余1个数", F(0), N(), K::RemainderCount, 51},
    {"z_c5y2", "除5余2个数", F(0), N(), K::RemainderCount, 52},
    {"z_c5y3", "除5余3个数", F(0), N(), K::RemainderCount, 53},
    {"z_c5y4", "除5余4个数", F(0), N(), K::RemainderCount, 54},
    // Zone and temperature counts
    {"z_3fq_1qgs", "三分区的一区个数", F(0), N(), K::ThirdZoneCount, 1},
    {"z_3fq_2qgs", "三分区的二区个数", F(0), N(), K::ThirdZoneCount, 2},
    {"z_3fq_3qgs", "三分区的三区个数", F(0), N(), K::ThirdZoneCount, 3},
    {"z_lwr_lmgs", "冷码个数", F(0), N(), K::Temperature, 0},
    {"z_lwr_wmgs", "温码个数", F(0), N(), K::Temperature, 1},
    {"z_lwr_rmgs", "热码个数", F(0), N(), K::Temperature, 2},
    // Special shape
    {"f_aver", "副区平均值", F(1), F(12), K::SpecialAverage},
    {"f_pd", "副区偏度", F(0), F(15), K::SpecialSkew},
    {"f_sd", "副区散度", F(0), F(16), K::SpecialSpread},
    // Position amplitudes
    {"z_num1zf", "红号一振幅", F(0), MX(), K::Position, 1, S::Amplitude},
    {"z_num2zf", "红号二振幅", F(0), MX(), K::Position, 2, S::Amplitude},
    {"z_num3zf", "红号三振幅", F(0), MX(), K::Position, 3, S::Amplitude},
    {"z_num4zf", "红号四振幅", F(0), MX(), K::Position, 4, S::Amplitude},
    {"z_num5zf", "红号五振幅", F(0), MX(), K::Position, 5, S::Amplitude},
    {"z_num6zf", "红号六振幅", F(0), MX(), K::Position, 6, S::Amplitude},
    {"z_num7zf", "红号七振幅", F(0), MX(), K::Position, 7, S::Amplitude},
    {"f_num1zf", "蓝号振幅", F(0), SMX(), K::SpecialNumber, 1, S::Amplitude},
    {"f_num2zf", "副号二振幅", F(0), F(12), K::SpecialNumber, 2, S::Amplitude},
    // Shape amplitudes
    {"z_pdzf", "主区偏度振幅", F(0), F(24), K::Skew, 0, S::Amplitude},
    {"z_sdzf", "主区散度振幅", F(0), F(25), K::Spread, 0, S::Amplitude},
    {"z_averzf", "主区平均值振幅", F(0), F(33), K::Average, 0, S::Amplitude},
    {"z_dsgszf", "主区大数个数振幅", F(0), N(), K::BigCount, 0, S::Amplitude},
    {"z_jsgszf", "主区奇数个数振幅", F(0), N(), K::OddCount, 0, S::Amplitude},
    {"z_zsgszf", "主区质数个数振幅", F(0), N(), K::PrimeCount, 0, S::Amplitude},
    {"z_cmgszf", "主区重码个数振幅", F(0), N(), K::RepeatCount, 0, S::Amplitude},
    {"z_wzgszf", "主区尾组个数振幅", F(0), N(), K::TailGroupCount, 0, S::Amplitude},
    {"z_nmzszf", "主区邻码组数振幅", F(0), N(), K::NeighbourCount, 0, S::Amplitude},
    {"z_lmzszf", "主区连码组数振幅", F(0), N(-1), K::ConsecutivePairs, 0, S::Amplitude},
    {"z_aczf", "主区AC值振幅", F(0), F(6), K::AcValue, 0, S::Amplitude},
    {"f_averzf", "副区平均值振幅", F(0), F(12), K::SpecialAverage, 0, S::Amplitude},
    {"f_pdzf", "副区偏度振幅", F(0), F(15), K::SpecialSkew, 0, S::Amplitude},
    {"f_sdzf", "副区散度振幅", F(0), F(16), K::SpecialSpread, 0, S::Amplitude},
    // Omissions
    {"z_num1yl", "红号一遗漏", F(0), F(150), K::Position, 1, S::Omission},
    {"z_num2yl", "红号二遗漏", F(0), F(150), K::Position, 2, S::Omission},
    {"z_num3yl", "红号三遗漏", F(0), F(150), K::Position, 3, S::Omission},
    {"z_num4yl", "红号四遗漏", F(0), F(150), K::Position, 4, S::Omission},
    {"z_num5yl", "红号五遗漏", F(0), F(150), K::Position, 5, S::Omission},
    {"z_num6yl", "红号六遗漏", F(0), F(150), K::Position, 6, S::Omission},
    {"z_num7yl", "红号七遗漏", F(0), F(150), K::Position, 7, S::Omission},
    {"z_num1yl_toall", "红号一全局遗漏", F(0), F(150), K::GlobalOmission, 1},
    {"z_num2yl_toall", "红号二全局遗漏", F(0), F(150), K::GlobalOmission, 2},
    {"z_num3yl_toall", "红号三全局遗漏", F(0), F(150), K::GlobalOmission, 3},
    {"z_num4yl_toall", "红号四全局遗漏", F(0), F(150), K::GlobalOmission, 4},
    {"z_num5yl_toall", "红号五全局遗漏", F(0), F(150), K::GlobalOmission, 5},
    {"z_num6yl_toall", "红号六全局遗漏", F(0), F(150), K::GlobalOmission, 6},
    {"z_num7yl_toall", "红号七全局遗漏", F(0), F(150), K::GlobalOmission, 7},
    {"z_pdyl", "主区偏度遗漏", F(0), F(150), K::Skew, 0, S::Omission},
    {"z_sdyl", "主区散度遗漏", F(0), F(150), K::Spread, 0, S::Omission},
    {"z_averyl", "主区均值遗漏", F(0), F(150), K::Average, 0, S::Omission},
    {"z_hzyl", "主区和值遗漏", F(0), F(500), K::MainSum, Sum(MainSumKind::Total), S::Omission},
    {"z_whyl", "主区尾和遗漏", F(0), F(150), K::MainSum, Sum(MainSumKind::TailSum), S::Omission},
    {"z_hwyl", "主区和尾遗漏", F(0), F(50), K::MainSum, Sum(MainSumKind::SumTail), S::Omission},
    {"z_ylhz", "主区遗漏和值", F(0), F(100), K::GlobalOmissionSum},
    {"f_num1yl", "蓝号遗漏", F(0), F(150), K::SpecialNumber, 1, S::Omission},
    {"f_num2yl", "副号二遗漏", F(0), F(150), K::SpecialNumber, 2, S::Omission},
    // Omission amplitudes
    {"z_num1ylzf", "红号一遗漏振幅", F(0), F(150), K::Position, 1, S::OmissionAmplitude},
    {"z_num2ylzf", "红号二遗漏振幅", F(0), F(150), K::Position, 2, S::OmissionAmplitude},
    {"z_num3ylzf", "红号三遗漏振幅", F(0), F(150), K::Position, 3, S::OmissionAmplitude},
    {"z_num4ylzf", "红号四遗漏振幅", F(0), F(150), K::Position, 4, S::OmissionAmplitude},
    {"z_num5ylzf", "红号五遗漏振幅", F(0), F(150), K::Position, 5, S::OmissionAmplitude},
    {"z_pdylzf", "主区偏度遗漏振幅", F(0), F(150), K::Skew, 0, S::OmissionAmplitude},
    {"z_sdylzf", "主区散度遗漏振幅", F(0), F(150), K::Spread, 0, S::OmissionAmplitude},
    {"z_averylzf", "主区均值遗漏振幅", F(0), F(150), K::Average, 0, S::OmissionAmplitude},
    {"z_hzylzf", "主区和值遗漏振幅", F(0), F(500), K::MainSum, Sum(MainSumKind::Total), S::OmissionAmplitude},
    {"z_whylzf", "主区尾和遗漏振幅", F(0), F(150), K::MainSum, Sum(MainSumKind::TailSum),
     S::OmissionAmplitude},
    {"z_hwylzf", "主区和尾遗漏振幅", F(0), F(50), K::MainSum, Sum(MainSumKind::SumTail),
     S::OmissionAmplitude},
    {"z_ylhzzf", "遗漏和值振幅", F(0), F(100), K::GlobalOmissionSum, 0, S::Amplitude},
    {"f_num1ylzf", "蓝号遗漏振幅", F(0), F(150), K::SpecialNumber, 1, S::OmissionAmplitude},
    {"f_num2ylzf", "副号二遗漏振幅", F(0), F(150), K::SpecialNumber, 2, S::OmissionAmplitude},
};

static_assert(std::size(kCatalogue) == kCatalogueCodeCount);

// Open-addressing hash of the codes, so a lookup costs one hash and usually one comparison.
class CodeIndex {
  public:
    CodeIndex() {
        for (std::size_t i = 0; i < std::size(kCatalogue); ++i) {
            std::size_t slot = hash(kCatalogue[i].code) & kMask;
            while (slots_[slot] != 0) slot = (slot + 1) & kMask;
            slots_[slot] = static_cast<uint16_t>(i + 1);
        }
    }

    const CatalogueEntry* find(std::string_view code) const {
        for (std::size_t slot = hash(code) & kMask; slots_[slot] != 0; slot = (slot + 1) & kMask) {
            const CatalogueEntry& entry = kCatalogue[slots_[slot] - 1];
            if (entry.code == code) return &entry;
        }
        return nullptr;
    }

  private:
    static constexpr std::size_t kSlots = 1024;  // a power of two, over four times the code count
    static constexpr std::size_t kMask = kSlots - 1;
    static_assert(kSlots >= 4 * std::size(kCatalogue));

    static uint32_t hash(std::string_view text) {
        uint32_t h = 2166136261u;  // FNV-1a
        for (char c : text) h = (h ^ static_cast<unsigned char>(c)) * 16777619u;
        return h;
    }

    std::array<uint16_t, kSlots> slots_{};
};

}  // namespace

std::span<const CatalogueEntry> indicatorCatalogue() {
    return kCatalogue;
}

const CatalogueEntry* findCatalogueEntry(std::string_view code) {
    static const CodeIndex index;
    return index.find(code);
}

int32_t rangeValue(const RangeForm& form, const TypeParams& params) {
    switch (form.term) {
        case RangeTerm::Fixed:
            return form.offset;
        case RangeTerm::MainCount:
            return params.MainCount + form.offset;
        case RangeTerm::MainTo:
            return params.MainTo + form.offset;
        case RangeTerm::SpecialTo:
            return params.SpecialTo + form.offset;
        case RangeTerm::MainCountMax:
            return params.MainCount * params.MainTo + form.offset;
        case RangeTerm::TwiceMainTo:
            return 2 * params.MainTo + form.offset;
    }
    return form.offset;
}

std::string displayName(const CatalogueEntry& entry, std::string_view specialLabel) {
    if (entry.nameForm == NameForm::SpecialLabel && !specialLabel.empty() && specialLabel != "副号")
        return std::string(specialLabel);
    return std::string(entry.name);
}

bool lookupIndicator(IndicatorInfo& info, std::string_view code, const TypeParams& params,
                     std::string_view specialLabel) {
    info.code = std::string(code);
    const CatalogueEntry* entry = findCatalogueEntry(code);
    if (!entry) return false;
    info.name = displayName(*entry, specialLabel);
    info.minimum = rangeValue(entry->minimum, params);
    info.maximum = rangeValue(entry->maximum, params);
    return true;
}

bool lookupIndicator(Workspace& ws, std::string_view code) {
    return lookupIndicator(ws.indicatorInfo, code, ws.params, ws.SpecialLabel());
}

}  // namespace qorvel
