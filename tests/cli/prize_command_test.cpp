#include <gtest/gtest.h>

#include <fstream>

#include "cli_test_support.h"

namespace qorvel::testing {
namespace {

// 5 of 1..16, three draws.
constexpr const char* kHistory = "2021001 1 4 9 11 16 3\n2021002 2 4 7 12 15 5\n2021003 3 4 8 12 13 1\n";

struct PrizeFixture {
    CliTempDir dir;
    PrizeFixture() {
        std::ofstream(dir / "h.txt") << kHistory;
        // Against 2021002 (2 4 7 12 15): 5, 0 and 2 hits.
        std::ofstream(dir / "r.txt") << "02 04 07 12 15 \n01 03 05 06 08 \n02 04 09 10 11 \n";
    }
    CliRun run(std::vector<std::string> command) const {
        std::vector<std::string> all = {"--draws", (dir / "h.txt").string(), "--type-params", "5,1,16,1,1,16",
                                        "prize"};
        all.insert(all.end(), command.begin(), command.end());
        return runTool(all);
    }
};

TEST(PrizeCommand, PrintsTicketsPerHitCount) {
    PrizeFixture f;
    const CliRun second = f.run({(f.dir / "r.txt").string(), "2021002"});
    EXPECT_EQ(second.status, 0) << second.err;
    EXPECT_EQ(second.out, "0\t1\n1\t0\n2\t1\n3\t0\n4\t0\n5\t1\n");
    // Against 2021003 (3 4 8 12 13): 2, 2 and 1 hits.
    const CliRun third = f.run({(f.dir / "r.txt").string(), "2021003"});
    EXPECT_EQ(third.out, "0\t0\n1\t1\n2\t2\n3\t0\n4\t0\n5\t0\n");
}

TEST(PrizeCommand, ErrorsAreOneLineAndNonZero) {
    PrizeFixture f;
    const std::vector<std::vector<std::string>> bad = {
        {(f.dir / "r.txt").string(), "2021009"},  // no such draw
        {(f.dir / "missing.txt").string(), "2021002"},
        {(f.dir / "r.txt").string(), "abc"},
        {(f.dir / "r.txt").string()},
    };
    for (const auto& command : bad) {
        const CliRun run = f.run(command);
        EXPECT_NE(run.status, 0) << command.back();
        EXPECT_TRUE(run.out.empty()) << command.back();
        ASSERT_FALSE(run.err.empty()) << command.back();
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
    }
}

}  // namespace
}  // namespace qorvel::testing
