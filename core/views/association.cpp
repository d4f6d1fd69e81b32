#include "views/association.h"

#include <algorithm>
#include <limits>

#include "engine/derived_series.h"
#include "engine/tgs.h"
#include "engine/tgs_memo.h"
#include "text/number_text.h"
#include "views/data_tables.h"

namespace qorvel {

namespace {

bool positionsMatch(const DrawRecord& draw, const AssociationFilter& filter, const TypeParams& params) {
    const int width = params.MainCount + params.SpecialCount;
    for (int k = 1; k <= kAssociationPositions; ++k) {
        const int v = filter.positions[static_cast<std::size_t>(k - 1)];
        if (v == kAnyValue) continue;
        if (filter.anyMainPosition && params.MainCount >= k) {
            bool found = false;
            for (int i = 1; i <= params.MainCount; ++i) found = found || draw.fields[static_cast<std::size_t>(i)] == v;
            if (!found) return false;
        } else if (k > width || draw.fields[static_cast<std::size_t>(k)] != v) {
            return false;
        }
    }
    return true;
}

AssociationSide sideOf(const DrawRecord& draw, int width) {
    AssociationSide side;
    side.issue = draw.fields[0];
    for (int i = 1; i <= width; ++i) side.numbers.push_back(draw.fields[static_cast<std::size_t>(i)]);
    return side;
}

std::optional<int32_t> evaluated(tgs& evaluator, const std::string& formula) {
    int32_t value = 0;
    if (!evaluator.evaluate(formula, value)) return std::nullopt;
    return value;
}

}  // namespace

std::string AssociationTable::cell(int row, int column) const {
    if (row < 0 || row >= static_cast<int>(rows.size()) || column < 0 || column >= columnCount()) return {};
    const AssociationRow& r = rows[static_cast<std::size_t>(row)];
    const bool nextHalf = column >= half();
    const AssociationSide* side = nextHalf ? (r.next ? &*r.next : nullptr) : &r.current;
    if (!side) return {};
    const int offset = column - (nextHalf ? half() : 0);
    if (offset == 0) return std::to_string(side->issue);
    if (offset <= width) return TwoDigitText(side->numbers[static_cast<std::size_t>(offset - 1)]);
    const std::optional<int32_t>& value = side->values[static_cast<std::size_t>(offset - 1 - width)];
    return value ? std::to_string(*value) : std::string();
}

std::vector<std::string> AssociationTable::cells(int row) const {
    std::vector<std::string> out;
    for (int c = 0; c < columnCount(); ++c) out.push_back(cell(row, c));
    return out;
}

AssociationTable buildAssociationTable(Workspace& ws, const AssociationFilter& filter, const PassProgress& progress) {
    AssociationTable table;
    const TypeParams& params = ws.params;
    table.width = params.MainCount + params.SpecialCount;
    table.indicators = static_cast<int>(filter.indicators.size());
    std::vector<std::string> captions = numberCaptions(ws);
    captions.resize(static_cast<std::size_t>(table.width));
    for (const char* issueCaption : {"本期期号", "下期期号"}) {
        table.header.push_back(issueCaption);
        table.header.insert(table.header.end(), captions.begin(), captions.end());
        for (int k = 1; k <= table.indicators; ++k) table.header.push_back("指标" + std::to_string(k));
    }

    std::vector<std::string> formulas;
    for (const AssociationIndicator& indicator : filter.indicators)
        formulas.emplace_back(trimBlanks(indicator.formula));

    t_s_dm& store = ws.MainStore;
    CursorReturn back(store);
    HistoryPass pass(ws);
    tgs evaluator(ws);
    const int count = store.Count();
    for (int r = 1; r <= count; ++r) {
        if (progress && r % kPassProgressRows == 0 && r < count && !progress(r, count)) {
            AssociationTable stopped;
            stopped.stopped = true;
            return stopped;
        }
        const DrawRecord& draw = store.Row(r);
        if (!positionsMatch(draw, filter, params)) continue;
        if (filter.issueTail != kAnyValue && draw.fields[0] % 10 != filter.issueTail) continue;
        AssociationSide current = sideOf(draw, table.width);
        store.SetRecNo(r);
        bool matches = true;
        for (std::size_t k = 0; k < formulas.size() && matches; ++k) {
            const std::optional<int32_t> value = evaluated(evaluator, formulas[k]);
            const AssociationIndicator& indicator = filter.indicators[k];
            matches = value && (!indicator.restricted ||
                                std::binary_search(indicator.allowed.begin(), indicator.allowed.end(), *value));
            current.values.push_back(value);
        }
        if (!matches) continue;
        AssociationRow row{std::move(current), std::nullopt};
        if (r < count) {
            AssociationSide next = sideOf(store.Row(r + 1), table.width);
            store.SetRecNo(r + 1);
            for (const std::string& formula : formulas) next.values.push_back(evaluated(evaluator, formula));
            row.next = std::move(next);
            ++table.withNext;
        }
        table.rows.push_back(std::move(row));
    }
    return table;
}

std::string associationCountText(const AssociationTable& table) {
    return "本期系列一共有" + std::to_string(table.rows.size()) + "条;" + "下期系列一共有" +
           std::to_string(table.withNext) + "条";
}

std::vector<std::string> associationExportLines(const AssociationTable& table, int mainCount, bool withSpecial) {
    std::vector<std::string> lines;
    for (const AssociationRow& row : table.rows) {
        if (!row.next) break;
        const AssociationSide& next = *row.next;
        std::string line = std::to_string(next.issue) + " ";
        const std::size_t numbers = withSpecial ? next.numbers.size()
                                                : std::min(next.numbers.size(), static_cast<std::size_t>(mainCount));
        for (std::size_t i = 0; i < numbers; ++i) line += TwoDigitText(next.numbers[i]) + " ";
        lines.push_back(std::move(line));
    }
    return lines;
}

std::optional<DissectionInput> associationColumnSeries(const AssociationTable& table, int column) {
    const int h = table.half();
    if (column <= 0 || column >= table.columnCount() || column == h) return std::nullopt;
    const bool nextHalf = column > h;
    const int offset = column - (nextHalf ? h : 0) - 1;  // 0..W-1 a number, W.. an indicator
    DissectionInput input;
    for (const AssociationRow& row : table.rows) {
        const AssociationSide* side = nextHalf ? (row.next ? &*row.next : nullptr) : &row.current;
        if (!side) continue;
        std::optional<int32_t> value;
        if (offset < table.width)
            value = side->numbers[static_cast<std::size_t>(offset)];
        else
            value = side->values[static_cast<std::size_t>(offset - table.width)];
        if (!value) continue;
        input.series.push_back(*value);
        input.issues.push_back(side->issue);
    }
    if (input.series.empty()) return std::nullopt;
    input.seriesMin = *std::min_element(input.series.begin(), input.series.end());
    input.seriesMax = *std::max_element(input.series.begin(), input.series.end());
    input.title = table.header[static_cast<std::size_t>(column)];
    input.cursorRow = std::max(1, static_cast<int>(input.series.size()) - kDissectionLeadDraws);
    return input;
}

}  // namespace qorvel
