#include "combos/ticket_kernel.h"

#include <gtest/gtest.h>

#include "combo_test_support.h"
#include "combos/fast_formula.h"

namespace qorvel {
namespace {

struct CodeValue {
    const char* code;
    int32_t value;
};

// Three draws before the ticket 02 08 12 20 25 31; every value below was worked out by hand from the
// indicator rules (see the comments for the history-dependent ones).
const std::vector<std::vector<int>> kThreeDraws = {
    {2003001, 1, 5, 10, 15, 20, 25, 4},
    {2003002, 3, 5, 12, 18, 27, 33, 7},
    {2003003, 2, 7, 12, 19, 27, 30, 9},
};
constexpr int32_t kTicket[] = {2, 8, 12, 20, 25, 31};

const CodeValue kAfterThreeDraws[] = {
    {"z_num1", 2}, {"z_num6", 31}, {"z_num7", 0}, {"xh21", 10}, {"xc21", 6}, {"xh61", 33}, {"xc61", 29},
    {"xh76", 31}, {"xc76", -31},
    {"z_dsgs", 3}, {"z_jsgs", 2}, {"z_zsgs", 2}, {"z_wzgs", 5}, {"z_lmzs", 0},
    {"z_cmgs", 2},   // 02 and 12 were in the last draw
    {"z_nmzs", 3},   // 08, 20, 31 have a neighbour (07, 19, 30) in the last draw
    {"z_3fq_1qgs", 2}, {"z_3fq_2qgs", 2}, {"z_3fq_3qgs", 2},
    {"z_ac", 8}, {"z_jjgs", 4}, {"z_zdjj", 8}, {"z_zxjj", 4}, {"z_gwgs", 2},
    {"z_jhlx", 1}, {"z_ohlx", 3}, {"z_zhlx", 0}, {"z_hhlx", 3}, {"z_maxlh", 1},
    {"z_lwr_lmgs", 4}, {"z_lwr_wmgs", 1}, {"z_lwr_rmgs", 1},  // period 2: 12 twice, 02 once
    {"z_pd", 2}, {"z_sd", 6}, {"z_aver", 16},
    {"z_num1zf", 0}, {"z_num2zf", 1}, {"z_num5zf", 2}, {"z_num6zf", 1},
    {"z_num7zf", 9},  // the seventh field of the last draw holds its special number 9
    {"z_hzzf", 1}, {"z_whzf", 9},
    {"z_ylhzzf", 2},  // 10 for the ticket against 8 for the last draw
    {"z_c3y0", 1}, {"z_c3y1", 2}, {"z_c3y2", 3}, {"z_c4y0", 3}, {"z_c4y1", 1}, {"z_c4y2", 1}, {"z_c4y3", 1},
    {"z_c5y0", 2}, {"z_c5y1", 1}, {"z_c5y2", 2}, {"z_c5y3", 1}, {"z_c5y4", 0},
    {"z_hz", 98}, {"z_wh", 18}, {"z_hw", 8}, {"z_jshe", 56}, {"z_oshe", 42}, {"z_zshe", 33}, {"z_hshe", 65},
    {"z_gwhe", 13}, {"z_dxqdshe", 76}, {"z_dxqxshe", 22}, {"z_dzxqdshe", 56}, {"z_dzxqzshe", 32},
    {"z_dzxqxshe", 10}, {"z_c3yshe", 8}, {"z_c4yshe", 6}, {"z_c5yshe", 8}, {"z_0lhe", 12}, {"z_1lhe", 56},
    {"z_2lhe", 30},
    {"z_num1yl", 0}, {"z_num2yl", 3}, {"z_num3yl", 0}, {"z_num4yl", 3}, {"z_num5yl", 3}, {"z_num6yl", 3},
    {"z_num7yl", 3},
    {"z_ylhz", 10},   // global omissions 0, 3, 0, 2, 2, 3
    {"z_averyl", 0}, {"z_hzyl", 1}, {"z_hwyl", 1}, {"z_whyl", 3},
    {"z_pdyl", 3},    // skews of the history 0, 8, 3
    {"z_sdyl", 1},    // spreads of the history 5, 6, 7
};

struct Prepared {
    std::unique_ptr<Workspace> ws;
    HistoryContext context;
};

Prepared prepare(const std::vector<std::vector<int>>& draws, ColdHotSettings coldHot) {
    Prepared p{testing::makeWorkspace(6, 33, draws), {}};
    p.ws->coldHot = coldHot;
    p.context.build(p.ws->MainStore, p.ws->params, p.ws->zones, p.ws->coldHot);
    return p;
}

int32_t valueOf(const char* code, const Ticket& t, const HistoryContext& c) {
    auto d = compileDirect(code, c);
    EXPECT_TRUE(d) << code;
    return d ? directValue(*d, t, c) : -999;
}

TEST(TicketKernel, ValuesAfterAShortHistory) {
    const Prepared p = prepare(kThreeDraws, ColdHotSettings{2, 0, 2, 20, 1, 5});
    const Ticket t = makeTicket(kTicket, 6);
    for (const auto& row : kAfterThreeDraws) EXPECT_EQ(valueOf(row.code, t, p.context), row.value) << row.code;
}

TEST(TicketKernel, FirstDrawOfAnEmptyHistory) {
    const Prepared p = prepare({}, ColdHotSettings{});
    const int32_t numbers[] = {1, 2, 10, 20, 21, 33};
    const Ticket t = makeTicket(numbers, 6);
    const CodeValue expected[] = {
        {"z_pd", 0}, {"z_cmgs", 0}, {"z_nmzs", 4},  // the ticket stands in for its own previous draw
        {"z_num1yl", 0}, {"z_hzyl", 0}, {"z_ylhz", 0}, {"z_pdyl", 0},
        {"z_hzzf", 87}, {"z_num1zf", 1}, {"z_ylhzzf", 0}, {"z_lwr_lmgs", 6}, {"z_lwr_rmgs", 0},
    };
    for (const auto& row : expected) EXPECT_EQ(valueOf(row.code, t, p.context), row.value) << row.code;
}

struct ShapeCase {
    std::vector<int32_t> numbers;
    CodeValue value;
};

TEST(TicketKernel, ShapeValuesOfSingleTickets) {
    const Prepared p = prepare({{2003001, 5, 10, 21, 22, 26, 33, 1}}, ColdHotSettings{});
    const ShapeCase cases[] = {
        {{4, 7, 11, 19, 23, 26}, {"z_ac", 4}},     {{4, 7, 11, 19, 23, 26}, {"z_hz", 90}},
        {{4, 7, 11, 19, 23, 26}, {"z_hw", 0}},     {{4, 7, 11, 19, 23, 26}, {"z_wh", 30}},
        {{4, 7, 11, 19, 23, 26}, {"z_dsgs", 3}},   {{4, 7, 11, 19, 23, 26}, {"z_lmzs", 0}},
        {{4, 7, 11, 19, 23, 26}, {"z_zdjj", 8}},   {{4, 7, 11, 19, 23, 26}, {"z_zxjj", 3}},
        {{4, 7, 11, 19, 23, 26}, {"z_jjgs", 3}},   {{1, 2, 4, 9, 15, 27}, {"z_zsgs", 2}},
        {{1, 2, 4, 9, 15, 27}, {"z_zhlx", 1}},     {{1, 2, 4, 9, 15, 27}, {"z_hhlx", 3}},
        {{1, 2, 3, 4, 5, 6}, {"z_aver", 4}},       {{1, 2, 3, 4, 5, 6}, {"z_maxlh", 6}},
        {{1, 2, 3, 4, 5, 6}, {"z_lmzs", 5}},       {{6, 8, 9, 14, 24, 33}, {"z_sd", 9}},
        {{6, 8, 9, 14, 24, 33}, {"z_pd", 4}},      // against the draw 05 10 21 22 26 33
        {{3, 4, 5, 20, 21, 33}, {"z_maxlh", 3}},
    };
    for (const auto& c : cases) {
        const Ticket t = makeTicket(c.numbers.data(), 6);
        EXPECT_EQ(valueOf(c.value.code, t, p.context), c.value.value) << c.value.code;
    }
}

TEST(TicketKernel, CodesWithoutADirectForm) {
    const Prepared p = prepare(kThreeDraws, ColdHotSettings{});
    for (const char* code : {"c_cz_1", "getzf(z_hz)", "z_hz ", "z_num8", "xh12", "xh88", "test", "f_num1"})
        EXPECT_FALSE(compileDirect(code, p.context)) << code;
}

struct FormulaCase {
    const char* formula;
    std::optional<int32_t> value;  // nothing: not computed directly
};

TEST(DirectFormulaTest, SimpleFormulasLeftToRight) {
    const Prepared p = prepare(kThreeDraws, ColdHotSettings{});
    const Ticket t = makeTicket(kTicket, 6);
    const FormulaCase compiled[] = {
        {"z_hz%3", 2}, {"z_num1+z_num2*10", 100}, {"1+2*3", 9}, {"10/3", 3}, {"7%3", 1}, {"3>2", 1},
        {"2=2&0", 0}, {"0#5", 1}, {"z_hz-100", -2}, {"0-7", -7}, {"65536*65536", 0}, {"65536&65536", 0},
        {"z_hz/0", std::nullopt},  // compiled, but left to the evaluator when it happens
    };
    for (const auto& c : compiled) {
        auto f = DirectFormula::compile(c.formula, p.context);
        ASSERT_TRUE(f) << c.formula;
        EXPECT_EQ(f->value(t, p.context), c.value) << c.formula;
    }
    for (const char* text : {"max(1,2)", "(z_hz)", "[-1]z_hz", "10!3", "-7", "z_hz 5", "xyz", "z_hz+", "", "3a"})
        EXPECT_FALSE(DirectFormula::compile(text, p.context)) << text;
}

}  // namespace
}  // namespace qorvel
