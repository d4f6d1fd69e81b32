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
