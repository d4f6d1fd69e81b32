#include "combos/result_forecast.h"

#include <algorithm>

#include "draws/history_edit.h"

namespace qorvel {

const char* const kSelectRowMessage = "请先在上边的列表中选择一组号码";

namespace {

constexpr int kForecastSpecialFiller1 = 1;  // the special numbers written with a main ticket
constexpr int kForecastSpecialFiller2 = 2;

// The original of each number through one mapping row (the number itself without a transformation).
class BackMapping {
public:
    BackMapping(const Workspace& ws, const DataTransform& transform)
        : ws_(ws), active_(transform.level(ws) >= 1), row_(active_ ? lastRealDrawRow(ws.MainStore) : 0) {}
    int32_t operator()(int32_t x) const {
        return active_ ? originalNumber(ws_.TransformStore, row_, x, ws_.params) : x;
    }

private:
    const Workspace& ws_;
    bool active_;
    int row_;
};

}  // namespace

void writeForecastFields(t_s_dm& store, int mainCount, const std::vector<int32_t>& mains,
                         const std::vector<int32_t>& specials) {
    int row = 0;
    for (int r = store.Count(); r >= 1 && row == 0; --r)
        if (store.Row(r).fields[0] == kForecastIssue) row = r;
    const int cursor = store.RecNo();
    if (row == 0) {
        row = store.Count() + 1;
        store.SetCount(row);
        store.MutableRow(row) = DrawRecord{};
        if (cursor == 0) store.SetRecNo(row);
    }
    DrawFields& f = store.MutableRow(row).fields;
    const int n = std::clamp(mainCount, 0, kDrawFields - 1);
    for (std::size_t i = 0; i < mains.size() && static_cast<int>(i) < n; ++i) f[1 + i] = mains[i];
    for (std::size_t i = 0; i < specials.size() && n + 1 + static_cast<int>(i) < kDrawFields; ++i)
        f[static_cast<std::size_t>(n + 1) + i] = specials[i];
    f[0] = kForecastIssue;
    store.SetRecNo(cursor);
}

std::string addMainResultToForecast(t_s_dm& store, const TypeParams& params, const ResultSet& results, int k) {
    if (k < 1 || k > results.count()) return kSelectRowMessage;
    std::vector<int32_t> mains;
    for (int i = 0; i < std::clamp(params.MainCount, 0, kCombinationBytes); ++i) mains.push_back(results.slot(k).bytes[static_cast<std::size_t>(i)]);
    writeForecastFields(store, params.MainCount, mains, {kForecastSpecialFiller1, kForecastSpecialFiller2});
    return {};
}

std::string addSpecialResultToForecast(t_s_dm& store, const TypeParams& params, const SpecialResultSet& results,
                                       int k) {
    if (k < 1 || k > results.count()) return kSelectRowMessage;
    writeForecastFields(store, params.MainCount, {}, results.numbers(k, params.SpecialCount));
    return {};
}

std::string addDualResultToForecast(t_s_dm& store, const TypeParams& params, const DualResultSet& results, int k) {
    if (k < 1 || k > results.count()) return kSelectRowMessage;
    writeForecastFields(store, params.MainCount, results.at(k).main, results.at(k).special);
    return {};
}

void restoreOriginalResults(const Workspace& ws, const DataTransform& transform, ResultSet& results) {
    const BackMapping back(ws, transform);
    const int n = std::clamp(ws.params.MainCount, 0, kCombinationBytes);
    for (int k = 1; k <= results.count(); ++k) {
        auto& bytes = results.slot(k).bytes;
        for (int i = 0; i < n; ++i) bytes[static_cast<std::size_t>(i)] = static_cast<uint8_t>(back(bytes[static_cast<std::size_t>(i)]));
        std::sort(bytes.begin(), bytes.begin() + n);
    }
}

void restoreOriginalDualResults(const Workspace& ws, const DataTransform& transform, DualResultSet& results) {
    const BackMapping back(ws, transform);
    for (DualTicket& t : results.tickets()) {
        for (int32_t& x : t.main) x = back(x);
        std::sort(t.main.begin(), t.main.end());
    }
}

}  // namespace qorvel
