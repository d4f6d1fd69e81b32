#include "views/omission_table.h"

#include <algorithm>

#include "engine/segment_statistic.h"
#include "text/number_text.h"
#include "views/view_text.h"

namespace qorvel {
namespace {

// Walks one column down the rows, filling its cells and statistics.
class ColumnWalk {
public:
    void step(bool drawn, int label, OmissionCell& cell) {
        if (drawn) {
            cell = {true, label};
            ++stats_.occurrences;
            if (!first_) record(previousDrawn_ ? 0 : previousValue_);
        } else {
            cell = {false, (first_ || previousDrawn_) ? 1 : previousValue_ + 1};
        }
        first_ = false;
        previousDrawn_ = drawn;
        previousValue_ = cell.value;
    }
    OmissionColumnStatistics finish() {
        if (recorded_ > 0) {
            stats_.maxOmission = maxOmission_;
            stats_.averageOmission = static_cast<int>(roundHalfToEven(sum_, stats_.occurrences));
        }
        stats_.currentOmission = (first_ || previousDrawn_) ? 0 : previousValue_;
        return stats_;
    }

private:
    void record(int omission) {
        stats_.lastOmission = omission;
        sum_ += omission;
        maxOmission_ = recorded_ == 0 ? omission : std::max(maxOmission_, omission);
        ++recorded_;
    }

    OmissionColumnStatistics stats_;
    bool first_ = true, previousDrawn_ = false;
    int previousValue_ = 0;
    int64_t sum_ = 0;
    int maxOmission_ = 0, recorded_ = 0;
};

// Rows fromRow..toRow of `rowCount` (1-based); issue(row) is the draw's issue, present(row, value) says
// whether the column value occurs in the draw, text(row) is the last column. `table` brings the ordering
// and captions.
template <class Issue, class Present, class Text>
OmissionTable buildTable(OmissionTable table, int rowCount, int fromRow, int toRow, Issue&& issue,
                         Present&& present, Text&& text) {
    const std::vector<int>& columns = table.ordering.numbers;
    std::vector<ColumnWalk> walks(columns.size());
    const int first = std::max(fromRow, 1), last = std::min(toRow, rowCount);
    for (int r = first; r <= last; ++r) {
        OmissionRow row;
        row.issue = issue(r);
        row.issueText = issueCaption(row.issue);
        row.cells.resize(columns.size());
        for (std::size_t s = 0; s < columns.size(); ++s)
            walks[s].step(present(r, columns[s]), columns[s], row.cells[s]);
        row.numbersText = text(r);
        table.rows.push_back(std::move(row));
    }
    for (auto& walk : walks) table.statistics.push_back(walk.finish());
    return table;
}

auto storeIssue(const t_s_dm& store) {
    return [&store](int r) { return store.Row(r).fields[0]; };
}

}  // namespace

std::vector<std::string> OmissionTable::header() const {
    std::vector<std::string> captions = {kOmissionIssueCaption};
    for (std::size_t s = 0; s < ordering.numbers.size(); ++s) captions.push_back(columnCaption(static_cast<int>(s)));
    captions.push_back(lastCaption);
    return captions;
}

std::string OmissionTable::columnCaption(int slot) const {
    const int n = ordering.NumberAtPosition(slot + 1);
    return tails ? std::to_string(n) : TwoDigitText(n);
}

std::string OmissionTable::cellText(const OmissionCell& cell) const {
    if (cell.drawn) return tails ? std::to_string(cell.value) : TwoDigitText(cell.value);
    return std::to_string(cell.value);
}

std::vector<std::vector<std::string>> OmissionTable::statisticsRows() const {
    using Field = int OmissionColumnStatistics::*;
    constexpr Field fields[] = {&OmissionColumnStatistics::occurrences, &OmissionColumnStatistics::maxOmission,
                                &OmissionColumnStatistics::averageOmission, &OmissionColumnStatistics::lastOmission,
                                &OmissionColumnStatistics::currentOmission};
    std::vector<std::vector<std::string>> rows;
    for (std::size_t k = 0; k < kOmissionStatisticsCaptions.size(); ++k) {
        std::vector<std::string> row = {kOmissionStatisticsCaptions[k]};
        for (const auto& s : statistics) row.push_back(std::to_string(s.*fields[k]));
        rows.push_back(std::move(row));
    }
    return rows;
}

std::vector<int> OmissionTable::drawnColumns() const {
    std::vector<int> columns;
    columns.reserve(rows.size());
    for (const OmissionRow& row : rows) {
        const auto drawn = std::find_if(row.cells.begin(), row.cells.end(), [](const OmissionCell& c) { return c.drawn; });
        columns.push_back(drawn == row.cells.end() ? -1 : static_cast<int>(drawn - row.cells.begin()));
    }
    return columns;
}

int omissionDefaultFromRow(int drawCount) {
    return drawCount > kOmissionTableRows ? drawCount - kOmissionTableRows + 1 : 1;
}

OmissionTable buildNumberOmissionTable(const t_s_dm& store, const TypeParams& params, int fromRow, int toRow,
                                       int kind) {
    const int count = std::clamp(params.MainCount, 0, kDrawFields - 1);
    auto present = [&](int r, int n) {
        const auto& f = store.Row(r).fields;
        return std::find(f.begin() + 1, f.begin() + 1 + count, n) != f.begin() + 1 + count;
    };
    auto text = [&](int r) {
        std::vector<int> numbers(store.Row(r).fields.begin() + 1, store.Row(r).fields.begin() + 1 + count);
        return numbersFollowedBy(numbers, " ");
    };
    OmissionTable table;
    table.ordering = OrderNumbersByCategory(kind, params.MainFrom, params.MainTo);
    return buildTable(std::move(table), store.Count(), fromRow, toRow, storeIssue(store), present, text);
}

OmissionTable buildTailOmissionTable(const t_s_dm& store, const TypeParams& params, int fromRow, int toRow,
                                     int kind) {
    const int count = std::clamp(params.MainCount, 0, kDrawFields - 1);
    auto present = [&](int r, int tail) {
        const auto& f = store.Row(r).fields;
        for (int i = 1; i <= count; ++i)
            if (f[i] % kTailCount == tail) return true;
        return false;
    };
    auto text = [&](int r) {
        std::string line;
        for (int i = 1; i <= count; ++i) {
            if (i > 1) line += ' ';
            line += std::to_string(store.Row(r).fields[i] % kTailCount);
        }
        return line;
    };
    OmissionTable table;
    table.tails = true;
    table.ordering = OrderNumbersByCategory(kind, 0, kTailCount - 1);
    return buildTable(std::move(table), store.Count(), fromRow, toRow, storeIssue(store), present, text);
}

bool valueRangeTooWide(int32_t minValue, int32_t maxValue) {
    return static_cast<int64_t>(maxValue) - minValue + 1 > kMaxValueColumns;
}

OmissionTable buildValueOmissionTable(const std::vector<int32_t>& series, const std::vector<int32_t>& issues,
                                      int32_t minValue, int32_t maxValue, int fromRow, int toRow, int kind) {
    OmissionTable table;
    table.lastCaption = kOmissionValueCaption;
    if (valueRangeTooWide(minValue, maxValue)) return table;
    table.ordering = OrderNumbersByCategory(kind, minValue, maxValue);
    const int count = static_cast<int>(std::min(series.size(), issues.size()));
    auto issue = [&](int r) { return issues[static_cast<std::size_t>(r - 1)]; };
    auto present = [&](int r, int value) { return series[static_cast<std::size_t>(r - 1)] == value; };
    auto text = [&](int r) { return TwoDigitText(series[static_cast<std::size_t>(r - 1)]); };
    return buildTable(std::move(table), count, fromRow, toRow, issue, present, text);
}

}  // namespace qorvel
