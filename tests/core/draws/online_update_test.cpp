#include "draws/online_update.h"

#include <gtest/gtest.h>

#include "draws/history_edit.h"
#include "draws/history_fixture.h"
#include "text/file_io.h"
#include "text/gbk.h"
#include "text/number_text.h"

namespace qorvel {
namespace {

using testing::HistoryFixture;
using Draws = std::vector<std::vector<int>>;

// Draw line n of a document for the six-of-33 type: key, issue, seven two-digit numbers.
std::string drawLine(int n, int issue, const std::vector<int>& numbers) {
    std::string line = drawLineKey(n) + std::to_string(issue);
    for (int x : numbers) line += TwoDigitText(x);
    return line + "\r\n";
}

std::vector<int> numbersOf(int issue) {
    const int k = issue % 20;
    return {k + 1, k + 3, k + 5, k + 7, k + 9, k + 11, k % 16 + 1};
}

// Consecutive issues from `first`, numbers derived from the issue.
Draws consecutiveDraws(int first, int count) {
    Draws draws;
    for (int i = 0; i < count; ++i) {
        std::vector<int> d{first + i};
        for (int x : numbersOf(first + i)) d.push_back(x);
        draws.push_back(d);
    }
    return draws;
}

std::vector<int> issuesOf(const Draws& draws) {
    std::vector<int> issues;
    for (const auto& d : draws) issues.push_back(d[0]);
    return issues;
}

TEST(UpdateDocument, SectionsOfTheGbkDocumentAreStoredInTheSettings) {
    HistoryFixture h(consecutiveDraws(2020001, 3));
    const std::string before = h.fileBytes();
    MemorySettingsStore settings;
    auto document = readFileBytes(std::string(QORVEL_TEST_DATA_DIR) + "/draws/update_document.txt");
    ASSERT_TRUE(document);
    OnlineUpdateResult result = applyUpdateDocument(h.ws, *document, &settings);
    EXPECT_EQ(result.notice.text, "本版本有新数据。祝您好运！");
    EXPECT_EQ(result.notice.downloadList, "http://example.invalid/a.zip$http://example.invalid/b.zip$");
    EXPECT_TRUE(result.notice.openPagesAtExit);
    EXPECT_EQ(settings.readText("inform"), "本版本有新数据。祝您好运！");
    EXPECT_EQ(settings.readText("readieonrun"), "否");
    EXPECT_EQ(settings.readText("downloadie"), result.notice.downloadList);
    EXPECT_EQ(result.added, 0);
    EXPECT_EQ(h.fileBytes(), before);
}

struct SectionCase {
    const char* document;
    const char* text;
};

TEST(UpdateDocument, MalformedSectionsAreEmpty) {
    const SectionCase cases[] = {
        {"x公共提示:abc:公共提示y", "abc"},
        {"公共提示:abc", ""},
        {"abc:公共提示", ""},
        {":公共提示 then 公共提示:abc", ""},
        {"公共提示::公共提示", ""},
        {"公共提示:a:公共提示 公共提示:b:公共提示", "a"},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(documentSection(c.document, "公共提示:", ":公共提示"), c.text) << c.document;

    UpdateSections other = parseUpdateSections("19提示:old:19提示 19下载地址:x$:19下载地址 打开网页:否:打开网页");
    EXPECT_EQ(other.versionNotice, "");
    EXPECT_EQ(other.downloadList, "");
    EXPECT_EQ(other.openPages, "否");
}

struct LineCase {
    const char* name;
    std::string document;
    std::optional<std::vector<int>> draw;  // issue and seven numbers of line 1
};

TEST(UpdateDocument, DrawLinesAreReadByTheirFirstKey) {
    const std::string key = drawLineKey(1) + "2020003";
    const LineCase cases[] = {
        {"plain", key + "01020304050607\n", std::vector<int>{2020003, 1, 2, 3, 4, 5, 6, 7}},
        {"trailing digits ignored", key + "0102030405061699", std::vector<int>{2020003, 1, 2, 3, 4, 5, 6, 16}},
        {"first of two keys", key + "01020304050601 0000001:20200041112131415161",
         std::vector<int>{2020003, 1, 2, 3, 4, 5, 6, 1}},
        {"key inside a longer digit run", "9" + key + "01020304050601", std::vector<int>{2020003, 1, 2, 3, 4, 5, 6, 1}},
        {"no key", "0000002:202000301020304050607", std::nullopt},
        {"cut short", key + "0102030405060", std::nullopt},
        {"not a digit", key + "010203O4050607", std::nullopt},
        {"main out of range", key + "01020304053401", std::nullopt},
        {"special out of range", key + "01020304050617", std::nullopt},
        {"forecast issue", drawLineKey(1) + "999999901020304050607", std::nullopt},
    };
    const TypeParams params = testing::sixOf33();
    for (const auto& c : cases) {
        auto draw = DrawLineIndex(c.document).draw(1, params);
        ASSERT_EQ(draw.has_value(), c.draw.has_value()) << c.name;
        if (draw) {
            EXPECT_EQ(std::vector<int>(draw->begin(), draw->begin() + 8), *c.draw) << c.name;
        }
    }
}

TEST(OnlineUpdate, FirstLineHeldSkipsTheLinesOfTheDrawsAfterIt) {
    // History of 10 draws; line 1 is its 3rd draw, so lines 2 to 8 stand for draws 4 to 10 and are not
    // looked at (their issues here are new ones, which would be added if they were read).
    const Draws history = consecutiveDraws(2020001, 10);
    HistoryFixture h(history);
    std::string document = "header\r\n" + drawLine(1, 2020003, numbersOf(2020003));
    for (int n = 2; n <= 8; ++n) document += drawLine(n, 2019100 + n, numbersOf(2019100 + n));
    document += drawLine(9, 2020011, numbersOf(2020011));
    document += drawLine(10, 2020012, numbersOf(2020012));
    OnlineUpdateResult result = applyUpdateDocument(h.ws, document, nullptr);
    EXPECT_EQ(result.error, "");
    EXPECT_EQ(result.added, 2);
    Draws expected = history;
    for (const auto& d : consecutiveDraws(2020011, 2)) expected.push_back(d);
    EXPECT_EQ(h.fileDraws(7), expected);
    EXPECT_EQ(h.draws(7), expected);
}

TEST(OnlineUpdate, MissingDrawsAreAddedAndHeldOnesKeepTheirNumbers) {
    HistoryFixture h({{2020001, 1, 2, 3, 4, 5, 6, 7}, {2020002, 8, 9, 10, 11, 12, 13, 14}, {2020005, 1, 5, 9, 13, 17, 21, 3}});
    const std::string document = drawLine(1, 2020003, numbersOf(2020003)) + drawLine(2, 2020002, {20, 21, 22, 23, 24, 25, 9}) +
                                 drawLine(3, 2020004, numbersOf(2020004)) + drawLine(4, 2020005, {2, 3, 4, 5, 6, 7, 8}) +
                                 drawLine(5, 2020006, numbersOf(2020006));
    OnlineUpdateResult result = applyUpdateDocument(h.ws, document, nullptr);
    EXPECT_EQ(result.added, 3);
    const Draws file = h.fileDraws(7);
    EXPECT_EQ(issuesOf(file), (std::vector<int>{2020001, 2020002, 2020003, 2020004, 2020005, 2020006}));
    EXPECT_EQ(file[1], (std::vector<int>{2020002, 8, 9, 10, 11, 12, 13, 14}));
    EXPECT_EQ(file[4], (std::vector<int>{2020005, 1, 5, 9, 13, 17, 21, 3}));
}

TEST(OnlineUpdate, AMalformedLineEndsTheDrawList) {
    HistoryFixture h(consecutiveDraws(2020001, 2));
    const std::string document = drawLine(1, 2020003, numbersOf(2020003)) + "0000002:2020004xx0203040506071\r\n" +
                                 drawLine(3, 2020005, numbersOf(2020005));
    EXPECT_EQ(applyUpdateDocument(h.ws, document, nullptr).added, 1);
    EXPECT_EQ(issuesOf(h.fileDraws(7)), (std::vector<int>{2020001, 2020002, 2020003}));
}

TEST(OnlineUpdate, EmptyOrForeignDocumentsAndTransformedDataChangeNoDraws) {
    const std::string newDraw = drawLine(1, 2020009, numbersOf(2020009));
    struct Case {
        const char* name;
        std::string document;
        bool transformed;
    };
    const Case cases[] = {
        {"empty", "", false},
        {"not a document", "<html><body>404 Not Found</body></html>", false},
        {"binary", std::string("\x00\xff\xfe\x81:\x00", 6), false},
        {"transformed", newDraw, true},
    };
    for (const auto& c : cases) {
        HistoryFixture h(consecutiveDraws(2020001, 3));
        h.ws.dataTransformed = c.transformed;
        const std::string before = h.fileBytes();
        MemorySettingsStore settings;
        OnlineUpdateResult result = applyUpdateDocument(h.ws, c.document, &settings);
        EXPECT_EQ(result.added, 0) << c.name;
        EXPECT_EQ(h.fileBytes(), before) << c.name;
        EXPECT_EQ(h.ws.MainStore.Count(), 3) << c.name;
        EXPECT_EQ(settings.readText("inform"), "") << c.name;
    }
}

TEST(UpdateAddress, OnlySlotsZeroAndOneHaveAConfiguredDocument) {
    MemorySettingsStore settings;
    EXPECT_EQ(updateDocumentAddress(&settings, 0), "");
    settings.writeText("updateurl0", " http://127.0.0.1:8080/ssq.txt ");
    settings.writeText("updateurl1", "http://127.0.0.1:8080/dlt.txt");
    settings.writeText("updateurl2", "http://127.0.0.1:8080/other.txt");
    const std::pair<int, const char*> cases[] = {
        {0, "http://127.0.0.1:8080/ssq.txt"},
        {1, "http://127.0.0.1:8080/dlt.txt"},
        {2, ""},
        {-1, ""},
    };
    for (const auto& [slot, address] : cases) EXPECT_EQ(updateDocumentAddress(&settings, slot), address) << slot;
    EXPECT_EQ(updateDocumentAddress(nullptr, 0), "");
}

TEST(NoticePopup, TextComesFromTheStoreOnlyForANewerVersion) {
    struct Case {
        std::optional<int> version;
        const char* lastUpdate;
        const char* stored;
        const char* shown;
        const char* downloads;
    };
    const Case cases[] = {
        {std::nullopt, "更新的提示", "存储的提示", "更新的提示", "u$"},
        {20, "更新的提示", "存储的提示", "更新的提示", "u$"},
        {21, "更新的提示", "存储的提示", "存储的提示", "s$"},
        {21, "更新的提示", "", "欢迎使用。", "s$"},
        {std::nullopt, "", "存储的提示", "欢迎使用。", "u$"},
    };
    for (const auto& c : cases) {
        MemorySettingsStore settings;
        if (c.version) settings.writeInt("newbbh", *c.version);
        settings.writeText("inform", c.stored);
        settings.writeText("downloadie", "s$");
        OnlineNotice notice = noticeForPopup(&settings, OnlineNotice{c.lastUpdate, "u$", false});
        EXPECT_EQ(notice.text, c.shown);
        EXPECT_EQ(notice.downloadList, c.downloads);
    }
}

TEST(NoticePopup, DownloadAddressesAreThePiecesBeforeEachDollar) {
    const std::pair<const char*, std::vector<std::string>> cases[] = {
        {"http://a$http://b$", {"http://a", "http://b"}},
        {"http://a$$http://b$http://c", {"http://a", "http://b"}},
        {" http://a $\r\nhttp://b$", {"http://a", "http://b"}},
        {"no dollar", {}},
        {"", {}},
    };
    for (const auto& [list, addresses] : cases) EXPECT_EQ(downloadAddresses(list), addresses) << list;
}

TEST(NoticePopup, HeightIsTheWrappedLinesPlusFour) {
    const struct {
        int textWidth, buttonWidth, lines;
    } cases[] = {{200, 200, 5}, {199, 200, 4}, {500, 200, 6}, {0, 200, 4}, {300, 0, 4}};
    for (const auto& c : cases)
        EXPECT_EQ(noticeClientHeight(c.textWidth, c.buttonWidth, 13), c.lines * 13) << c.textWidth;
}

}  // namespace
}  // namespace qorvel
