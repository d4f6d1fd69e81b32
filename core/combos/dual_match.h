// Dual-zone matching (双区匹配): pairing the main result set with the special result set into full
// tickets in one of three ways, random full tickets, and the dual result set they fill, with its grid,
// its files and its prize check (result_ops.h).
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "combos/result_ops.h"
#include "combos/result_set.h"
#include "combos/special_filter.h"
#include "types/lottery_type.h"

namespace qorvel {

constexpr int kMaxDualTickets = 50000;
constexpr int kDefaultDualRandomCount = 10;

extern const char* const kDualLimitMessage;       // "双区组合后得到的注数不能超过50000条，请缩小过滤范围"
extern const char* const kNoMainResultsMessage;   // "主区没有过滤结果，请先在主区号码中得出过滤结果"
extern const char* const kEmptyFieldMessage;      // "不能为空"

// The three choices of the dual tab, in their order.
enum class MatchMode : uint8_t { Sequential, Random, AllPairs };
// "顺序匹配", "随机匹配", "全组合匹配".
const char* matchModeCaption(MatchMode mode);

// The dual result set: full tickets with the prize level of the last check, at most kMaxDualTickets.
class DualResultSet {
public:
    int count() const { return static_cast<int>(tickets_.size()); }
    bool empty() const { return tickets_.empty(); }
    const DualTicket& at(int k) const { return tickets_[static_cast<std::size_t>(k - 1)]; }
    // The tickets for the prize check, which sets their levels and sorts them.
    std::vector<DualTicket>& tickets() { return tickets_; }
    const std::vector<DualTicket>& tickets() const { return tickets_; }

    void clear() { tickets_.clear(); }
    // Appends a ticket; false (and nothing appended) when the set is full.
    bool append(DualTicket ticket);
    // Removes or replaces entry k; the message to show when k is not an entry.
    std::string remove(int k);
    std::string replace(int k, DualTicket ticket);

private:
    std::vector<DualTicket> tickets_;
};

struct MatchOutcome {
    bool refused = false;
    std::string message;     // the refusal text
    int count = 0;           // tickets in the dual result set afterwards
    std::string statusText;  // "超强组号  已得到双区组合数有" + count + "个" after a match
};

// "超强组号  已得到双区组合数有" + count + "个"
std::string dualStatusText(int count);
// specialLabel + "没有过滤结果，请先得出" + specialLabel + "过滤结果"
std::string noSpecialResultsMessage(const std::string& specialLabel);

// Match (开始匹配): refuses a result beyond kMaxDualTickets, an empty main set, then an empty special set;
// otherwise the dual set is emptied and refilled: sequential pairs main i with special ((i − 1) mod q) + 1,
// random pairs main i with a uniformly drawn special, all pairs pairs every main ticket with every special
// group in turn. A refusal leaves the dual set as it was.
MatchOutcome Match(MatchMode mode, const ResultSet& mainResults, int mainCount, const SpecialResultSet& specials,
                   int specialCount, const std::string& specialLabel, std::mt19937& random, DualResultSet& dual);

// 机选组号: count random full tickets (empty count: 10) replace the dual set. Main numbers: the range
// MainFrom..MainTo shuffled (each position swapped with a uniformly drawn one), the last N taken, sorted.
// Special numbers: SpecialCount different numbers drawn uniformly from SpecialFrom..SpecialTo, ascending.
// More than kMaxDualTickets is refused with kDualLimitMessage.
MatchOutcome randomDualTickets(std::optional<int> count, const TypeParams& params, std::mt19937& random,
                               DualResultSet& dual);

// The grid of the dual tab: "序号", mainLabel + 1..N, specialLabel (one special number) or specialLabel +
// 1..M, then "中奖情况" while prize levels are shown; rows "第" + k + "条".
struct DualResultGrid {
    std::vector<std::string> headers;
    std::vector<std::vector<std::string>> rows;
};
DualResultGrid dualResultGrid(const DualResultSet& dual, int mainCount, int specialCount,
                              const std::string& mainLabel, const std::string& specialLabel, bool levelsShown);

// Dual result files: N main numbers then M special numbers a line, each as two digits and a space.
// Saving appends ".txt" when the name lacks it. Loading replaces the set only when the file could be read
// and holds at most kMaxDualTickets tickets (else kDualLimitMessage). Return an error text or "".
std::string saveDualResults(const std::filesystem::path& path, const DualResultSet& dual, int mainCount,
                            int specialCount);
std::string loadDualResults(const std::filesystem::path& path, int mainCount, int specialCount, DualResultSet& dual);

// The print lines of the dual tab (no header), each ticket's main then special numbers.
std::vector<std::string> dualPrintLines(const DualResultSet& dual);

}  // namespace qorvel
