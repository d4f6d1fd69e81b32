#include "views/statistics_page.h"

#include <algorithm>
#include <cstdlib>

#include "engine/indicators.h"
#include "text/number_text.h"
#include "views/view_text.h"

namespace qorvel {
namespace {

constexpr int kSmallestStart = 999;  // start value of every "smallest" statistic
constexpr int kTailBins[] = {2, 6};
constexpr int kPrimeBins[] = {0, 6};
constexpr int kRepeatBins[] = {0, 6};
constexpr int kConsecutiveBins[] = {0, 5};
constexpr int kMaxDivisor = 5;
constexpr int kSevenZones = 7;
constexpr int kThreeZones = 3;
constexpr const char* kChineseDigits[] = {"零", "一", "二", "三", "四", "五", "六", "七"};

// The value of one catalogue code at any row, read without moving the cursor.
class CodeAtRow {
public:
    CodeAtRow(const DrawContext& context, std::string_view code)
        : context_(context), entry_(findCatalogueEntry(code)) {}
    int32_t operator()(int r) const { return entry_ ? kernelValue(context_, r, entry_->kernel, entry_->arg) : 0; }

private:
    const DrawContext& context_;
    const CatalogueEntry* entry_;
};

struct Extremes {
    int64_t sum = 0;
    int largest = 0;
    int smallest = kSmallestStart;
    void add(int v) {
        sum += v;
        largest = std::max(largest, v);
        smallest = std::min(smallest, v);
    }
};

// Everything the itemised sheets count over the range.
struct ItemTotals {
    int64_t odd = 0, big = 0;
    std::array<int64_t, kThreeZones + 1> threeZones{};
    std::array<int64_t, kSevenZones + 1> sevenZones{};
    std::array<int64_t, kMaxDivisor> remainders{};
    std::array<int64_t, 8> tails{}, primes{}, repeats{}, consecutive{};
    Extremes skew, spread, gaps, sums;
};

void addToBin(std::array<int64_t, 8>& bins, const int (&range)[2], int v) {
    if (v >= range[0] && v <= range[1]) ++bins[v];
}

// Walks the range's draws backward from its end.
ItemTotals countItems(const Workspace& ws, const StatisticsRange& range, int divisor) {
    ItemTotals t;
    DrawContext c = drawContext(ws);
    const CodeAtRow odd(c, "z_jsgs"), big(c, "z_dsgs"), tails(c, "z_wzgs"), primes(c, "z_zsgs"),
        repeats(c, "z_cmgs"), consecutive(c, "z_lmzs"), skew(c, "z_pd"), spread(c, "z_sd"), sum(c, "z_hz");
    const int n = c.mainCount;
    for (int r = range.endRow; r > range.endRow - range.count && r >= 1; --r) {
        t.odd += odd(r);
        t.big += big(r);
        addToBin(t.tails, kTailBins, tails(r));
        addToBin(t.primes, kPrimeBins, primes(r));
        addToBin(t.repeats, kRepeatBins, repeats(r));
        addToBin(t.consecutive, kConsecutiveBins, consecutive(r));
        t.skew.add(skew(r));
        t.spread.add(spread(r));
        t.sums.add(sum(r));
        const int32_t* numbers = c.mainNumbers(r);
        for (int i = 0; i < n; ++i) {
            const int x = numbers[i];
            ++t.threeZones[ws.zones.zoneOf(kThreeZones, x)];
            ++t.sevenZones[ws.zones.zoneOf(kSevenZones, x)];
            if (divisor >= 1 && divisor <= kMaxDivisor) ++t.remainders[std::abs(x % divisor)];
            if (i > 0) t.gaps.add(x - numbers[i - 1]);
        }
    }
    return t;
}

int barWidthFor(int64_t count, int64_t total) {
    return total > 0 ? static_cast<int>((2 * kItemBarWidth * count + total) / (2 * total)) : 0;
}

class ItemRows {
public:
    ItemRows(std::vector<ItemisedRow>& rows) : rows_(rows) {}
    void group(int sheet, const char* caption) {
        sheet_ = sheet;
        group_ = caption;
    }
    void share(const std::string& caption, int64_t count, int64_t total, const std::string& unit = "") {
        rows_.push_back({sheet_, group_, caption, std::to_string(count) + unit, percentText(count, total),
                         barWidthFor(count, total)});
    }
    // A pair of counts whose bars together fill the full width.
    void pair(const char* first, const char* second, int64_t count, int64_t total) {
        share(first, count, total);
        share(second, total - count, total);
        rows_.back().barWidth = kItemBarWidth - rows_[rows_.size() - 2].barWidth;
    }
    // Keeps the last row's bar but shows no percentage beside it.
    void dropPercent() { rows_.back().percent.clear(); }
    void plain(const std::string& caption, const std::string& value) {
        rows_.push_back({sheet_, group_, caption, value, "", -1});
    }

private:
    std::vector<ItemisedRow>& rows_;
    int sheet_ = 1;
    std::string group_;
};

void histogram(ItemRows& rows, const char* group, const std::array<int64_t, 8>& bins, const int (&range)[2],
               const char* kind, const char* averageCaption, const char* unit, int64_t draws, bool percentages) {
    rows.group(1, group);
    int64_t weighted = 0;
    for (int v = range[0]; v <= range[1]; ++v) {
        const std::string caption = std::to_string(v) + kind;
        rows.share(caption, bins[v], draws, "期");
        if (!percentages) rows.dropPercent();
        weighted += v * bins[v];
    }
    rows.plain(averageCaption, fixedQuotient(weighted, draws, 1) + unit);
}

void extremes(ItemRows& rows, int sheet, const char* group, const char* (&captions)[3], const Extremes& e,
              int64_t divisor) {
    rows.group(sheet, group);
    rows.plain(captions[0], fixedQuotient(e.sum, divisor, 2));
    rows.plain(captions[1], std::to_string(e.largest));
    rows.plain(captions[2], std::to_string(e.smallest));
}

void appendLine(std::string& line, const tseqlist& list) {
    for (int k = 1; k <= list.count(); ++k) line += TwoDigitText(list.get(k)) + "  ";
}

// Appearance counts over the range and the omission at its end for numbers in fields first..last.
ZoneStatistics zoneStatistics(const t_s_dm& store, const StatisticsRange& range, int first, int last,
                              int maxNumber) {
    ZoneStatistics z;
    const int size = std::max(maxNumber, 0);
    z.byNumber.resize(static_cast<std::size_t>(size));
    for (int n = 1; n <= size; ++n) z.byNumber[n - 1].number = n;
    auto each = [&](int r, auto&& f) {
        for (int i = first; i <= last; ++i) {
            const int x = store.Row(r).fields[i];
            if (x >= 1 && x <= size) f(z.byNumber[x - 1]);
        }
    };
    for (int r = range.endRow; r > range.endRow - range.count && r >= 1; --r)
        each(r, [](NumberStatistic& s) { ++s.count; });
    std::vector<bool> met(static_cast<std::size_t>(size) + 1, false);
    int unmet = size;
    for (int r = range.endRow, step = 0; r >= 1 && unmet > 0; --r, ++step)
        each(r, [&](NumberStatistic& s) {
            if (!met[s.number]) {
                met[s.number] = true;
                s.omission = step;
                --unmet;
            }
        });
    z.byCount = z.byOmission = z.byNumber;
    std::stable_sort(z.byCount.begin(), z.byCount.end(),
                     [](const NumberStatistic& a, const NumberStatistic& b) { return a.count < b.count; });
    std::stable_sort(z.byOmission.begin(), z.byOmission.end(),
                     [](const NumberStatistic& a, const NumberStatistic& b) { return a.omission < b.omission; });
    return z;
}

}  // namespace

StatisticsRange nearRange(const t_s_dm& store, int count) {
    const int draws = store.Count();
    return {draws, count < 1 ? draws : std::min(count, draws)};
}

StatisticsRange customRange(const t_s_dm& store, int fromRow, int toRow) {
    const int end = std::clamp(toRow, 0, store.Count());
    const int start = std::max(fromRow, 1);
    return {end, std::max(end - start + 1, 0)};
}

std::optional<int> parseNearCount(std::string_view text) {
    if (trimBlanks(text) == kAllDrawsItem) return 0;
    const auto count = parseWholeNumber(text);
    if (!count || *count < 1) return std::nullopt;
    return count;
}

std::string customRangeLabel(int fromRow, int toRow) { return "共" + std::to_string(toRow - fromRow + 1) + "期"; }

int statisticsDefaultFromRow(int drawCount) { return std::max(drawCount - kStatisticsFromOffset, 1); }

int ZoneStatistics::scaleStep() const {
    int m = 0;
    for (const auto& s : byNumber) m = std::max({m, s.count, s.omission});
    return m / 10 + 1;
}

std::string mainColdHotLine(const ColdHotLists& lists) {
    std::string line = "主区冷号:";
    appendLine(line, lists.mainCold);
    line += ";  主区温号:";
    appendLine(line, lists.mainWarm);
    line += ";  红码热号:";
    appendLine(line, lists.mainHot);
    return line;
}

std::string specialColdHotLine(const ColdHotLists& lists) {
    std::string line = "副区冷号:";
    appendLine(line, lists.specialCold);
    line += ";  副区温号:";
    appendLine(line, lists.specialWarm);
    line += ";  副区热号:";
    appendLine(line, lists.specialHot);
    return line;
}

std::vector<ItemisedRow> itemisedStatistics(const Workspace& ws, const StatisticsRange& range, int divisor) {
    const ItemTotals t = countItems(ws, range, divisor);
    const int64_t draws = range.count;
    const int64_t n = ws.params.MainCount;
    const int64_t balls = n * draws;
    std::vector<ItemisedRow> out;
    ItemRows rows(out);

    rows.group(1, "奇偶");
    rows.pair("奇数个数:", "偶数个数:", t.odd, balls);
    rows.plain("个数差:", std::to_string(std::abs(balls - 2 * t.odd)));
    rows.group(1, "大小");
    rows.pair("大数个数:", "小数个数:", t.big, balls);
    rows.plain("个数差:", std::to_string(std::abs(balls - 2 * t.big)));
    rows.group(1, "三区");
    for (int z = 1; z <= kThreeZones; ++z)
        rows.share(std::string(kChineseDigits[z]) + "区球数:", t.threeZones[z], balls);
    histogram(rows, "尾数", t.tails, kTailBins, "个尾数:", "平均每期尾数个数:", "个", draws, true);
    histogram(rows, "质数", t.primes, kPrimeBins, "个质数:", "平均每期质数个数:", "个", draws, false);
    histogram(rows, "重号", t.repeats, kRepeatBins, "个重号:", "平均每期重号个数:", "个", draws, false);
    histogram(rows, "连号", t.consecutive, kConsecutiveBins, "组连号:", "平均每期连号组数:", "组", draws, false);

    const char* skewCaptions[3] = {"平均偏度值:", "最大偏度值:", "最小偏度值:"};
    const char* spreadCaptions[3] = {"平均散度值:", "最大散度值:", "最小散度值:"};
    const char* gapCaptions[3] = {"间距平均值:", "最大间距:", "最小间距:"};
    const char* sumCaptions[3] = {"和值平均值:", "最大和值:", "最小和值:"};
    extremes(rows, 2, "偏度", skewCaptions, t.skew, draws);
    extremes(rows, 2, "散度", spreadCaptions, t.spread, draws);
    rows.group(2, "余数");
    if (divisor >= 1 && divisor <= kMaxDivisor)
        for (int r = 0; r < divisor; ++r)
            rows.share(std::string("除") + kChineseDigits[divisor] + "余" + kChineseDigits[r] + "数:", t.remainders[r],
                       balls);
    extremes(rows, 2, "间距", gapCaptions, t.gaps, (n - 1) * draws);
    extremes(rows, 2, "和值", sumCaptions, t.sums, draws);
    rows.group(2, "七区");
    for (int z = 1; z <= kSevenZones; ++z)
        rows.plain(std::string(kChineseDigits[z]) + "区：", std::to_string(t.sevenZones[z]));
    return out;
}

StatisticsResult computeStatistics(Workspace& ws, const StatisticsRange& range, int divisor) {
    StatisticsResult result;
    result.range = range;
    const t_s_dm& store = ws.MainStore;
    const TypeParams& p = ws.params;
    if (range.endRow >= 1 && range.endRow <= store.Count()) result.endIssue = store.Row(range.endRow).fields[0];
    result.main = zoneStatistics(store, range, 1, p.MainCount, p.MainTo);
    result.special = zoneStatistics(store, range, p.MainCount + 1, p.MainCount + p.SpecialCount, p.SpecialTo);
    if (result.endIssue != 0) {
        classifyColdHot(ws.MainStore, p, ws.coldHot, result.endIssue, ws.coldHotLists);
    } else {
        for (tseqlist* list : {&ws.coldHotLists.mainCold, &ws.coldHotLists.mainWarm, &ws.coldHotLists.mainHot,
                               &ws.coldHotLists.specialCold, &ws.coldHotLists.specialWarm, &ws.coldHotLists.specialHot})
            list->clear();
    }
    result.mainColdHotLine = mainColdHotLine(ws.coldHotLists);
    result.specialColdHotLine = specialColdHotLine(ws.coldHotLists);
    result.items = itemisedStatistics(ws, range, divisor);
    return result;
}

}  // namespace qorvel
