#include "views/data_tables.h"

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <iterator>

#include "engine/indicators.h"
#include "text/number_text.h"
#include "views/temperature_window.h"
#include "views/view_text.h"

namespace qorvel {
namespace {

constexpr int kTails = 10;
constexpr int kRoads = 3;
constexpr const char* kListEnd = ",";
constexpr const char* kRunSeparator = " | ";
constexpr int kZoneSplits[] = {3, 5, 7};
constexpr int kRemainderDivisors[] = {3, 4, 5};
constexpr const char* kZoneCaptions[] = {"三区比", "五区比", "七区比"};
constexpr const char* kRemainderCaptions[] = {"除三余数比", "除四余数比", "除五余数比"};

// One draw's numbers and what the cells read about it.
struct RowContext {
    const Workspace& ws;
    const DrawContext& c;
    int r;
    std::vector<int> mains, specials;
};

using CellFunction = std::function<std::string(const RowContext&)>;

struct Column {
    std::string caption;
    CellFunction cell;
};

std::vector<int> numbersWhere(const std::vector<int>& numbers, const std::function<bool(int)>& keep) {
    std::vector<int> out;
    std::copy_if(numbers.begin(), numbers.end(), std::back_inserter(out), keep);
    return out;
}

std::string joinGroups(const std::vector<std::vector<int>>& groups) {
    std::string text;
    for (const auto& g : groups) {
        if (!text.empty()) text += kRunSeparator;
        text += numbersJoined(g, ",");
    }
    return text;
}

std::string consecutiveRuns(const std::vector<int>& numbers) {
    std::vector<std::vector<int>> runs;
    std::vector<int> run;
    for (int n : numbers) {
        if (!run.empty() && n != run.back() + 1) {
            if (run.size() >= 2) runs.push_back(run);
            run.clear();
        }
        run.push_back(n);
    }
    if (run.size() >= 2) runs.push_back(run);
    return joinGroups(runs);
}

std::string sameTailGroups(const std::vector<int>& numbers) {
    std::vector<std::vector<int>> groups;
    for (int t = 0; t < kTails; ++t) {
        auto g = numbersWhere(numbers, [t](int n) { return n % kTails == t; });
        if (g.size() >= 2) groups.push_back(std::move(g));
    }
    return joinGroups(groups);
}

std::string adjacentGaps(const std::vector<int>& numbers) {
    std::vector<int> gaps;
    for (std::size_t i = 1; i < numbers.size(); ++i) gaps.push_back(numbers[i] - numbers[i - 1]);
    return numbersFollowedBy(gaps, kListEnd);
}

std::string neighboursOfPrevious(const RowContext& x) {
    if (!x.c.hasPrevious(x.r)) return {};
    const int32_t* before = x.c.mainNumbers(x.r - 1);
    return numbersFollowedBy(numbersWhere(x.mains,
                                          [&](int n) {
                                              for (int i = 0; i < x.c.mainCount; ++i)
                                                  if (std::abs(n - before[i]) == 1) return true;
                                              return false;
                                          }),
                             kListEnd);
}

int sum(const std::vector<int>& numbers) {
    int s = 0;
    for (int n : numbers) s += n;
    return s;
}

int tailSum(const std::vector<int>& numbers) {
    int s = 0;
    for (int n : numbers) s += n % kTails;
    return s;
}

CellFunction code(std::string_view name) {
    const CatalogueEntry* entry = findCatalogueEntry(name);
    return [entry](const RowContext& x) {
        return std::to_string(entry ? kernelValue(x.c, x.r, entry->kernel, entry->arg) : kUnknownIndicator);
    };
}

CellFunction split(const std::function<bool(int)>& first) {
    return [first](const RowContext& x) {
        const int a = static_cast<int>(numbersWhere(x.mains, first).size());
        return ratioText({a, static_cast<int>(x.mains.size()) - a});
    };
}

CellFunction listWhere(const std::function<bool(int)>& keep) {
    return [keep](const RowContext& x) { return numbersFollowedBy(numbersWhere(x.mains, keep), kListEnd); };
}

std::vector<Column> tableOneColumns() {
    auto odd = [](int n) { return n % 2 != 0; };
    auto even = [](int n) { return n % 2 == 0; };
    auto prime = [](int n) { return isPrime(n); };
    auto composite = [](int n) { return !isPrime(n); };
    return {
        {"跨度", [](const RowContext& x) { return std::to_string(x.mains.empty() ? 0 : x.mains.back() - x.mains.front()); }},
        {"尾组个数", code("z_wzgs")},
        {"连号组数", code("z_lmzs")},
        {"重复号数", code("z_cmgs")},
        {"邻号组数", code("z_nmzs")},
        {"主区奇偶比", split(odd)},
        {"主区奇数号", listWhere(odd)},
        {"主区偶数号", listWhere(even)},
        {"主区质合比", split(prime)},
        {"主区质数号", listWhere(prime)},
        {"主区合数号", listWhere(composite)},
        {"主区连续号", [](const RowContext& x) { return consecutiveRuns(x.mains); }},
        {"主区同尾号", [](const RowContext& x) { return sameTailGroups(x.mains); }},
        {"主区邻位间距", [](const RowContext& x) { return adjacentGaps(x.mains); }},
        {"最大邻位间距", code("z_zdjj")},
        {"最小邻位间距", code("z_zxjj")},
        {"邻位间距个数", code("z_jjgs")},
        {"和值", [](const RowContext& x) { return std::to_string(sum(x.mains)); }},
        {"和值012路", [](const RowContext& x) { return std::to_string(sum(x.mains) % kRoads); }},
        {"尾和", [](const RowContext& x) { return std::to_string(tailSum(x.mains)); }},
        {"尾和012路", [](const RowContext& x) { return std::to_string(tailSum(x.mains) % kRoads); }},
        {"邻位号", neighboursOfPrevious},
    };
}

std::vector<Column> tableTwoColumns() {
    std::vector<Column> columns;
    columns.push_back({"小大比", [](const RowContext& x) {
                           const int bound = x.ws.zones.forCount(2).size() > 1 ? x.ws.zones.forCount(2)[1] : 0;
                           return split([bound](int n) { return n <= bound; })(x);
                       }});
    for (int k = 0; k < 3; ++k)
        columns.push_back({kZoneCaptions[k], [zones = kZoneSplits[k]](const RowContext& x) {
                               std::vector<int> counts(static_cast<std::size_t>(zones), 0);
                               for (int n : x.mains) {
                                   const int z = x.ws.zones.zoneOf(zones, n);
                                   if (z >= 1) ++counts[z - 1];
                               }
                               return ratioText(counts);
                           }});
    for (int k = 0; k < 3; ++k)
        columns.push_back({kRemainderCaptions[k], [d = kRemainderDivisors[k]](const RowContext& x) {
                               std::vector<int> counts(static_cast<std::size_t>(d), 0);
                               for (int n : x.mains) ++counts[std::abs(n % d)];
                               return ratioText(counts);
                           }});
    return columns;
}

// The five temperature columns of one zone; numbers(x) picks the zone's numbers of the draw.
void addTemperatureColumns(std::vector<Column>& columns, const std::string& prefix, bool special) {
    auto rule = [special](const RowContext& x) {
        return special ? specialTemperatureRule(x.ws.params, x.ws.coldHot)
                       : mainTemperatureRule(x.ws.params, x.ws.coldHot);
    };
    auto drawn = [special](const RowContext& x) -> const std::vector<int>& { return special ? x.specials : x.mains; };
    // The classification that stood before this draw: at the previous draw, the first draw by itself.
    auto before = [rule](const RowContext& x) {
        return temperaturesAt(*x.c.store, rule(x), std::max(x.r - 1, 1));
    };
    auto ofKind = [before, drawn](Temperature kind) {
        return [=](const RowContext& x) {
            const auto t = before(x);
            return numbersFollowedBy(numbersWhere(drawn(x), [&](int n) {
                                         return n >= 1 && n < static_cast<int>(t.size()) && t[n] == kind;
                                     }),
                                     kListEnd);
        };
    };
    columns.push_back({prefix + "冷温热比", [before, drawn](const RowContext& x) {
                           const auto t = before(x);
                           std::vector<int> counts(3, 0);  // cold, warm, hot
                           for (int n : drawn(x))
                               if (n >= 1 && n < static_cast<int>(t.size())) ++counts[2 - static_cast<int>(t[n])];
                           return ratioText(counts);
                       }});
    columns.push_back({prefix + "本期开奖冷号", ofKind(Temperature::Cold)});
    columns.push_back({prefix + "本期开奖温号", ofKind(Temperature::Warm)});
    columns.push_back({prefix + "本期开奖热号", ofKind(Temperature::Hot)});
    columns.push_back({prefix + "下期冷温热号", [rule](const RowContext& x) {
                           const auto t = temperaturesAt(*x.c.store, rule(x), x.r);
                           std::vector<int> lists[3];  // indexed by tile: hot, warm, cold
                           for (int n = 1; n < static_cast<int>(t.size()); ++n)
                               lists[static_cast<int>(t[n])].push_back(n);
                           return "冷号：" + numbersFollowedBy(lists[2], kListEnd) + " 温号：" +
                                  numbersFollowedBy(lists[1], kListEnd) + " 热号：" +
                                  numbersFollowedBy(lists[0], kListEnd);
                       }});
}

std::vector<Column> tableThreeColumns(const Workspace& ws) {
    std::vector<Column> columns;
    addTemperatureColumns(columns, "", false);
    addTemperatureColumns(columns, ws.SpecialLabel(), true);
    return columns;
}


}  // namespace

std::vector<std::string> numberCaptions(const Workspace& ws) {
    std::vector<std::string> captions;
    for (int i = 1; i <= ws.params.MainCount; ++i) captions.push_back(ws.MainLabel() + std::to_string(i));
    if (ws.params.SpecialCount == 1) captions.push_back(ws.SpecialLabel());
    if (ws.params.SpecialCount > 1)
        for (int i = 1; i <= ws.params.SpecialCount; ++i) captions.push_back(ws.SpecialLabel() + std::to_string(i));
    return captions;
}

DataTable buildDataTable(const Workspace& ws, int table) {
    DataTable out;
    std::vector<Column> columns;
    if (table == 1) columns = tableOneColumns();
    if (table == 2) columns = tableTwoColumns();
    if (table == 3) columns = tableThreeColumns(ws);
    if (columns.empty()) return out;

    out.header = {"期数"};
    for (auto& caption : numberCaptions(ws)) out.header.push_back(caption);
    for (const auto& column : columns) out.header.push_back(column.caption);

    const DrawContext c = drawContext(ws);
    const t_s_dm& store = ws.MainStore;
    for (int r = 1; r <= store.Count(); ++r) {
        RowContext x{ws, c, r, {}, {}};
        const auto& f = store.Row(r).fields;
        x.mains.assign(f.begin() + 1, f.begin() + 1 + c.mainCount);
        x.specials.assign(f.begin() + 1 + c.mainCount, f.begin() + 1 + c.mainCount + c.specialCount);
        std::vector<std::string> cells = {issueCaption(f[0])};
        for (int n : x.mains) cells.push_back(TwoDigitText(n));
        for (int n : x.specials) cells.push_back(TwoDigitText(n));
        for (const auto& column : columns) cells.push_back(column.cell(x));
        out.rows.push_back(std::move(cells));
    }
    return out;
}

}  // namespace qorvel
