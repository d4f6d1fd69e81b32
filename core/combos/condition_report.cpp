#include "combos/condition_report.h"

#include <algorithm>
#include <functional>
#include <optional>

#include "combos/candidate_check.h"
#include "combos/history_keys.h"
#include "engine/formula.h"
#include "engine/indicators.h"
#include "text/file_io.h"
#include "text/number_text.h"

namespace qorvel {
namespace {

struct ReportLine {
    std::string text;
    std::optional<bool> right;  // empty for headings and blank lines
};

template <typename T>
std::string each(const std::vector<T>& values, bool twoDigits) {
    std::string out;
    for (const auto& v : values) out += (twoDigits ? TwoDigitText(int(v)) : std::to_string(v)) + "，";
    return out;
}

std::string boundText(const std::optional<int>& v) { return v ? std::to_string(*v) : std::string(); }

// Verdicts of each condition for one draw; absent when the report is not marked.
class DrawJudge {
public:
    DrawJudge(Workspace& ws, int row) : ws_(ws), row_(row) {
        const auto& f = ws.MainStore.Row(row).fields;
        ticket_ = makeTicket(f.data() + 1, std::clamp(ws.params.MainCount, 1, kMaxTicketNumbers));
        HistoryKeySet keys;
        keys.clear();
        for (int r = 1; r < row; ++r)
            keys.insert(HistoryKeySet::keyOf(ws.MainStore.Row(r).fields.data() + 1, ticket_.count));
        drawnBefore_ = keys.contains(HistoryKeySet::keyOf(f.data() + 1, ticket_.count));
    }

    const Ticket& ticket() const { return ticket_; }
    bool drawnBefore() const { return drawnBefore_; }

    int32_t value(const std::string& code) {
        ws_.MainStore.SetRecNo(row_);
        return indicatorValue(ws_, code);
    }
    bool formula(const std::string& text, int32_t& v) {
        ws_.MainStore.SetRecNo(row_);
        return evaluateFormula(ws_, text, v);
    }

private:
    Workspace& ws_;
    int row_;
    Ticket ticket_;
    bool drawnBefore_ = false;
};

bool countAllowed(const std::vector<int32_t>& allowed, int count) {
    return std::find(allowed.begin(), allowed.end(), count) != allowed.end();
}

class ReportBuilder {
public:
    ReportBuilder(const ConditionSet& c, int mainTo, DrawJudge* judge) : c_(c), mainTo_(mainTo), judge_(judge) {}

    std::vector<ReportLine> build() {
        numberLines();
        for (int id = 1; id <= kMaxListConditionId; ++id) conditionLine(id);
        switchLines();
        customLines();
        selfSetLines();
        tailSetLines();
        if (tolerance_) {
            const TotalTolerance& t = c_.totalTolerance;
            lines_[*tolerance_].right = t.from <= faults_ && faults_ <= t.to;
        }
        return std::move(lines_);
    }

private:
    void heading(std::string text) { lines_.push_back({std::move(text), std::nullopt}); }

    // A condition line and its verdict; a wrong tolerant condition counts towards the total tolerance.
    void line(std::string text, bool tolerant, const std::function<bool()>& holds) {
        std::optional<bool> right;
        if (judge_) {
            right = holds();
            if (!*right && tolerant) ++faults_;
        }
        lines_.push_back({std::move(text), right});
    }

    void numberLines() {
        std::vector<int> candidates, bankers;
        for (int n = 1; n <= std::min(mainTo_, kMaxMainNumber); ++n) {
            if (c_.candidates[n]) candidates.push_back(n);
            if (c_.bankers[n]) bankers.push_back(n);
        }
        line("可选红号：" + each(candidates, true), false, [&] {
            const Ticket& t = judge_->ticket();
            for (int i = 0; i < t.count; ++i)
                if (t.n[i] < 1 || t.n[i] > kMaxMainNumber || !(c_.candidates[t.n[i]] || c_.bankers[t.n[i]]))
                    return false;
            return true;
        });
        line("胆码：" + each(bankers, true), false, [&] {
            for (int b : bankers)
                if (!(judge_->ticket().mask >> b & 1)) return false;
            return true;
        });
        heading("");
        heading("指标过滤设置：");
        heading("");
    }

    void conditionLine(int id) {
        const ConditionInfo* info = findCondition(id);
        if (!info) return;
        if (const RangeCondition* r = c_.range(id)) {
            if (!r->enabled) return;
            const std::string text = std::string(info->reportCaption) + boundText(r->from) + "<=取值范围<=" +
                                     boundText(r->to) + (r->tolerant ? "（容错）" : "");
            line(text, r->tolerant, [&] {
                if (!r->from || !r->to) return true;
                const SpreadFigures f = spreadFigures(judge_->ticket());
                if (id == kStandardDeviationId) return float(*r->from) <= f.sd && f.sd <= float(*r->to);
                return 10LL * *r->from <= f.cvThousandths && f.cvThousandths <= 10LL * *r->to;
            });
            return;
        }
        const FilterCondition& l = c_.lists[id];
        if (!l.enabled) return;
        const std::string text = std::string(info->reportCaption) + each(l.values, false) + (l.tolerant ? "（容错）" : "");
        line(text, l.tolerant, [&] { return l.values.empty() || countAllowed(l.values, judge_->value(l.IndicatorCode)); });
    }

    void switchLines() {
        if (c_.notHistory) line("不允许和历史数据相同", false, [&] { return !judge_->drawnBefore(); });
        if (c_.notEqualDistance) line("去除等间距组合", false, [&] { return !hasEqualGaps(judge_->ticket()); });
        if (c_.noSpecialRuns) line("去除特殊连号", false, [&] { return !hasSpecialRun(judge_->ticket()); });
        if (c_.totalTolerance.enabled) {
            tolerance_ = lines_.size();
            heading("已设定了容错个数" + std::to_string(c_.totalTolerance.from) + "<=总容错<=" +
                    std::to_string(c_.totalTolerance.to));
        }
    }

    void customLines() {
        if (!c_.customOn || c_.customs.empty()) return;
        heading("");
        heading("自定义指标过滤设置：");
        heading("");
        bool stopped = false;  // a failing formula or an empty list ends the custom tests
        for (std::size_t k = 0; k < c_.customs.size(); ++k) {
            const CustomIndicatorCondition& cc = c_.customs[k];
            const std::string text = "自定义指标" + std::to_string(k + 1) + "（" + cc.formula + "）：" +
                                     each(cc.values, false) + (cc.tolerant ? "（容错）" : "");
            line(text, cc.tolerant, [&] {
                if (stopped || cc.values.empty()) return stopped = true;
                int32_t v = 0;
                if (!judge_->formula(cc.formula, v)) return stopped = true;
                return countAllowed(cc.values, v);
            });
        }
    }

    void selfSetLines() {
        if (!c_.selfSetOn || c_.selfSets.empty()) return;
        heading("自设条件过滤设置：");
        for (std::size_t k = 0; k < c_.selfSets.size(); ++k) {
            const SelfSetCondition& s = c_.selfSets[k];
            const std::string text = "自设条件" + std::to_string(k + 1) + "：（号码组：" + each(s.numbers, true) +
                                     "出号个数：" + each(s.counts, false) + "）" + (s.tolerant ? "容错" : "");
            line(text, s.tolerant, [&] {
                int count = 0;
                for (int n : s.numbers) count += (n >= 1 && n < 64 && (judge_->ticket().mask >> n & 1)) ? 1 : 0;
                return countAllowed(s.counts, count);
            });
        }
    }

    void tailSetLines() {
        if (!c_.tailSetOn || c_.tailSets.empty()) return;
        heading("尾数过滤设置：");
        for (std::size_t k = 0; k < c_.tailSets.size(); ++k) {
            const TailSetCondition& s = c_.tailSets[k];
            const std::string text = "尾数设置" + std::to_string(k + 1) + "：（尾号组：" + each(s.digits, false) +
                                     "出号个数：" + each(s.counts, false) + "）" + (s.tolerant ? "容错" : "") +
                                     (s.countOnce ? "(相同尾数仅计算一次)" : "");
            line(text, s.tolerant, [&] {
                const Ticket& t = judge_->ticket();
                int count = 0;
                if (s.countOnce) {
                    for (int d : s.digits)
                        for (int i = 0; i < t.count; ++i)
                            if (t.n[i] % 10 == d) {
                                ++count;
                                break;
                            }
                } else {
                    for (int i = 0; i < t.count; ++i)
                        count += std::find(s.digits.begin(), s.digits.end(), t.n[i] % 10) != s.digits.end();
                }
                return countAllowed(s.counts, count);
            });
        }
    }

    const ConditionSet& c_;
    int mainTo_;
    DrawJudge* judge_;
    std::vector<ReportLine> lines_;
    std::optional<std::size_t> tolerance_;
    int faults_ = 0;
};

}  // namespace

std::vector<std::string> conditionReportLines(const ConditionSet& conditions, int mainTo) {
    std::vector<std::string> out;
    for (auto& l : ReportBuilder(conditions, mainTo, nullptr).build()) out.push_back(std::move(l.text));
    return out;
}

MarkedReport markedReportLines(Workspace& ws, const ConditionSet& conditions, int issue, ReportFilter filter) {
    MarkedReport report;
    t_s_dm& store = ws.MainStore;
    const int row = store.RowOfIssue(issue);
    if (row == 0) {
        report.error = "期号" + std::to_string(issue) + "不存在";
        return report;
    }
    const int remembered = store.RecNo();
    DrawJudge judge(ws, row);
    auto lines = ReportBuilder(conditions, ws.params.MainTo, &judge).build();
    store.SetRecNo(remembered);
    for (auto& l : lines) {
        if (!l.right) {
            report.lines.push_back(std::move(l.text));
            continue;
        }
        if ((filter == ReportFilter::OnlyRight && !*l.right) || (filter == ReportFilter::OnlyWrong && *l.right)) continue;
        report.lines.push_back((*l.right ? "正确 " : "错误 ") + l.text);
    }
    return report;
}

std::string writeConditionReport(const Workspace& ws, const std::vector<std::string>& lines) {
    return writeFileAtomically(ws.file("database\\showcond.txt"), joinGbkLines(lines));
}

}  // namespace qorvel
