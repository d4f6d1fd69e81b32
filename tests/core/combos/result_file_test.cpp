#include "combos/result_file.h"

#include <gtest/gtest.h>

#include "test_support.h"
#include "text/file_io.h"

namespace qorvel {
namespace {

TEST(ResultFile, SaveAndLoadReproduceTheSetInOrder) {
    testing::TempDir dir;
    ResultSet results;
    const std::vector<std::vector<int32_t>> tickets = {{1, 2, 3, 4, 5, 6}, {33, 9, 10, 11, 12, 13}, {5, 6, 7, 8, 9, 10}};
    for (const auto& t : tickets) results.appendNumbers(t.data(), 6);
    // A name chosen without the extension gets it; the save writes exactly the path it is given.
    EXPECT_EQ(resultFileName((dir / "out").string()), dir / "out.txt");
    EXPECT_EQ(resultFileName((dir / "out.txt").string()), dir / "out.txt");
    ASSERT_EQ(saveMainResults(resultFileName((dir / "out").string()), results, 6), "");
    EXPECT_EQ(*readFileBytes(dir / "out.txt"),
              "01 02 03 04 05 06 \r\n33 09 10 11 12 13 \r\n05 06 07 08 09 10 \r\n");
    ResultSet back;
    ASSERT_EQ(loadMainResults(dir / "out.txt", 6, back), "");
    ASSERT_EQ(back.count(), 3);
    for (int k = 1; k <= 3; ++k)
        for (int i = 0; i < 6; ++i) EXPECT_EQ(back.slot(k).bytes[i], tickets[k - 1][i]);
}

struct LineCase {
    const char* line;
    std::vector<int32_t> numbers;
};

TEST(ResultFile, LinesAreTakenAsTheyAre) {
    const LineCase cases[] = {
        {"01 02 03 04 05 ", {1, 2, 3, 4, 5}},
        {"1 2 3 4 5 6 7 8", {1, 2, 3, 4, 5}},  // the rest of the line is skipped
        {"  09\t08  07 06 05\r", {9, 8, 7, 6, 5}},  // unsorted and spaced
        {"01 02", {1, 2, 0, 0, 0}},            // short
        {"01 x2 03 04 05", {1, 0, 0, 0, 0}},   // a word ends the numbers
        {"70 99 -1 100 5", {70, 99, -1, 100, 5}},
    };
    for (const auto& c : cases) EXPECT_EQ(parseResultLine(c.line, 5), c.numbers) << c.line;
}

TEST(ResultFile, BlankLinesAreSkippedAndAMissingFileIsReported) {
    testing::TempDir dir;
    ASSERT_EQ(writeFileAtomically(dir / "r.txt", "\r\n01 02 03 04 05 06 \n\n   \n07 08 09 10 11 12"), "");
    ResultSet r;
    ASSERT_EQ(loadMainResults(dir / "r.txt", 6, r), "");
    EXPECT_EQ(r.count(), 2);
    EXPECT_EQ(r.slot(2).bytes[5], 12);
    ResultSet kept;
    kept.appendNumbers(std::vector<int32_t>{1, 2, 3, 4, 5, 6}.data(), 6);
    EXPECT_FALSE(loadMainResults(dir / "none.txt", 6, kept).empty());
    EXPECT_EQ(kept.count(), 1);
}

}  // namespace
}  // namespace qorvel
