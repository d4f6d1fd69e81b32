#include "combos/result_forecast.h"

#include <algorithm>

#include "draws/forecast_row.h"
#include "draws/history_edit.h"

namespace qorvel {

const char* const kSelectRowMessage = "请先在上边的列表中选择一组号码";

namespace {

// The original of each number through one mapping row (the number itself without a transformation).
class BackMapping {
public:
    BackMapping(const Workspace& ws, bool active)
        : ws_(ws), active_(active), row_(active_ ? lastRealDrawRow(ws.MainStore) : 0) {}
    BackMapping(const Workspace& ws, const DataTransform& transform) : BackMapping(ws, transform.level(ws) >= 1) {}
    int32_t operator()(int32_t x) const {
        return active_ ? originalNumber(ws_.TransformStore, row_, x, ws_.params) : x;
    }

private:
    const Workspace& ws_;
    bool active_;
    int row_;
};

}  // namespace

std::string addMainResultToForecast(t_s_dm& store, const TypeParams& params, const ResultSet& results, int k) {
    if (k < 1 || k > results.count()) return kSelectRowMessage;
    std::vector<int> mains;
    for (int i = 0; i < std::clamp(params.MainCount, 0, kCombinationBytes); ++i)
        mains.push_back(results.slot(k).bytes[static_cast<std::size_t>(i)]);
    return writeForecastRow(store, params, mains);
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

namespace {

void restoreThrough(const BackMapping& back, const Workspace& ws, ResultSet& results) {
    const int n = std::clamp(ws.params.MainCount, 0, kCombinationBytes);
    for (int k = 1; k <= results.count(); ++k) {
        auto& bytes = results.slot(k).bytes;
        for (int i = 0; i < n; ++i) bytes[static_cast<std::size_t>(i)] = static_cast<uint8_t>(back(bytes[static_cast<std::size_t>(i)]));
        std::sort(bytes.begin(), bytes.begin() + n);
    }
}

}  // namespace

void restoreOriginalResults(const Workspace& ws, const DataTransform& transform, ResultSet& results) {
    restoreThrough(BackMapping(ws, transform), ws, results);
}

void restoreOriginalResults(const Workspace& ws, ResultSet& results) {
    restoreThrough(BackMapping(ws, ws.dataTransformed), ws, results);
}

void restoreOriginalDualResults(const Workspace& ws, const DataTransform& transform, DualResultSet& results) {
    const BackMapping back(ws, transform);
    for (DualTicket& t : results.tickets()) {
        for (int32_t& x : t.main) x = back(x);
        std::sort(t.main.begin(), t.main.end());
    }
}

}  // namespace qorvel
