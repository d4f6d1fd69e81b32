#include "draws/history_fixture.h"

#include "text/file_io.h"

namespace qorvel::testing {

TypeParams sixOf33() { return TypeParams{}; }

TypeParams fiveOf22() {
    TypeParams p;
    p.MainCount = 5;
    p.MainTo = 22;
    p.SpecialCount = 0;
    p.HasSpecial = false;
    return p;
}

HistoryFixture::HistoryFixture(const std::vector<std::vector<int>>& draws, TypeParams params) {
    ws.ProgramFolder = dir_.path();
    ws.types.slots[0].Name = "双色球";
    ws.applyCurrentType(true);
    ws.params = params;
    ws.zones = buildZoneBounds(params.MainTo);
    ws.MainStore.SetFileName(drawFilePath(ws.ProgramFolder, 0));
    fillStore(ws.MainStore, draws);
    ws.MainStore.SortAndSave();
    ws.MainStore.Last();
}

std::string HistoryFixture::fileBytes() const {
    return readFileBytes(ws.MainStore.FileName()).value_or("<missing>");
}

std::vector<std::vector<int>> storeDraws(const t_s_dm& store, int numbers) {
    std::vector<std::vector<int>> out;
    for (int r = 1; r <= store.Count(); ++r) {
        const auto& f = store.Row(r).fields;
        out.emplace_back(f.begin(), f.begin() + 1 + numbers);
    }
    return out;
}

std::vector<std::vector<int>> HistoryFixture::draws(int numbers) const { return storeDraws(ws.MainStore, numbers); }

std::vector<std::vector<int>> HistoryFixture::fileDraws(int numbers) const {
    t_s_dm copy;
    copy.SetFileName(ws.MainStore.FileName());
    copy.Open();
    return storeDraws(copy, numbers);
}

}  // namespace qorvel::testing
