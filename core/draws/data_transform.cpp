#include "draws/data_transform.h"

#include <algorithm>
#include <optional>

#include "draws/history_edit.h"

namespace qorvel {
namespace {

// How many numbers the main range holds, i.e. the length of a mapping row (at most fields 1..50).
int rangeSize(const TypeParams& params) {
    return std::clamp(params.MainTo - params.MainFrom + 1, 0, kDrawFields - 1);
}

bool validRow(const t_s_dm& store, int row) { return row >= 1 && row <= store.Count(); }

std::vector<int> sortedMains(const DrawFields& fields, int mainCount) {
    std::vector<int> mains(fields.begin() + 1, fields.begin() + 1 + std::clamp(mainCount, 0, kDrawFields - 1));
    std::sort(mains.begin(), mains.end());
    return mains;
}

void writeMains(DrawFields& fields, const std::vector<int>& mains) {
    for (std::size_t i = 0; i < mains.size() && i + 1 < fields.size(); ++i) fields[i + 1] = mains[i];
}

// The ordering that follows `order` once a draw with these (shuffled) numbers has appeared: the draw's
// numbers first, in their order, then the rest of the old ordering.
std::vector<int> afterDraw(const std::vector<int>& order, const std::vector<int>& drawn, const TypeParams& params) {
    std::vector<bool> taken(static_cast<std::size_t>(rangeSize(params)) + 1, false);
    std::vector<int> next;
    next.reserve(order.size());
    for (int x : drawn) {
        const int index = x - params.MainFrom + 1;
        if (index < 1 || index > rangeSize(params) || taken[static_cast<std::size_t>(index)]) continue;
        taken[static_cast<std::size_t>(index)] = true;
        next.push_back(x);
    }
    for (int x : order)
        if (!taken[static_cast<std::size_t>(x - params.MainFrom + 1)]) next.push_back(x);
    return next;
}

}  // namespace

void shuffleS(std::vector<int>& a, int b) {
    const int d = static_cast<int>(a.size());
    if (d < 2) return;
    if (b >= 1 && b <= d) std::swap(a[0], a[static_cast<std::size_t>(b - 1)]);
    for (int j = 1; j <= d - 2; ++j) {
        const int t = ((a[static_cast<std::size_t>(j - 1)] - 1) % (d - 1)) + 2;
        // Only a negative number could point outside the array; such a step is left out.
        if (t >= 1 && t <= d) std::swap(a[static_cast<std::size_t>(j)], a[static_cast<std::size_t>(t - 1)]);
    }
}

void buildMappingStore(const t_s_dm& history, const TypeParams& params, int level, t_s_dm& mapping) {
    mapping.Clear(false);
    // Row r lists the numbers by when they were last met walking back from draw r - 1, so each row is
    // the row before it with draw r - 1's numbers moved to the front.
    std::vector<int> order(static_cast<std::size_t>(rangeSize(params)));
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = params.MainFrom + static_cast<int>(i);
    for (int r = 1; r <= history.Count(); ++r) {
        DrawFields fields{};
        writeMains(fields, order);
        appendDrawRow(mapping, fields);
        std::vector<int> drawn = sortedMains(history.Row(r).fields, params.MainCount);
        shuffleS(drawn, kDrawShuffle);
        order = afterDraw(order, drawn, params);
    }
    if (level >= 2) {
        for (int r = 1; r <= mapping.Count(); ++r) {
            DrawFields& fields = mapping.MutableRow(r).fields;
            std::vector<int> row(fields.begin() + 1, fields.begin() + 1 + rangeSize(params));
            shuffleS(row, level - 1);
            writeMains(fields, row);
        }
    }
    mapping.Last();
}

int transformedNumber(const t_s_dm& mapping, int row, int number, const TypeParams& params) {
    if (!validRow(mapping, row)) return number;
    const DrawFields& fields = mapping.Row(row).fields;
    for (int index = 1; index <= rangeSize(params); ++index)
        if (fields[index] == number) return params.MainFrom + index - 1;
    return number;
}

int originalNumber(const t_s_dm& mapping, int row, int transformed, const TypeParams& params) {
    const int index = transformed - params.MainFrom + 1;
    if (!validRow(mapping, row) || index < 1 || index > rangeSize(params)) return transformed;
    return mapping.Row(row).fields[index];
}

std::string transformCaption(const std::string& typeName, int level) {
    return level >= 1 ? typeName + "(变换数据" + std::to_string(level) + ")" : typeName + "(原始数据)";
}

TransformOutcome DataTransform::apply(Workspace& ws, int k, SelectionFlags& selection) {
    TransformOutcome outcome;
    if (k < 0 || k > kTransformLevels) {
        outcome.error = "没有这种数据变换";
        return outcome;
    }
    const TypeParams& p = ws.params;
    t_s_dm& store = ws.MainStore;
    t_s_dm& mapping = ws.TransformStore;
    const int current = level(ws);

    // The forecast row and the selection survive the change, remembered in the draw file's terms.
    std::optional<DrawFields> forecast;
    store.Last();
    if (store.Count() >= 1 && store.Row(store.Count()).fields[0] == kForecastIssue) {
        forecast = store.Row(store.Count()).fields;
        std::vector<int> mains = sortedMains(*forecast, p.MainCount);
        if (current >= 1)
            for (int& x : mains) x = originalNumber(mapping, store.Count() - 1, x, p);
        std::sort(mains.begin(), mains.end());
        writeMains(*forecast, mains);
    }
    std::vector<int> remembered = selectedNumbers(selection);
    if (current >= 1)
        for (int& x : remembered) x = originalNumber(mapping, mapping.Count(), x, p);

    if (!store.Open()) {
        outcome.error = store.lastError();
        outcome.caption = transformCaption(ws.currentType().Name, current);
        outcome.dataUpdateEnabled = current == 0;
        return outcome;
    }
    if (forecast) {
        // A draw file saved while a forecast row existed already holds one; it is replaced, not doubled.
        if (store.Count() >= 1 && store.Row(store.Count()).fields[0] == kForecastIssue)
            store.MutableRow(store.Count()).fields = *forecast;
        else
            appendDrawRow(store, *forecast);
    }

    buildMappingStore(store, p, k, mapping);
    if (k >= 1) {
        for (int i = 2; i <= store.Count(); ++i) {
            DrawFields& fields = store.MutableRow(i).fields;
            std::vector<int> mains = sortedMains(fields, p.MainCount);
            for (int& x : mains) x = transformedNumber(mapping, i - 1, x, p);
            std::sort(mains.begin(), mains.end());
            writeMains(fields, mains);
        }
    }
    store.Last();

    level_ = k;
    ws.dataTransformed = k != 0;
    outcome.caption = transformCaption(ws.currentType().Name, k);
    outcome.dataUpdateEnabled = k == 0;

    selection.fill(false);
    for (int v : remembered) {
        const int s = k >= 1 ? transformedNumber(mapping, mapping.Count(), v, p) : v;
        if (s >= 1 && s <= kSelectionNumbers) selection[static_cast<std::size_t>(s)] = true;
    }
    return outcome;
}

std::vector<int> DataTransform::originalCombination(const Workspace& ws, std::vector<int> numbers) const {
    if (level(ws) >= 1) {
        // The coming draw follows the last real draw, so it maps through that draw's mapping row.
        const int row = lastRealDrawRow(ws.MainStore);
        for (int& x : numbers) x = originalNumber(ws.TransformStore, row, x, ws.params);
    }
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

}  // namespace qorvel
