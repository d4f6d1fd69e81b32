#include "draws/import_export.h"

#include <gtest/gtest.h>

#include <chrono>

#include "draws/draw_text.h"
#include "draws/history_edit.h"
#include "draws/history_fixture.h"
#include "text/file_io.h"

namespace qorvel {
namespace {

using testing::HistoryFixture;
using Draws = std::vector<std::vector<int>>;

const Draws kHistory = {
    {2020001, 1, 2, 3, 4, 5, 6, 7},
    {2020002, 8, 9, 10, 11, 12, 13, 14},
    {2020005, 20, 21, 22, 23, 24, 25, 16},
};

std::string fixture(const std::string& name) {
    return readFileBytes(std::string(QORVEL_TEST_DATA_DIR) + "/draws/" + name).value_or("<missing fixture>");
}

TypeParams fiveOf22WithSpecials(int specials) {
    TypeParams p = testing::fiveOf22();
    p.SpecialCount = specials;
    p.HasSpecial = specials > 0;
    return p;
}

TypeParams sampleParams(const std::string& name) {
    if (name == "ssq.txt") return testing::sixOf33();
    TypeParams p;
    p.MainCount = 5;
    p.MainTo = 35;
    p.SpecialCount = 2;
    p.SpecialTo = 12;
    return p;
}

Draws sampleDraws(const std::string& name, int numbers) {
    auto parsed = parseDrawText(readFileBytes(std::string(QORVEL_SAMPLE_DIR) + "/" + name).value_or(""),
                                sampleParams(name));
    Draws out;
    for (const auto& f : parsed.draws) out.emplace_back(f.begin(), f.begin() + 1 + numbers);
    return out;
}

Draws parsedDraws(const ImportParse& parse, int numbers) {
    Draws out;
    for (const auto& f : parse.draws) out.emplace_back(f.begin(), f.begin() + 1 + numbers);
    return out;
}

TEST(ImportFormat, ReadsAcrossLineEndsTakesSpecialsFromTheLastLineAndStopsAtIssueZero) {
    HistoryFixture h({});
    ImportParse parse = parseImportText(fixture("crossing_lines.txt"), h.ws);
    ASSERT_EQ(parse.error, "");
    const Draws expected = {
        {2020001, 1, 2, 3, 4, 5, 6, 7},        // trailing words after the special number are skipped
        {2020002, 8, 9, 10, 11, 12, 13, 14},   // main numbers continue on the next line, the special too
        {2020003, 3, 5, 7, 9, 11, 13, 1},      // no special number on the line: the first one is 1
        {2020004, 1, 2, 3, 4, 5, 6, 16},
        {2020005, 21, 22, 23, 24, 25, 26, 1},  // a word instead of the special number
    };
    EXPECT_EQ(parsedDraws(parse, 7), expected);
}

struct ParseCase {
    const char* name;
    const char* text;
    int specials;  // of the five-of-22 type
    Draws draws;   // issue, five main and two special fields
    const char* error;
};

class ImportParseCases : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ImportParseCases, DrawsOrTheLineAtFault) {
    const ParseCase& c = GetParam();
    HistoryFixture h({}, fiveOf22WithSpecials(c.specials));
    ImportParse parse = parseImportText(c.text, h.ws);
    EXPECT_EQ(parse.error, c.error);
    EXPECT_EQ(parsedDraws(parse, 7), c.draws);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ImportParseCases,
    ::testing::Values(
        ParseCase{"SixAfterFiveMainsIsTheSpecial", "2020001 1 2 3 4 5 6 7\n", 1, {{2020001, 1, 2, 3, 4, 5, 6, 0}}, ""},
        ParseCase{"TwoSpecialsRead", "2020001 1 2 3 4 5 6 7\n", 2, {{2020001, 1, 2, 3, 4, 5, 6, 7}}, ""},
        ParseCase{"OneOfTwoSpecials", "2020001 1 2 3 4 5 9\n", 2, {{2020001, 1, 2, 3, 4, 5, 9, 0}}, ""},
        ParseCase{"NoSpecialGivesOne", "2020001 1 2 3 4 5\n2020002 6 7 8 9 10", 1,
                  {{2020001, 1, 2, 3, 4, 5, 1, 0}, {2020002, 6, 7, 8, 9, 10, 1, 0}}, ""},
        ParseCase{"NoSpecialZoneStillMarksOne", "2020001 1 2 3 4 5 6\n", 0, {{2020001, 1, 2, 3, 4, 5, 1, 0}}, ""},
        ParseCase{"EmptyLinesAndStopAtZero", "\r\n\r\n2020001 01 02 03 04 05 06\r\n\r\n0\r\n2020002 x\r\n", 1,
                  {{2020001, 1, 2, 3, 4, 5, 6, 0}}, ""},
        ParseCase{"LoneCarriageReturnsEndLines", "2020001 1 2 3 4 5\r2020002 6 7 8 9 10 11\r", 1,
                  {{2020001, 1, 2, 3, 4, 5, 1, 0}, {2020002, 6, 7, 8, 9, 10, 11, 0}}, ""},
        ParseCase{"Utf8MarkIgnored", "\xEF\xBB\xBF" "2020001 1 2 3 4 5 6", 1, {{2020001, 1, 2, 3, 4, 5, 6, 0}}, ""},
        ParseCase{"EmptyText", "", 1, {}, ""},
        ParseCase{"BadIssue", "2020001 1 2 3 4 5 6\nabc 1 2 3 4 5 6\n", 1, {}, "第2行: 'abc' 不是有效的整数，未导入任何数据"},
        ParseCase{"BadMainOnTheNextLine", "2020001 1 2 3\n4 \xCE\xE5 6\n", 1, {},  // GBK for 五
                  "第2行: '五' 不是有效的整数，未导入任何数据"},
        ParseCase{"DrawCutShort", "2020001 1 2 3 4 5 6\n2020002 1 2\n", 1, {}, "第2行: 号码个数不足，未导入任何数据"},
        ParseCase{"MainOutOfRange", "2020001 1 2 3 4 23 6\n", 1, {}, "第1行: 红号必须在1到22之间，未导入任何数据"},
        ParseCase{"ByteSizedNumberOutOfRange", "2020001 1 2 3 4 300 6\n", 1, {},
                  "第1行: 红号必须在1到22之间，未导入任何数据"},
        ParseCase{"SpecialOutOfRange", "2020001 1 2 3 4 5 17\n", 1, {}, "第1行: 蓝号必须在1到16之间，未导入任何数据"},
        ParseCase{"RepeatedMainNumber", "2020001 1 2 3 4 5 6\n2020002 5 5 5 5 5 3\n", 1, {},
                  "第2行: 同一组号中的号码不能重复，未导入任何数据"},
        ParseCase{"ForecastIssue", "9999999 1 2 3 4 5 6\n", 1, {}, "第1行: 期号必须在1到9999997之间，未导入任何数据"},
        ParseCase{"CandidateIssue", "2020001 1 2 3 4 5 6\n9999998 1 2 3 4 5 6\n", 1, {},
                  "第2行: 期号必须在1到9999997之间，未导入任何数据"},
        ParseCase{"NegativeIssue", "-2020001 1 2 3 4 5 6\n", 1, {}, "第1行: 期号必须在1到9999997之间，未导入任何数据"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Import, ABadTokenLeavesHistoryAndFileUntouchedInBothModes) {
    for (ImportMode mode : {ImportMode::Append, ImportMode::Replace}) {
        HistoryFixture h(kHistory);
        const std::string before = h.fileBytes();
        ImportResult result = importDraws(h.ws, fixture("bad_token.txt"), mode);
        EXPECT_EQ(result.error, "第3行: '三' 不是有效的整数，未导入任何数据");
        EXPECT_EQ(result.added, 0);
        EXPECT_EQ(h.fileBytes(), before);
        EXPECT_EQ(h.draws(7), kHistory);
    }
}

TEST(Import, AppendSkipsIssuesTheHistoryOrAnEarlierLineHolds) {
    HistoryFixture h(kHistory);
    const char* text =
        "2020002 01 02 03 04 05 06 07\n"   // held by the history: its numbers stay
        "2020004 02 04 06 08 10 12 03\n"
        "2020004 01 03 05 07 09 11 02\n"   // repeated within the file: the first line wins
        "2020003 05 06 07 08 09 10\n";
    ImportResult result = importDraws(h.ws, text, ImportMode::Append);
    EXPECT_EQ(result.error, "");
    EXPECT_EQ(result.added, 2);
    EXPECT_EQ(result.skipped, 2);
    const Draws expected = {
        kHistory[0], kHistory[1], {2020003, 5, 6, 7, 8, 9, 10, 1}, {2020004, 2, 4, 6, 8, 10, 12, 3}, kHistory[2]};
    EXPECT_EQ(h.draws(7), expected);
    EXPECT_EQ(h.fileDraws(7), expected);
}

TEST(Import, AppendingOnlyKnownIssuesChangesNothing) {
    HistoryFixture h(kHistory);
    const std::string before = h.fileBytes();
    ImportResult result = importDraws(h.ws, "2020005 01 02 03 04 05 06\n2020001 07 08 09 10 11 12 13\n",
                                      ImportMode::Append);
    EXPECT_EQ(result.error, "");
    EXPECT_EQ(result.added, 0);
    EXPECT_EQ(result.skipped, 2);
    EXPECT_EQ(h.fileBytes(), before);
}

TEST(Import, ReplaceTakesTheFileSortedAndAnEmptyFileEmptiesTheHistory) {
    HistoryFixture h(kHistory);
    ImportResult result = importDraws(h.ws, "2021002 1 2 3 4 5 6 7\n2021001 8 9 10 11 12 13\n2021002 9 10 11 12 13 14 9\n",
                                      ImportMode::Replace);
    EXPECT_EQ(result.error, "");
    EXPECT_EQ(result.added, 2);
    const Draws replaced = {{2021001, 8, 9, 10, 11, 12, 13, 1}, {2021002, 1, 2, 3, 4, 5, 6, 7}};
    EXPECT_EQ(h.fileDraws(7), replaced);

    std::filesystem::path empty = h.folder() / "empty.txt";
    ASSERT_EQ(writeFileAtomically(empty, ""), "");
    result = importDrawFile(h.ws, empty, ImportMode::Replace);
    EXPECT_EQ(result.error, "");
    EXPECT_EQ(h.ws.MainStore.Count(), 0);
    EXPECT_EQ(h.fileBytes(), "");
}

TEST(Import, MissingFileAndTransformedDataAreRefusedWithoutChange) {
    HistoryFixture h(kHistory);
    const std::string before = h.fileBytes();
    EXPECT_EQ(importDrawFile(h.ws, h.folder() / "absent.txt", ImportMode::Replace).error,
              "无法读取文件 " + (h.folder() / "absent.txt").string());
    h.ws.dataTransformed = true;
    EXPECT_EQ(importDraws(h.ws, "2021001 1 2 3 4 5 6 7\n", ImportMode::Replace).error, kTransformedHistoryMessage);
    EXPECT_EQ(h.fileBytes(), before);
    EXPECT_EQ(h.draws(7), kHistory);
}

TEST(Export, OneLinePerDrawWithTwoDigitValuesEachFollowedByABlank) {
    HistoryFixture h({{2020001, 1, 2, 3, 4, 5, 6, 7}, {2020002, 10, 11, 12, 13, 14, 15, 16}});
    h.ws.MainStore.Append();
    h.ws.MainStore.SetField(0, kForecastIssue);
    for (int f = 1; f <= 7; ++f) h.ws.MainStore.SetField(f, f);
    h.ws.MainStore.First();
    EXPECT_EQ(exportText(h.ws.MainStore, h.ws.params, true),
              "2020001 01 02 03 04 05 06 07 \r\n2020002 10 11 12 13 14 15 16 \r\n9999999 01 02 03 04 05 06 07 \r\n");
    EXPECT_EQ(h.ws.MainStore.RecNo(), 3);
    EXPECT_TRUE(h.ws.MainStore.Eof());
    EXPECT_EQ(exportText(h.ws.MainStore, h.ws.params, false),
              "2020001 01 02 03 04 05 06 \r\n2020002 10 11 12 13 14 15 \r\n9999999 01 02 03 04 05 06 \r\n");
}

TEST(Export, TextExtensionIsAppendedUnlessTheNameHoldsIt) {
    const std::pair<const char*, const char*> cases[] = {
        {"history", "history.txt"},
        {"history.txt", "history.txt"},
        {"history.txt.bak", "history.txt.bak"},
        {"history.TXT", "history.TXT.txt"},
    };
    for (const auto& [name, expected] : cases) EXPECT_EQ(withTextExtension(name), expected);
    EXPECT_EQ(exportSpecialQuestion("蓝号"), "是否有蓝号？");
}

struct RoundTripCase {
    const char* sample;
    int numbers;  // main plus special numbers
};

class ExportImportRoundTrip : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(ExportImportRoundTrip, WithSpecialsRestoresEveryNumberAndWithoutChangesNothingOnAppend) {
    const RoundTripCase& c = GetParam();
    const Draws sample = sampleDraws(c.sample, c.numbers);
    ASSERT_FALSE(sample.empty());
    HistoryFixture source(sample, sampleParams(c.sample));
    const auto withSpecials = source.folder() / "with.txt";
    const auto mainsOnly = source.folder() / "mains.txt";
    ASSERT_EQ(exportDrawFile(source.ws.MainStore, source.ws.params, withSpecials, true), "");
    ASSERT_EQ(exportDrawFile(source.ws.MainStore, source.ws.params, mainsOnly, false), "");

    HistoryFixture target({}, sampleParams(c.sample));
    const auto start = std::chrono::steady_clock::now();
    ImportResult result = importDrawFile(target.ws, withSpecials, ImportMode::Replace);
    const auto elapsed = std::chrono::steady_clock::now() - start;
    ASSERT_EQ(result.error, "");
    EXPECT_EQ(target.fileDraws(c.numbers), sample);
    // Thousands of draws are one sort and one write, not one per line.
    EXPECT_LT(elapsed, std::chrono::seconds(1));

    const std::string before = source.fileBytes();
    result = importDrawFile(source.ws, mainsOnly, ImportMode::Append);
    EXPECT_EQ(result.error, "");
    EXPECT_EQ(result.added, 0);
    EXPECT_EQ(source.fileBytes(), before);
}

INSTANTIATE_TEST_SUITE_P(Samples, ExportImportRoundTrip,
                         ::testing::Values(RoundTripCase{"ssq.txt", 7}, RoundTripCase{"dlt.txt", 7}),
                         [](const auto& info) { return std::string(info.param.sample).substr(0, 3); });

}  // namespace
}  // namespace qorvel
