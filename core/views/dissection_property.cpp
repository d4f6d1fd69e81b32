#include "views/dissection_property.h"

#include <algorithm>
#include <climits>

#include "draws/t_s_dm.h"
#include "engine/indicators.h"
#include "views/view_text.h"

namespace qorvel {
namespace {

constexpr int kTailClasses = 10;
constexpr const char* kPartNumerals[] = {"三", "四", "五", "六", "七", "八", "九",
                                         "十", "十一", "十二", "十三", "十四", "十五"};
constexpr const char* kTwoWayCaptions[3][2] = {{"奇", "偶"}, {"质", "合"}, {"小", "大"}};

int64_t floorMod(int64_t v, int64_t n) {
    const int64_t r = v % n;
    return r < 0 ? r + n : r;
}

struct OfferedComponent {
    std::string name;
    Component meaning;
};

const std::vector<OfferedComponent>& catalogue() {
    static const std::vector<OfferedComponent> entries = [] {
        std::vector<OfferedComponent> out = {{"尾号", {ComponentKind::Tail, kTailClasses}},
                                           {"奇偶", {ComponentKind::OddEven, 2}},
                                           {"质合", {ComponentKind::PrimeComposite, 2}},
                                           {"小大", {ComponentKind::SmallLarge, 2}}};
        for (int n = kMinComponentParts; n <= kMaxComponentParts; ++n)
            out.push_back({std::string(kPartNumerals[n - kMinComponentParts]) + "区", {ComponentKind::Zones, n}});
        for (int n = kMinComponentParts; n <= kMaxComponentParts; ++n)
            out.push_back({"除" + std::string(kPartNumerals[n - kMinComponentParts]) + "余数",
                           {ComponentKind::Remainder, n}});
        return out;
    }();
    return entries;
}

int cataloguePlace(const std::string& name) {
    const auto& entries = catalogue();
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (entries[i].name == name) return static_cast<int>(i);
    return -1;
}

// Classifies values under one component; the zone ends are worked out once per table.
class Classifier {
  public:
    Classifier(const Component& component, SeriesRange range) : component_(component), range_(range) {
        if (component.kind == ComponentKind::Zones) ends_ = rangeZoneEnds(range.min, range.max, component.parts);
        if (component.kind == ComponentKind::SmallLarge) ends_ = rangeZoneEnds(range.min, range.max, 2);
    }

    int classOf(int32_t v) const {
        switch (component_.kind) {
            case ComponentKind::Tail: return static_cast<int>(floorMod(v, kTailClasses));
            case ComponentKind::OddEven: return floorMod(v, 2) == 1 ? 0 : 1;
            case ComponentKind::PrimeComposite: return isPrime(v) ? 0 : 1;
            case ComponentKind::Remainder: return static_cast<int>(floorMod(v, component_.parts));
            case ComponentKind::SmallLarge:
            case ComponentKind::Zones: return zoneOf(v);
        }
        return 0;
    }

  private:
    // Values outside the range are taken as its nearest end, so they land in the first or last non-empty
    // zone rather than in an empty one.
    int zoneOf(int32_t v) const {
        const int64_t x = std::clamp<int64_t>(v, std::min(range_.min, range_.max), std::max(range_.min, range_.max));
        for (std::size_t k = 0; k < ends_.size(); ++k)
            if (x <= ends_[k]) return static_cast<int>(k);
        return static_cast<int>(ends_.size()) - 1;
    }

    Component component_;
    SeriesRange range_;
    std::vector<int64_t> ends_;
};

}  // namespace

const std::vector<std::string>& componentCatalogue() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> out;
        for (const OfferedComponent& e : catalogue()) out.push_back(e.name);
        return out;
    }();
    return names;
}

std::optional<Component> componentOf(const std::string& name) {
    const int place = cataloguePlace(name);
    if (place < 0) return std::nullopt;
    return catalogue()[static_cast<std::size_t>(place)].meaning;
}

std::string classCaption(const Component& component, int c) {
    switch (component.kind) {
        case ComponentKind::OddEven: return kTwoWayCaptions[0][c & 1];
        case ComponentKind::PrimeComposite: return kTwoWayCaptions[1][c & 1];
        case ComponentKind::SmallLarge: return kTwoWayCaptions[2][c & 1];
        case ComponentKind::Zones: return std::to_string(c + 1);
        case ComponentKind::Tail:
        case ComponentKind::Remainder: return std::to_string(c);
    }
    return {};
}

// The rule of the per-type zone bounds applied to the count of values in the range: an empty bounds table
// makes zoneBound compute every bound by the rule. A range wider than an int can count is cut to that width.
std::vector<int64_t> rangeZoneEnds(int32_t from, int32_t to, int n) {
    std::vector<int64_t> ends;
    if (n < 1) return ends;
    const int64_t width = std::max<int64_t>(0, static_cast<int64_t>(to) - from + 1);
    const int count = static_cast<int>(std::min<int64_t>(width, INT_MAX));
    const ZoneBounds rule;
    ends.reserve(static_cast<std::size_t>(n));
    for (int k = 1; k <= n; ++k) ends.push_back(static_cast<int64_t>(from) - 1 + zoneBound(rule, count, n, k));
    return ends;
}

int classOfValue(const Component& component, int32_t v, SeriesRange range) {
    return Classifier(component, range).classOf(v);
}

ComponentChoice componentChoiceFor(const NumberClassTable& table) {
    ComponentChoice choice;
    for (const NumberClassEntry& e : table.entries)
        if (cataloguePlace(e.name) >= 0 &&
            std::find(choice.used.begin(), choice.used.end(), e.name) == choice.used.end())
            choice.used.push_back(e.name);
    for (const std::string& name : componentCatalogue())
        if (std::find(choice.used.begin(), choice.used.end(), name) == choice.used.end())
            choice.available.push_back(name);
    return choice;
}

bool useComponent(ComponentChoice& choice, int index) {
    if (index < 0 || index >= static_cast<int>(choice.available.size())) return false;
    const auto it = choice.available.begin() + index;
    choice.used.push_back(*it);
    choice.available.erase(it);
    return true;
}

bool releaseComponent(ComponentChoice& choice, int index) {
    if (choice.used.size() <= 1 || index < 0 || index >= static_cast<int>(choice.used.size())) return false;
    const auto it = choice.used.begin() + index;
    const int place = cataloguePlace(*it);
    const auto at = std::find_if(choice.available.begin(), choice.available.end(),
                                 [place](const std::string& name) { return cataloguePlace(name) > place; });
    choice.available.insert(at, *it);
    choice.used.erase(it);
    return true;
}

NumberClassTable buildNumberClassTable(const std::vector<std::string>& names) {
    NumberClassTable table;
    int next = 1;
    for (const std::string& name : names) {
        if (static_cast<int>(table.entries.size()) >= kMaxNumberClassEntries) break;
        const std::optional<Component> meaning = componentOf(name);
        if (!meaning) continue;
        const bool seen = std::any_of(table.entries.begin(), table.entries.end(),
                                      [&name](const NumberClassEntry& e) { return e.name == name; });
        if (seen) continue;
        table.entries.push_back({name, static_cast<uint8_t>(meaning->parts), static_cast<uint8_t>(next)});
        next += meaning->parts;
    }
    return table;
}

bool PropertyTable::hit(int row, int col) const {
    const PropertyColumn& c = columns[static_cast<std::size_t>(col)];
    return rows[static_cast<std::size_t>(row)].classes[static_cast<std::size_t>(c.component)] == c.cls;
}

PropertyTable buildPropertyTable(const std::vector<int32_t>& series, const std::vector<int32_t>& issues,
                                 SeriesRange range, const NumberClassTable& classes, int fromDraw, int toDraw) {
    PropertyTable table;
    std::vector<Classifier> classifiers;
    for (const NumberClassEntry& e : classes.entries) {
        const std::optional<Component> meaning = componentOf(e.name);
        if (!meaning) continue;
        const int k = static_cast<int>(table.components.size());
        table.components.push_back({e.name, *meaning, static_cast<int>(table.columns.size())});
        for (int c = 0; c < meaning->parts; ++c) table.columns.push_back({k, c, classCaption(*meaning, c)});
        classifiers.emplace_back(*meaning, range);
    }
    const int first = std::max(fromDraw, 1);
    const int last = std::min(toDraw, static_cast<int>(series.size()));
    std::vector<int> running(table.columns.size(), 0);
    for (int d = first; d <= last; ++d) {
        PropertyRow row;
        row.draw = d;
        const std::size_t i = static_cast<std::size_t>(d - 1);
        const int32_t issue = i < issues.size() ? issues[i] : d;
        row.issueText = issueCaption(issue);
        row.forecast = issue == kForecastIssue;
        row.value = series[i];
        for (const Classifier& c : classifiers) row.classes.push_back(c.classOf(row.value));
        row.omissions.resize(table.columns.size());
        for (std::size_t col = 0; col < table.columns.size(); ++col) {
            const PropertyColumn& c = table.columns[col];
            // A class missed since the range began counts from 1 on its first row, as in the omission tables.
            running[col] = row.classes[static_cast<std::size_t>(c.component)] == c.cls ? 0 : running[col] + 1;
            row.omissions[col] = running[col];
        }
        table.rows.push_back(std::move(row));
    }
    return table;
}

std::vector<std::string> zoneViewerLines(int32_t from, int32_t to, bool common, int zones) {
    std::vector<std::string> lines;
    const int firstCount = common ? kMinViewerZones : std::clamp(zones, kMinViewerZones, kMaxViewerZones);
    const int lastCount = common ? kMaxCommonViewerZones : firstCount;
    for (int k = firstCount; k <= lastCount; ++k) {
        lines.push_back("(" + std::to_string(k) + "分区的分区设定)");
        const std::vector<int64_t> ends = rangeZoneEnds(from, to, k);
        std::string line;
        int64_t start = from;
        for (int i = 1; i <= k; ++i) {
            const int64_t end = ends[static_cast<std::size_t>(i - 1)];
            line += "第" + std::to_string(i) + "分区<" + std::to_string(start) + ".." + std::to_string(end) + ">;  ";
            start = end + 1;
        }
        lines.push_back(line);
        lines.emplace_back();
    }
    return lines;
}

}  // namespace qorvel
