#include "killbanker/kill_run.h"

#include <algorithm>

#include "engine/tgs.h"
#include "engine/tgs_memo.h"
#include "killbanker/forecast_scope.h"
#include "text/file_io.h"
#include "text/number_text.h"

namespace qorvel {
namespace {

constexpr const char* kNoDrawsMessage = "没有开奖数据";
constexpr const char* kNoStartIssueMessage = "起始期不存在: ";
constexpr const char* kBadCountMessage = "公式个数无效";

std::vector<std::string> headerTexts(const KillRunRequest& request) {
    const KillPage page = request.page;
    const int k = static_cast<int>(request.formulas.size());
    std::vector<std::string> h{"序号", "期号"};
    const bool custom = page == KillPage::CustomKill;
    if (custom) {
        h.push_back("开奖号码");
        h.push_back("指标" + request.target);
    } else {
        h.push_back(killPageInfo(page).special ? "副区号码" : "主区号码");
    }
    for (int j = 1; j <= k; ++j) h.push_back("公式" + std::to_string(j));
    if (custom) {
        h.push_back("杀" + request.target + "列表");
        h.push_back("杀错的公式个数");
        h.push_back("杀错的公式序号");
    } else if (killPageInfo(page).banker) {
        for (const char* t : {"提胆列表", "胆对的公式个数", "胆对的公式序号", "胆对的号码个数", "胆对的号码"}) h.push_back(t);
    } else {
        for (const char* t : {"杀号列表", "杀错的公式个数", "杀错的公式序号"}) h.push_back(t);
        if (page == KillPage::MainKill)
            for (const char* t : {"杀错的号码个数", "杀错的号码"}) h.push_back(t);
    }
    return h;
}

void listRange(KillPage page, int& lo, int& hi) {
    lo = page == KillPage::TailKill || page == KillPage::CustomKill ? 0 : 1;
    hi = page == KillPage::TailKill ? kTailListMaxValue
         : page == KillPage::CustomKill ? kCustomListMaxValue
                                        : kListMaxValue;
}

std::string joinTwoDigit(const std::vector<int32_t>& values) {
    std::string text;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i > 0) text += ' ';
        text += TwoDigitText(values[i]);
    }
    return text;
}

// The drawn numbers, in draw order and each once, that one of the values equals.
std::vector<int32_t> drawnNumbersHit(const std::vector<int32_t>& drawn, const std::vector<int32_t>& values) {
    std::vector<int32_t> hit;
    for (int32_t n : drawn) {
        if (std::find(hit.begin(), hit.end(), n) != hit.end()) continue;
        if (std::find(values.begin(), values.end(), n) != values.end()) hit.push_back(n);
    }
    return hit;
}

// The count columns after the list column of one draw row.
void writeCountColumns(KillGrid& g, int r, const std::vector<bool>& right, const std::vector<int32_t>& values,
                       const std::vector<int32_t>& drawn) {
    const bool banker = killPageInfo(g.page).banker;
    const int k = g.formulaCount;
    std::vector<int32_t> indices;
    std::vector<int32_t> concerned;  // banker: the values of right formulas; main kill: of wrong ones
    for (int j = 1; j <= k; ++j) {
        if (right[static_cast<std::size_t>(j - 1)] != banker) continue;
        indices.push_back(j);
        concerned.push_back(values[static_cast<std::size_t>(j - 1)]);
    }
    const int c = g.listColumn + 1;
    auto set = [&](int column, std::string text) { g.at(r, column) = {std::move(text), KillCellRole::Count}; };
    const bool allRight = banker ? static_cast<int>(indices.size()) == k : indices.empty();
    set(c, std::to_string(indices.size()));
    if (allRight) return;
    set(c + 1, joinTwoDigit(indices));
    if (banker || g.page == KillPage::MainKill) {
        const auto hit = drawnNumbersHit(drawn, concerned);
        set(c + 2, std::to_string(hit.size()));
        set(c + 3, joinTwoDigit(hit));
    }
}

std::string formulaCellText(bool custom, bool failed, int32_t value) {
    if (!custom) return TwoDigitText(value);
    return failed ? std::string() : std::to_string(value);
}

int positionOfIssue(const t_s_dm& store, int issue) {
    for (int r = 1; r <= store.Count(); ++r)
        if (store.Row(r).fields[0] == issue) return r;
    return 0;
}

class KillRunner {
public:
    KillRunner(Workspace& ws, const KillRunRequest& request, KillGrid& grid)
        : ws_(ws), request_(request), g_(grid), evaluator_(ws) {}

    // False when the progress callback stopped the run.
    bool run(int startRow, int forecastRow);

private:
    void evaluateRow();
    void writeRow(int r, bool forecast);
    void writeDrawCells(int r, const DrawRecord& record, int32_t target);
    void writeForecastCells(int r);

    Workspace& ws_;
    const KillRunRequest& request_;
    KillGrid& g_;
    tgs evaluator_;
    std::vector<std::size_t> sameAs_;  // for each formula the first formula with the same text
    std::vector<int32_t> values_;
    std::vector<bool> failed_;
    std::vector<std::string> errors_;
    int failedIndex_ = 0;
    std::string failedText_;
};

void KillRunner::evaluateRow() {
    const auto& formulas = request_.formulas;
    for (std::size_t j = 0; j < formulas.size(); ++j) {
        const std::size_t first = sameAs_[j];
        // The store does not change between the formulas of one row, so equal texts have equal results.
        if (first != j) {
            values_[j] = values_[first];
            failed_[j] = failed_[first];
            errors_[j] = errors_[first];
        } else {
            int32_t v = 0;
            failed_[j] = !evaluator_.evaluate(formulas[j], v);
            values_[j] = failed_[j] ? -1 : v;
            if (failed_[j]) errors_[j] = evaluator_.errorText();
        }
        if (failed_[j]) {
            failedIndex_ = static_cast<int>(j) + 1;
            failedText_ = errors_[j];
        }
    }
}

void KillRunner::writeDrawCells(int r, const DrawRecord& record, int32_t target) {
    const KillPage page = request_.page;
    const bool custom = page == KillPage::CustomKill;
    const DrawTestValues draw = drawTestValues(page, ws_.params, record, target);
    g_.testedValues[static_cast<std::size_t>(r)] = draw.values;
    g_.at(r, 0) = {std::to_string(r), KillCellRole::Order};
    g_.at(r, 1) = {std::to_string(record.fields[0]), KillCellRole::Issue};
    g_.at(r, 2) = {draw.numbersText, KillCellRole::Numbers};
    if (custom) g_.at(r, 3) = {std::to_string(target), KillCellRole::Target};
    std::vector<bool> right(values_.size());
    for (std::size_t j = 0; j < values_.size(); ++j) {
        right[j] = valueIsRight(page, draw, values_[j]);
        KillCell& cell = g_.at(r, g_.firstFormulaColumn + static_cast<int>(j));
        cell = {formulaCellText(custom, failed_[j], values_[j]), KillCellRole::FormulaOther};
        if (!right[j]) continue;
        cell.text += kRightMark;
        cell.role = KillCellRole::FormulaRight;
        ++g_.rightCounts[j];
    }
    writeCountColumns(g_, r, right, values_, draw.values);
}

void KillRunner::writeForecastCells(int r) {
    const bool custom = request_.page == KillPage::CustomKill;
    g_.at(r, 1) = {kForecastRowCaption, KillCellRole::Issue};
    for (std::size_t j = 0; j < values_.size(); ++j)
        g_.at(r, g_.firstFormulaColumn + static_cast<int>(j)) = {formulaCellText(custom, failed_[j], values_[j]),
                                                                 KillCellRole::FormulaOther};
}

void KillRunner::writeRow(int r, bool forecast) {
    const KillPage page = request_.page;
    const t_s_dm& store = ws_.MainStore;
    const DrawRecord& record = store.Row(store.RecNo());
    // The custom page's target is read on draw rows only; a failure counts as −1.
    int32_t target = -1;
    if (page == KillPage::CustomKill && !forecast && !evaluator_.evaluate(request_.target, target)) target = -1;
    evaluateRow();

    g_.rowKinds[static_cast<std::size_t>(r)] = forecast ? KillRowKind::Forecast : KillRowKind::Draw;
    g_.formulaValues[static_cast<std::size_t>(r)] = values_;
    if (forecast) {
        writeForecastCells(r);
    } else {
        writeDrawCells(r, record, target);
    }
    int lo = 0, hi = 0;
    listRange(page, lo, hi);
    g_.at(r, g_.listColumn) = {valueListText(values_, lo, hi, request_.display, page == KillPage::CustomKill),
                               KillCellRole::List};
}

bool KillRunner::run(int startRow, int forecastRow) {
    const auto& formulas = request_.formulas;
    sameAs_.resize(formulas.size());
    for (std::size_t j = 0; j < formulas.size(); ++j)
        sameAs_[j] = static_cast<std::size_t>(std::find(formulas.begin(), formulas.end(), formulas[j]) - formulas.begin());
    values_.assign(formulas.size(), 0);
    failed_.assign(formulas.size(), false);
    errors_.assign(formulas.size(), {});

    t_s_dm& store = ws_.MainStore;
    const int n = g_.drawCount;
    for (int r = 1; r <= n + 1; ++r) {
        store.SetRecNo(r <= n ? startRow + r - 1 : forecastRow);
        writeRow(r, r == n + 1);
        if (request_.progress && !request_.progress(r, n + 1)) return false;
    }
    if (failedIndex_ != 0) g_.endMessage = formulaErrorMessage(failedIndex_, failedText_);
    return true;
}

void fillHeaderRow(KillGrid& g, int r, const std::vector<std::string>& headers) {
    g.rowKinds[static_cast<std::size_t>(r)] = KillRowKind::Header;
    for (int c = 0; c < g.columns; ++c) g.at(r, c) = {headers[static_cast<std::size_t>(c)], KillCellRole::Header};
}

void fillRateRow(KillGrid& g) {
    const int r = g.drawCount + 3;
    g.rowKinds[static_cast<std::size_t>(r)] = KillRowKind::Rate;
    g.at(r, 1) = {kRateRowCaption, KillCellRole::Issue};
    for (int j = 0; j < g.formulaCount; ++j)
        g.at(r, g.firstFormulaColumn + j) = {successRateText(g.rightCounts[static_cast<std::size_t>(j)], g.drawCount),
                                             KillCellRole::FormulaOther};
}

}  // namespace

bool KillGrid::wasDrawn(int row, int32_t value) const {
    if (row < 0 || row >= static_cast<int>(testedValues.size())) return false;
    const auto& tested = testedValues[static_cast<std::size_t>(row)];
    return std::find(tested.begin(), tested.end(), value) != tested.end();
}

KillRunResult runKillPage(Workspace& ws, const KillRunRequest& request) {
    KillRunResult result;
    t_s_dm& store = ws.MainStore;
    const int k = static_cast<int>(request.formulas.size());
    if (k < 1 || k > killPageInfo(request.page).capacity) {
        result.error = kBadCountMessage;
        return result;
    }
    // A forecast row left in the store is not a draw: the run replaces it with its own.
    int draws = store.Count();
    while (draws >= 1 && store.Row(draws).fields[0] == kForecastIssue) --draws;
    if (draws < 1) {
        result.error = kNoDrawsMessage;
        return result;
    }
    const int startRow = request.startIssue == 0 ? 1 : positionOfIssue(store, request.startIssue);
    if (startRow < 1 || startRow > draws) {
        result.error = kNoStartIssueMessage + std::to_string(request.startIssue);
        return result;
    }

    KillGrid& g = result.grid;
    const auto headers = headerTexts(request);
    g.page = request.page;
    g.formulaCount = k;
    g.drawCount = draws - startRow + 1;
    g.rows = g.drawCount + 4;
    g.columns = static_cast<int>(headers.size());
    g.firstFormulaColumn = request.page == KillPage::CustomKill ? 4 : 3;
    g.listColumn = g.firstFormulaColumn + k;
    g.cells.assign(static_cast<std::size_t>(g.rows) * static_cast<std::size_t>(g.columns), KillCell{});
    g.rowKinds.assign(static_cast<std::size_t>(g.rows), KillRowKind::Draw);
    g.formulaValues.assign(static_cast<std::size_t>(g.rows), {});
    g.testedValues.assign(static_cast<std::size_t>(g.rows), {});
    g.rightCounts.assign(static_cast<std::size_t>(k), 0);
    fillHeaderRow(g, 0, headers);
    fillHeaderRow(g, g.drawCount + 2, headers);

    bool finished = false;
    {
        ForecastRowScope forecast(store);
        // One memo for the whole run, so the derived series inside the formulas are built once.
        HistoryPass pass(ws);
        finished = KillRunner(ws, request, g).run(startRow, forecast.row());
    }
    if (!finished) {
        result.stopped = true;
        result.grid = KillGrid{};
        return result;
    }
    fillRateRow(g);
    return result;
}

KillCellColours killCellColours(const KillGrid& grid, int row, int column, bool selectedRow) {
    KillCellColours c{kKillRowBackground, kKillBlack};
    const KillRowKind kind = grid.rowKinds[static_cast<std::size_t>(row)];
    if (kind == KillRowKind::Header) return {kKillHeaderBackground, kKillBlack};
    if (kind == KillRowKind::Rate) c.background = kKillRateBackground;
    if (selectedRow) c.background = kKillSelectedBackground;
    const bool formula = column >= grid.firstFormulaColumn && column < grid.listColumn;
    if (formula) {
        c.text = grid.at(row, column).role == KillCellRole::FormulaRight ? kKillRightText : kKillOtherFormulaText;
    } else if (column == 0) {
        c.text = kKillOrderText;
    } else if (column == 1) {
        c.text = kKillIssueText;
    } else if (column == 2) {
        c.text = kKillNumbersText;
    }
    return c;
}

void memoRange(KillPage page, const TypeParams& params, int& lo, int& hi) {
    lo = 1;
    if (page == KillPage::TailKill || page == KillPage::CustomKill) {
        lo = 0;
        hi = page == KillPage::TailKill ? kTailListMaxValue : kCustomListMaxValue;
    } else {
        hi = killPageInfo(page).special ? params.SpecialTo : params.MainTo;
    }
}

std::string rowMemoText(const KillGrid& grid, int row, int lo, int hi) {
    if (row < 1 || row > grid.drawCount + 1) return {};
    std::vector<int32_t> values = grid.formulaValues[static_cast<std::size_t>(row)];
    std::sort(values.begin(), values.end());
    values.erase(std::unique(values.begin(), values.end()), values.end());
    std::string text;
    for (int32_t v : values) {
        if (v < lo || v > hi) continue;
        if (!text.empty()) text += "  ";
        text += grid.page == KillPage::CustomKill ? std::to_string(v) : TwoDigitText(v);
    }
    return text;
}

namespace {
// The first two characters (not bytes) of a UTF-8 text.
std::string firstTwoCharacters(std::string_view text) {
    std::size_t end = 0;
    for (int chars = 0; chars < 2 && end < text.size(); ++chars) {
        ++end;
        while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) ++end;
    }
    return std::string(text.substr(0, end));
}
}  // namespace

std::vector<std::string> killDataLines(const KillGrid& grid) {
    std::vector<std::string> lines;
    std::string header = " 期 数 ";
    for (int j = 1; j <= grid.formulaCount; ++j) header += "公式" + TwoDigitText(j) + " ";
    lines.push_back(header);
    for (int r = 1; r <= grid.drawCount + 1; ++r) {
        std::string line = grid.at(r, 1).text;
        if (r == grid.drawCount + 1) line += " ";
        line += "  ";
        for (int j = 0; j < grid.formulaCount; ++j)
            line += firstTwoCharacters(trimBlanks(grid.at(r, grid.firstFormulaColumn + j).text)) + "     ";
        lines.push_back(line);
    }
    return lines;
}

std::string exportKillData(const std::string& fileName, const KillGrid& grid) {
    std::string name = fileName;
    if (name.find(".txt") == std::string::npos) name += ".txt";
    return writeFileAtomically(name, joinGbkLines(killDataLines(grid)));
}

std::string killDataFilter(KillPage page) {
    return killPageInfo(page).banker ? "定胆数据文件(*.txt)|*.txt" : "杀号数据文件(*.txt)|*.txt";
}

std::string killDataTitle(KillPage page) { return killPageInfo(page).banker ? "保存定胆数据" : "保存杀号数据"; }

}  // namespace qorvel
