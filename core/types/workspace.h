// Workspace: the shared state of one run — program folder, lottery types and the current type's
// parameters, the four draw stores, the cold/hot settings and lists, and the small shared tables. The
// desktop program holds one; tests and the command-line tool make their own.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "draws/t_s_dm.h"
#include "engine/indicator_info.h"
#include "types/cold_hot.h"
#include "types/lottery_type.h"

namespace qorvel {

constexpr int kMaxNumberClassEntries = 30;
constexpr int kDeterminantOrderSize = 100;

struct NumberClassEntry {
    std::string name;
    uint8_t classes = 0;
    uint8_t firstClass = 0;
};

struct NumberClassTable {
    std::vector<NumberClassEntry> entries;  // at most kMaxNumberClassEntries
};

// The eight classifications offered at start: tails, odd/even, prime/composite, small/large, three and
// four zones, remainders by 3 and by 4.
NumberClassTable defaultNumberClassTable();

// "database\basedata" + slot + ".rec" below the folder.
std::filesystem::path drawFilePath(const std::filesystem::path& folder, int slot);

struct Workspace {
    std::filesystem::path ProgramFolder;
    LotteryTypeTable types;
    int CurrentType = 0;
    TypeParams params;
    ZoneBounds zones;

    t_s_dm MainStore;       // history of the current type
    t_s_dm ComboStore;      // working store of the combination page
    t_s_dm TransformStore;  // working store of the data transformation
    t_s_dm ChartStore;      // working store of a chart component

    ColdHotSettings coldHot;
    ColdHotLists coldHotLists;
    NumberClassTable numberClasses = defaultNumberClassTable();
    std::array<uint8_t, kDeterminantOrderSize> DeterminantOrder{};
    std::array<uint8_t, 7> LatestDraw{};
    bool dataTransformed = false;
    IndicatorInfo indicatorInfo;  // the last catalogue lookup, shared by all pages

    // ProgramFolder plus a relative path written with backslashes ("database\cps.typ").
    std::filesystem::path file(std::string_view relative) const;

    const LotteryType& currentType() const { return types.slots[CurrentType]; }
    const std::string& MainLabel() const { return currentType().MainLabel; }
    const std::string& SpecialLabel() const { return currentType().SpecialLabel; }

    // Loads (or creates) "database\cps.typ". Returns an error text, empty on success.
    std::string loadTypes();
    // Copies slot CurrentType into params, applies the label rule and rebuilds the zone bounds.
    void applyCurrentType(bool forTypeChange);
    // Points MainStore at the current slot's draw file and opens it.
    bool openMainStore();
    void resetDeterminantOrder();
    // Copies fields 1..7 of the last draw into LatestDraw (the cursor moves to the last draw).
    void captureLatestDraw();
};

// A private copy for work on another thread: the history, the current type and the tables as they are
// now. Its stores have no file name and no message handler, so nothing done to the copy can reach the
// user's draw file or a window.
std::shared_ptr<Workspace> privateWorkspaceCopy(const Workspace& ws);

}  // namespace qorvel
