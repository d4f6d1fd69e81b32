#include <gtest/gtest.h>

#include <fstream>

#include "cli_test_support.h"

namespace qorvel::testing {
namespace {

std::string readAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void writeAll(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// A fresh program folder: default types (six of 1..33 plus one of 1..16) and the default draw 2008001.
CliRun inHome(const CliTempDir& home, std::vector<std::string> args) {
    args.insert(args.begin(), {"--home", home.str()});
    return runTool(args);
}

TEST(CliImport, AppendAddsNewIssuesAndReplaceTakesOnlyTheFile) {
    CliTempDir home;
    writeAll(home / "new.txt", "2020002 08 09 10 11 12 13 14\r\n2020001 01 02 03 04 05 06\r\n2008001 09 10 11 12 13 14 09\r\n");
    CliRun run = inHome(home, {"import", (home / "new.txt").string()});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "已导入2期，跳过1期\n");
    EXPECT_EQ(inHome(home, {"draws"}).out,
              "2008001 01 02 03 04 05 06 07\n2020001 01 02 03 04 05 06 01\n2020002 08 09 10 11 12 13 14\n");

    writeAll(home / "other.txt", "2021001 21 22 23 24 25 26 16\r\n");
    run = inHome(home, {"import", "--replace", (home / "other.txt").string()});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(inHome(home, {"draws"}).out, "2021001 21 22 23 24 25 26 16\n");
}

TEST(CliImport, ABadTokenNamesTheLineOnStderrAndLeavesTheDrawFile) {
    CliTempDir home;
    ASSERT_EQ(inHome(home, {"draws"}).status, 0);  // creates the draw file
    const auto drawFile = home / "database/basedata0.rec";
    const std::string before = readAll(drawFile);
    const std::string bad = QORVEL_TEST_DATA_DIR "/draws/bad_token.txt";
    for (const char* mode : {"--replace", ""}) {
        std::vector<std::string> args{"import", bad};
        if (*mode) args.push_back(mode);
        CliRun run = inHome(home, args);
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, "qorvel-cli: " + bad + ": 第3行: '三' 不是有效的整数，未导入任何数据\n");
        EXPECT_EQ(readAll(drawFile), before);
    }
}

TEST(CliExport, WithAndWithoutSpecialsToExactlyTheGivenPath) {
    CliTempDir home;
    writeAll(home / "h.txt", "2020001 01 02 03 04 05 06 07\r\n2020002 08 09 10 11 12 13 14\r\n");
    ASSERT_EQ(inHome(home, {"import", "--replace", (home / "h.txt").string()}).status, 0);

    ASSERT_EQ(inHome(home, {"export", (home / "all").string(), "--special"}).status, 0);
    EXPECT_EQ(readAll(home / "all"), "2020001 01 02 03 04 05 06 07 \r\n2020002 08 09 10 11 12 13 14 \r\n");
    EXPECT_FALSE(std::filesystem::exists(home / "all.txt"));
    ASSERT_EQ(inHome(home, {"export", (home / "mains.txt").string()}).status, 0);
    EXPECT_EQ(readAll(home / "mains.txt"), "2020001 01 02 03 04 05 06 \r\n2020002 08 09 10 11 12 13 \r\n");
}

TEST(CliExport, SampleHistoryRoundTripsThroughTextWithSpecials) {
    CliTempDir home;
    ASSERT_EQ(inHome(home, {"init-demo", QORVEL_SAMPLE_DIR "/ssq.txt", QORVEL_SAMPLE_DIR "/dlt.txt"}).status, 0);
    const std::string original = inHome(home, {"--type", "1", "draws"}).out;
    ASSERT_EQ(inHome(home, {"--type", "1", "export", (home / "dlt.txt").string(), "--special"}).status, 0);
    writeAll(home / "empty.txt", "");
    ASSERT_EQ(inHome(home, {"--type", "1", "import", "--replace", (home / "empty.txt").string()}).status, 0);
    EXPECT_EQ(inHome(home, {"--type", "1", "draws"}).out, "");
    CliRun run = inHome(home, {"--type", "1", "import", (home / "dlt.txt").string()});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(inHome(home, {"--type", "1", "draws"}).out, original);
}

TEST(CliImportExport, MisuseFailsWithOneLineOnStderr) {
    CliTempDir home;
    writeAll(home / "h.txt", "2020001 01 02 03 04 05 06 07\r\n");
    const std::string file = (home / "h.txt").string();
    const std::vector<std::vector<std::string>> cases = {
        {"import"},
        {"import", file, file},
        {"import", file, "--special"},
        {"export"},
        {"export", file, "--replace"},
        {"--draws", file, "import", file},
        {"import", (home / "absent.txt").string()},
        {"import", home.str()},
        {"--draws", home.str(), "draws"},
    };
    for (const auto& args : cases) {
        CliRun run = inHome(home, args);
        EXPECT_EQ(run.status, 1) << args[0];
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    }
}

}  // namespace
}  // namespace qorvel::testing
