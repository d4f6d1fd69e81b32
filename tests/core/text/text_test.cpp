#include <gtest/gtest.h>

#include "test_support.h"
#include "text/file_io.h"
#include "text/gbk.h"
#include "text/number_text.h"

namespace qorvel {
namespace {

TEST(TwoDigitText, PadsSingleDigits) {
    const std::pair<int, const char*> cases[] = {{7, "07"}, {0, "00"}, {12, "12"}, {100, "100"}, {-3, "-3"}};
    for (auto [n, text] : cases) EXPECT_EQ(TwoDigitText(n), text) << n;
}

TEST(WholeNumber, AcceptsTrimmedDecimalsOnly) {
    EXPECT_EQ(parseWholeNumber(" 42 "), 42);
    EXPECT_EQ(parseWholeNumber("-7"), -7);
    EXPECT_EQ(parseWholeNumber("+7"), 7);
    for (const char* bad : {"", " ", "4x", "1.5", "99999999999", "--1", "0x10"})
        EXPECT_FALSE(parseWholeNumber(bad).has_value()) << bad;
}

TEST(Gbk, RoundTripsChineseText) {
    const std::string text = "双色球 红号 蓝号 ＂[＂";
    const std::string gbk = utf8ToGbk(text);
    EXPECT_EQ(gbk.substr(0, 2), "\xCB\xAB");  // 双
    EXPECT_EQ(gbkToUtf8(gbk), text);
}

TEST(Gbk, InvalidBytesAreReplacedNotFatal) {
    const std::string bad = std::string("ab\xFF") + "\xCB";  // invalid byte, then a truncated pair
    const std::string decoded = gbkToUtf8(bad);
    EXPECT_EQ(decoded.substr(0, 2), "ab");
    EXPECT_NE(decoded.find("\xEF\xBF\xBD"), std::string::npos);
    EXPECT_EQ(utf8ToGbk("a\xC3"), "a?");  // truncated UTF-8
    EXPECT_EQ(utf8ToGbk("€"), "\x80");     // GBK's euro sign (CP936)
}

TEST(Gbk, TruncationKeepsWholeCharacters) {
    const std::string gbk = utf8ToGbk("a双色球");  // 1 + 6 bytes
    EXPECT_EQ(truncateGbk(gbk, 4), utf8ToGbk("a双"));
    EXPECT_EQ(truncateGbk(gbk, 3), utf8ToGbk("a双"));
    EXPECT_EQ(truncateGbk(gbk, 2), "a");
}

TEST(GbkLines, SplitOnAnyLineEndAndJoinWithCrLf) {
    auto lines = readGbkLines(utf8ToGbk("一\r\n二\n\n三\r四"));
    EXPECT_EQ(lines, (std::vector<std::string>{"一", "二", "", "三", "四"}));
    EXPECT_EQ(joinGbkLines({"一", "b"}), utf8ToGbk("一") + "\r\nb\r\n");
    EXPECT_TRUE(readGbkLines("").empty());
}

TEST(ReadFile, AFolderOrAMissingFileReadsAsNothing) {
    testing::TempDir dir;
    EXPECT_EQ(readFileBytes(dir.path()), std::nullopt);
    EXPECT_EQ(readFileBytes(dir / "missing.txt"), std::nullopt);
    ASSERT_EQ(writeFileAtomically(dir / "big.bin", std::string(200000, 'x')), "");
    EXPECT_EQ(readFileBytes(dir / "big.bin")->size(), 200000u) << "read in pieces, nothing lost";
}

TEST(AtomicWrite, ReplacesWholeFileAndCreatesFolders) {
    testing::TempDir dir;
    const auto file = dir / "a/b/c.txt";
    ASSERT_EQ(writeFileAtomically(file, "first"), "");
    ASSERT_EQ(writeFileAtomically(file, "2"), "");
    EXPECT_EQ(readFileBytes(file), "2");
    std::size_t entries = 0;
    for (auto& e : std::filesystem::directory_iterator(dir / "a/b")) {
        (void)e;
        ++entries;
    }
    EXPECT_EQ(entries, 1u);  // no temporary file left behind
    EXPECT_EQ(programPath(dir.path(), "database\\cps.typ"), dir.path() / "database/cps.typ");
}

}  // namespace
}  // namespace qorvel
