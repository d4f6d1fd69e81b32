// The three regular data tables on a three-draw history.
#include "views/data_tables.h"

#include <gtest/gtest.h>

#include "engine/engine_test_support.h"
#include "engine/indicators.h"

namespace qorvel {
namespace {

class DataTables : public ::testing::Test {
protected:
    void SetUp() override {
        ws = testing::workspaceWith({{2020001, 1, 2, 3, 11, 21, 33, 5},
                                     {2020002, 2, 4, 10, 12, 22, 32, 5},
                                     {2020003, 5, 6, 8, 9, 10, 20, 16}});
        ws->types.slots[0].MainLabel = "红号";
        ws->types.slots[0].SpecialLabel = "蓝号";
    }
    // The cell of row r (0-based) under a caption.
    std::string cell(const DataTable& t, int r, const std::string& caption) {
        for (std::size_t c = 0; c < t.header.size(); ++c)
            if (t.header[c] == caption) return t.rows[r][c];
        ADD_FAILURE() << "no column " << caption;
        return {};
    }
    std::unique_ptr<Workspace> ws;
};

TEST_F(DataTables, TableOneCells) {
    const DataTable t = buildDataTable(*ws, 1);
    ASSERT_EQ(t.rows.size(), 3u);
    EXPECT_EQ(std::vector<std::string>(t.header.begin(), t.header.begin() + 9),
              (std::vector<std::string>{"期数", "红号1", "红号2", "红号3", "红号4", "红号5", "红号6", "蓝号", "跨度"}));
    EXPECT_EQ(t.rows[0][1], "01");
    struct Case {
        int row;
        const char *caption, *text;
    } cases[] = {
        {1, "跨度", "30"},
        {1, "主区奇偶比", "0:6"},
        {1, "主区奇数号", ""},
        {1, "主区偶数号", "02,04,10,12,22,32,"},
        {1, "主区质合比", "1:5"},
        {1, "主区质数号", "02,"},
        {0, "主区质数号", "01,02,03,11,"},  // 1 counts as prime
        {1, "主区连续号", ""},
        {0, "主区连续号", "01,02,03"},
        {2, "主区连续号", "05,06 | 08,09,10"},
        {0, "主区同尾号", "01,11,21 | 03,33"},
        {1, "主区同尾号", "02,12,22,32"},
        {1, "主区邻位间距", "02,06,02,10,10,"},
        {1, "和值", "82"},
        {1, "和值012路", "1"},
        {1, "尾和", "12"},
        {1, "尾和012路", "0"},
        {0, "邻位号", ""},
        {1, "邻位号", "02,04,10,12,22,32,"},
        {2, "邻位号", "05,09,"},
        {1, "重复号数", "1"},
    };
    for (const auto& c : cases) EXPECT_EQ(cell(t, c.row, c.caption), c.text) << c.row << " " << c.caption;
}

TEST_F(DataTables, TableTwoRatios) {
    const DataTable t = buildDataTable(*ws, 2);
    const std::pair<const char*, const char*> cases[] = {
        {"小大比", "4:2"},       {"三区比", "4:1:1"},      {"五区比", "3:1:0:1:1"},  {"七区比", "3:0:1:0:1:0:1"},
        {"除三余数比", "3:1:2"}, {"除四余数比", "0:3:1:2"}, {"除五余数比", "0:3:1:2:0"},
    };
    for (auto [caption, text] : cases) EXPECT_EQ(cell(t, 0, caption), text) << caption;
}

TEST_F(DataTables, TableThreeTemperaturesBeforeAndAfterTheDraw) {
    ws->coldHot = ColdHotSettings{1, 0, 1, 1, 0, 1};  // a window of one draw: drawn = hot, else cold
    const DataTable t = buildDataTable(*ws, 3);
    EXPECT_EQ(cell(t, 0, "冷温热比"), "0:0:6");  // the first draw by its own classification
    EXPECT_EQ(cell(t, 1, "冷温热比"), "5:0:1");  // only 02 came in the draw before
    EXPECT_EQ(cell(t, 1, "本期开奖热号"), "02,");
    EXPECT_EQ(cell(t, 1, "本期开奖冷号"), "04,10,12,22,32,");
    EXPECT_EQ(cell(t, 1, "本期开奖温号"), "");
    const std::string next = cell(t, 1, "下期冷温热号");
    EXPECT_EQ(next.rfind("冷号：01,03,05,", 0), 0u) << next;
    EXPECT_TRUE(next.ends_with(" 温号： 热号：02,04,10,12,22,32,")) << next;
    EXPECT_EQ(cell(t, 1, "蓝号冷温热比"), "0:0:1");
    EXPECT_EQ(cell(t, 2, "蓝号本期开奖冷号"), "16,");
}

TEST_F(DataTables, SpecialColumnsOfTableThreeWithoutSpecialNumbers) {
    ws->params = TypeParams{6, 0, 1, 33, 1, 16, false};
    const DataTable t = buildDataTable(*ws, 3);
    EXPECT_EQ(t.header[7], "冷温热比");  // no special number column
    EXPECT_EQ(cell(t, 0, "蓝号冷温热比"), "0:0:0");
    EXPECT_TRUE(buildDataTable(*ws, 4).header.empty());
}

TEST(DataTableTemperatures, AgreeWithTheTemperatureIndicatorsAfterTheFirstDraw) {
    auto ws = testing::sampleWorkspace(300);
    const DataTable t = buildDataTable(*ws, 3);
    std::size_t column = 0;
    while (t.header[column] != "冷温热比") ++column;
    for (int r = 2; r <= ws->MainStore.Count(); ++r) {
        ws->MainStore.SetRecNo(r);
        const std::string expected = std::to_string(indicatorValue(*ws, "z_lwr_lmgs")) + ":" +
                                     std::to_string(indicatorValue(*ws, "z_lwr_wmgs")) + ":" +
                                     std::to_string(indicatorValue(*ws, "z_lwr_rmgs"));
        ASSERT_EQ(t.rows[r - 1][column], expected) << "draw " << r;
    }
}

}  // namespace
}  // namespace qorvel
