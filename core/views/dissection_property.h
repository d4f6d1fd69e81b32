// The property table of the dissection page: every draw of a range with the class of its series value
// under each number classification of the workspace's NumberClassTable, the component chooser's lists and
// the table they rebuild, and the zone viewer's listing of the zones of a value range.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "types/workspace.h"
#include "views/dissection_series.h"

namespace qorvel {

inline constexpr int kMinComponentParts = 3;   // "三区", "除三余数"
inline constexpr int kMaxComponentParts = 15;  // "十五区", "除十五余数"
inline constexpr int kMinViewerZones = 2;
inline constexpr int kMaxCommonViewerZones = 15;
inline constexpr int kMaxViewerZones = 1000;
inline constexpr int kDefaultViewerZones = 20;
inline constexpr int32_t kDefaultViewerFrom = 1, kDefaultViewerTo = 16;

// What a classification name means: the tail digit, parity, the prime test, the two halves of the range,
// n zones of the range or the remainder by n.
enum class ComponentKind { Tail, OddEven, PrimeComposite, SmallLarge, Zones, Remainder };

struct Component {
    ComponentKind kind = ComponentKind::Tail;
    int parts = 10;  // classes: 10 tails, 2 for the two-way kinds, n for zones and remainders
    bool operator==(const Component&) const = default;
};

// Every classification the chooser offers, in its order: "尾号", "奇偶", "质合", "小大", "三区" … "十五区",
// "除三余数" … "除十五余数".
const std::vector<std::string>& componentCatalogue();
// The meaning of a catalogue name; nothing for any other text.
std::optional<Component> componentOf(const std::string& name);
// The caption of class c (0-based) of a component: "0"…"9" tails, "奇"/"偶", "质"/"合", "小"/"大",
// zones "1"…"n", remainders "0"…"n−1".
std::string classCaption(const Component& component, int c);

// The upper ends of the n zones the zone rule splits from…to into (entry k − 1 is the end of zone k); a
// zone is empty when its end equals the previous end. The range is taken as given when from ≤ to.
std::vector<int64_t> rangeZoneEnds(int32_t from, int32_t to, int n);

// The class (0-based) of value v under a component over the series range. Tails and remainders are the
// non-negative remainder, so −3 has tail 7 and remainder 0 by 3. 0 and negative values are not prime and
// count as "合". "小" is the first zone of the two-zone split of the range; values outside the range fall
// into the first or last zone.
int classOfValue(const Component& component, int32_t v, SeriesRange range);

// The component chooser's two lists.
struct ComponentChoice {
    std::vector<std::string> used;
    std::vector<std::string> available;
    bool operator==(const ComponentChoice&) const = default;
};

// The lists for a table: its catalogue names in table order in use, every other catalogue name available
// in catalogue order.
ComponentChoice componentChoiceFor(const NumberClassTable& table);
// "<<": the available entry at `index` goes to the end of the used list. False for a bad index.
bool useComponent(ComponentChoice& choice, int index);
// ">>": the used entry at `index` goes back to its catalogue place among the available ones, unless it is
// the last one in use. False when nothing moved.
bool releaseComponent(ComponentChoice& choice, int index);
// The table in list order: each catalogue name with its class count and the first class number, classes
// numbered consecutively from 1; names outside the catalogue and duplicates are left out, at most
// kMaxNumberClassEntries entries.
NumberClassTable buildNumberClassTable(const std::vector<std::string>& names);

// One class column of the property table.
struct PropertyColumn {
    int component = 0;  // index into PropertyTable::components
    int cls = 0;        // class within its component, 0-based
    std::string caption;
};

struct PropertyComponent {
    std::string name;
    Component meaning;
    int firstColumn = 0;  // index into PropertyTable::columns
};

struct PropertyRow {
    int draw = 0;                // 1-based draw of the series
    std::string issueText;       // "预测区" for the forecast row
    bool forecast = false;
    int32_t value = 0;
    std::vector<int> classes;    // per component: the value's class
    std::vector<int> omissions;  // per column: 0 when the row's class, else draws since it last was (in range)
};

struct PropertyTable {
    std::vector<PropertyComponent> components;
    std::vector<PropertyColumn> columns;
    std::vector<PropertyRow> rows;

    // The column of component k's class c.
    int columnOf(int k, int c) const { return components[static_cast<std::size_t>(k)].firstColumn + c; }
    // Whether column `col` holds row `row`'s class.
    bool hit(int row, int col) const;
};

// Rows fromDraw…toDraw (1-based, clamped to the series; none when fromDraw lies after toDraw), columns for
// every entry of `classes` whose name the catalogue knows. issues[i] labels draw i + 1.
PropertyTable buildPropertyTable(const std::vector<int32_t>& series, const std::vector<int32_t>& issues,
                                 SeriesRange range, const NumberClassTable& classes, int fromDraw, int toDraw);

// The zone viewer's memo: for every zone count (2…15 for the common zones, else just `zones`, 2…1000) the
// line "(" k "分区的分区设定)", the zones "第i分区<a..b>;  " on one line, and an empty line.
std::vector<std::string> zoneViewerLines(int32_t from, int32_t to, bool common, int zones);

}  // namespace qorvel
