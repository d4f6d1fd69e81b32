// The page's actions on a finished run: tab visibility, the forecast hand-over to the filter, the row
// frequency table and the two reorderings of the scheme.
#include "killbanker/kill_page_actions.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace qorvel {
namespace {

const std::vector<std::vector<int>> kDraws = {
    {2020001, 1, 2, 3, 4, 5, 6, 7}, {2020002, 2, 4, 6, 8, 10, 12, 3}, {2020003, 1, 12, 23, 24, 25, 26, 9}};

class PageActions : public ::testing::Test {
protected:
    void SetUp() override { testing::fillStore(ws.MainStore, kDraws); }
    KillGrid run(KillPage page, std::vector<std::string> formulas) {
        KillRunRequest request;
        request.page = page;
        request.formulas = std::move(formulas);
        auto result = runKillPage(ws, request);
        EXPECT_EQ(result.error, "");
        return result.grid;
    }
    Workspace ws;
};

TEST(KillPageShown, SpecialTabsFollowTheSpecialCount) {
    TypeParams p;
    struct Case {
        int specials;
        bool specialKill, specialBanker;
    } cases[] = {{0, false, false}, {1, true, false}, {2, true, true}};
    for (const auto& c : cases) {
        p.SpecialCount = c.specials;
        EXPECT_EQ(killPageShown(KillPage::SpecialKill, p), c.specialKill);
        EXPECT_EQ(killPageShown(KillPage::SpecialBanker, p), c.specialBanker);
        EXPECT_TRUE(killPageShown(KillPage::TailKill, p));
    }
}

TEST_F(PageActions, ForecastHandOverPerPage) {
    // At the forecast row [-1]z_num1 reads the last draw (1), [-1]z_num6 reads 26; 40 lies above 33.
    const std::vector<std::string> formulas{"[-1]z_num1", "[-1]z_num6", "40", "[-1]z_num1"};
    struct Case {
        KillPage page;
        std::vector<int> numbers;
        std::vector<int32_t> counts;
        bool refused;
    } cases[] = {
        {KillPage::MainKill, {1, 26}, {0}, false},
        {KillPage::MainBanker, {1, 26}, {1, 2}, false},
        // The tail page's values are tails: only 1 lies in 0..9, so the numbers ending in 1 are handed over.
        {KillPage::TailKill, {1, 11, 21, 31}, {0}, false},
        {KillPage::SpecialKill, {}, {}, true},
        {KillPage::CustomKill, {}, {}, true},
    };
    for (const auto& c : cases) {
        KillRunRequest request;
        request.page = c.page;
        request.formulas = formulas;
        request.target = "z_hw";
        const auto result = runKillPage(ws, request);
        const ForecastHandOver h = forecastSelfSet(result.grid, ws.params);
        EXPECT_EQ(!h.error.empty(), c.refused) << killPageInfo(c.page).code;
        EXPECT_EQ(h.condition.numbers, c.numbers) << killPageInfo(c.page).code;
        EXPECT_EQ(h.condition.counts, c.counts) << killPageInfo(c.page).code;
    }
    EXPECT_EQ(forecastSelfSet(run(KillPage::MainKill, {"40"}), ws.params).error, "预测期没有可转至过滤的号码");
}

TEST_F(PageActions, RowFrequenciesAndReorderings) {
    // Formula 1 is right on every draw; the constant 2 is drawn on the first two draws; formula 3 reads
    // the previous draw's sixth number (the first draw's own at the start), drawn again every time.
    const std::vector<std::string> formulas{"40", "2", "[-1]z_num6+0", "2"};
    const KillGrid g = run(KillPage::MainKill, formulas);
    EXPECT_EQ(rowValueFrequencies(g, 1), (std::vector<std::pair<int32_t, int>>{{2, 2}, {6, 1}, {40, 1}}));
    EXPECT_TRUE(rowValueFrequencies(g, 0).empty());
    EXPECT_EQ(g.rightCounts, (std::vector<int>{3, 1, 0, 1}));
    EXPECT_EQ(formulasByRate(g, formulas), (std::vector<std::string>{"40", "2", "2", "[-1]z_num6+0"}));
    EXPECT_EQ(formulasByDrawnValue(g, formulas), (std::vector<std::string>{"[-1]z_num6+0", "2", "2", "40"}));
}

}  // namespace
}  // namespace qorvel
