// Cold/hot classification: each number is cold, warm or hot by how often it was drawn in a look-back
// period, with separate parameters for the main and the special numbers.
#pragma once

#include "draws/t_s_dm.h"
#include "engine/containers.h"
#include "types/lottery_type.h"
#include "types/settings_store.h"

namespace qorvel {

struct ColdHotSettings {
    int qs = 20;       // main period, the draw itself included
    int coldcs = 4;    // main: at most this many appearances is cold
    int hotcs = 8;     // main: at least this many is hot
    int f_qs = 20;     // special period
    int f_coldcs = 1;  // special cold limit
    int f_hotcs = 5;   // special hot limit
};

struct ColdHotLists {
    tseqlist mainCold, mainHot, mainWarm;
    tseqlist specialCold, specialHot, specialWarm;
};

// Reads the six values, first writing the default of every value the store lacks.
ColdHotSettings readColdHotSettings(SettingsStore& store);
// Writes one zone's three values (main: qs/coldcs/hotcs, special: f_qs/f_coldcs/f_hotcs).
void writeColdHotSettings(SettingsStore& store, const ColdHotSettings& settings, bool mainZone);

// Classifies the numbers at issue x. When x is not in the store the lists keep their content. The store's
// cursor returns to the draw it was on.
void classifyColdHot(t_s_dm& store, const TypeParams& params, const ColdHotSettings& settings, int issue,
                     ColdHotLists& lists);

}  // namespace qorvel
