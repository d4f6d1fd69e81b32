#include "engine/custom_indicators.h"

#include <algorithm>

#include "engine/tgs.h"
#include "engine/tgs_memo.h"
#include "text/file_io.h"
#include "text/number_text.h"

namespace qorvel {

CustomIndicator splitIndicatorLine(std::string_view line) {
    line = trimBlanks(line);
    std::size_t space = line.find(' ');
    if (space == std::string_view::npos) return {std::string(line), {}};
    return {std::string(line.substr(0, space)), std::string(trimBlanks(line.substr(space + 1)))};
}

std::string indicatorLine(std::string_view formula, std::string_view name) {
    std::string line(trimBlanks(formula));
    line.append(kCustomIndicatorGap, ' ');
    line += trimBlanks(name);
    return std::string(trimBlanks(line));
}

std::vector<std::string> loadIndicatorLines(const std::filesystem::path& folder) {
    auto bytes = readFileBytes(programPath(folder, kCustomIndicatorFile));
    if (!bytes) return {};
    return readGbkLines(*bytes);
}

std::string saveIndicatorLines(const std::filesystem::path& folder, const std::vector<std::string>& lines) {
    return writeFileAtomically(programPath(folder, kCustomIndicatorFile), joinGbkLines(lines));
}

DissectionSeries computeDissectionSeries(Workspace& ws, std::string_view expression, const PassProgress& progress) {
    DissectionSeries out;
    t_s_dm& store = ws.MainStore;
    const int count = store.Count();
    const int startRow = store.RecNo();
    // A formula may read the value column ("test") of earlier draws, which this pass rewrites as it goes;
    // the old column is kept so a stopped pass can put it back.
    std::vector<int32_t> oldValues;
    if (progress) {
        oldValues.reserve(static_cast<std::size_t>(count));
        for (int r = 1; r <= count; ++r) oldValues.push_back(store.Row(r).value);
    }
    HistoryPass pass(ws);
    tgs evaluator(ws);
    for (int r = 1; r <= count; ++r) {
        store.SetRecNo(r);
        int32_t value = 0;
        if (!evaluator.evaluate(expression, value)) {
            out.error = evaluator.errorText();
            out.failedRow = r;
            return out;
        }
        store.SetValue(value);
        pass.valueColumnChangedFrom(r);
        out.lowest = std::min(out.lowest, value);
        out.highest = std::max(out.highest, value);
        if (progress && r % kPassProgressRows == 0 && r < count && !progress(r, count)) {
            for (int k = 1; k <= r; ++k) store.MutableRow(k).value = oldValues[static_cast<std::size_t>(k - 1)];
            store.SetRecNo(startRow);
            DissectionSeries stopped;
            stopped.stopped = true;
            return stopped;
        }
    }
    if (count > 0) store.SetRecNo(std::max(1, count - kDissectionCursorBack));
    out.ok = true;
    return out;
}

DissectionRange widenedRange(int32_t low, int32_t high, int mainCount) {
    return DissectionRange{low, low == high ? low + mainCount - 1 : high};
}

std::optional<DissectionRange> dissectionRange(const DissectionSeries& series, std::string_view fromText,
                                               std::string_view toText, int mainCount) {
    std::string_view from = trimBlanks(fromText);
    std::string_view to = trimBlanks(toText);
    if (!from.empty() && !to.empty()) {
        auto low = parseWholeNumber(from);
        auto high = parseWholeNumber(to);
        if (!low || !high) return std::nullopt;
        return widenedRange(*low, *high, mainCount);
    }
    return widenedRange(series.lowest, series.highest, mainCount);
}

}  // namespace qorvel
