// Every catalogue code on the first 300 draws of the bundled history must reproduce the recorded values.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "engine/indicator_catalogue.h"
#include "engine/indicators.h"
#include "engine_test_support.h"
#include "text/file_io.h"

namespace qorvel {
namespace {

constexpr int kGoldenDraws = 300;
constexpr int kReportedMismatches = 20;

std::vector<std::vector<std::string>> readTable(const std::string& text) {
    std::vector<std::vector<std::string>> table;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        if (line.empty()) continue;
        std::vector<std::string> cells;
        std::istringstream fields(line);
        for (std::string cell; std::getline(fields, cell, '\t');) cells.push_back(cell);
        table.push_back(cells);
    }
    return table;
}

TEST(IndicatorGolden, FirstDrawsOfTheSampleHistoryReproduceTheRecordedValues) {
    auto bytes = readFileBytes(QORVEL_TEST_DATA_DIR "/golden/indicators_ssq300.tsv");
    ASSERT_TRUE(bytes.has_value());
    const auto table = readTable(*bytes);
    ASSERT_EQ(table.size(), static_cast<std::size_t>(kGoldenDraws + 1));

    const auto catalogue = indicatorCatalogue();
    std::vector<std::string> header{"issue"};
    for (const CatalogueEntry& entry : catalogue) header.emplace_back(entry.code);
    ASSERT_EQ(table[0], header) << "the golden header must list the catalogue codes in catalogue order";

    auto ws = testing::sampleWorkspace(kGoldenDraws);
    int mismatches = 0;
    for (int r = 1; r <= kGoldenDraws; ++r) {
        ws->MainStore.SetRecNo(r);
        const auto& expected = table[r];
        ASSERT_EQ(expected[0], std::to_string(ws->MainStore.GetField(0)));
        for (std::size_t c = 0; c < catalogue.size(); ++c) {
            const int32_t value = indicatorValue(*ws, catalogue[c].code);
            if (std::to_string(value) == expected[c + 1]) continue;
            ADD_FAILURE() << "issue " << expected[0] << " code " << catalogue[c].code << ": expected "
                          << expected[c + 1] << ", got " << value;
            if (++mismatches >= kReportedMismatches) return;
        }
        ASSERT_EQ(ws->MainStore.RecNo(), r) << "the cursor must stay on the draw";
    }
}

}  // namespace
}  // namespace qorvel
