#include "killbanker/kill_page_model.h"

#include <algorithm>

namespace qorvel {
namespace {
constexpr const char* kNoCustomSetMessage = "请先载入自定义杀号";
constexpr const char* kNoSetMessage = "没有可用的公式集";
constexpr const char* kNoFormulasMessage = "没有可放入方案的公式";
constexpr int32_t kHighestDrawIssue = 9999989;  // issues above it belong to temporary rows
}  // namespace

KillPageModel::KillPageModel(Workspace& ws, KillPage page, FormulaSet* set)
    : ws_(ws), page_(page), set_(set), count_(killPageInfo(page).defaultCount) {}

void KillPageModel::setScheme(int scheme) { scheme_ = std::clamp(scheme, 1, kSchemesPerFormulaSet); }

void KillPageModel::setFormulaCount(int count) {
    count_ = std::clamp(count, 1, info().capacity);
    index_ = 1;
}

void KillPageModel::setIndex(int index) { index_ = std::clamp(index, 1, count_); }

std::vector<int> KillPageModel::startIssues() const {
    std::vector<int> issues;
    const t_s_dm& store = ws_.MainStore;
    for (int r = 1; r <= store.Count(); ++r)
        if (store.Row(r).fields[0] <= kHighestDrawIssue) issues.push_back(store.Row(r).fields[0]);
    return issues;
}

const FormulaSet* KillPageModel::set() const {
    if (page_ == KillPage::CustomKill) return hasCustomSet() ? &custom_.set : nullptr;
    return set_;
}

FormulaSet* KillPageModel::editableSet() {
    if (page_ == KillPage::CustomKill) return hasCustomSet() ? &custom_.set : nullptr;
    return set_;
}

std::string KillPageModel::currentFormula() const {
    const FormulaSet* s = set();
    if (!s) return {};
    const auto formulas = s->schemeFormulas(scheme_, index_);
    return formulas.size() == static_cast<std::size_t>(index_) ? formulas.back() : std::string();
}

std::vector<std::string> KillPageModel::formulasInUse() const {
    const FormulaSet* s = set();
    return s ? s->schemeFormulas(scheme_, count_) : std::vector<std::string>{};
}

KillRunResult KillPageModel::run() {
    KillRunResult result;
    if (!set()) {
        result.error = page_ == KillPage::CustomKill ? kNoCustomSetMessage : kNoSetMessage;
        return result;
    }
    KillRunRequest request;
    request.page = page_;
    request.formulas = formulasInUse();
    request.startIssue = startIssue_;
    request.display = display_;
    request.target = custom_.target;
    request.progress = progress_;
    result = runKillPage(ws_, request);
    if (result.error.empty() && !result.stopped) lastRun_ = result.grid;
    return result;
}

std::string KillPageModel::saveSet() {
    if (page_ == KillPage::CustomKill) return saveCustomKillSet(customPath_.string(), custom_);
    return saveFormulaSet(ws_.ProgramFolder, ws_.CurrentType, *set_);
}

KillRunResult KillPageModel::confirmEdit(const std::string& text) {
    KillRunResult result;
    FormulaSet* s = editableSet();
    if (!s) {
        result.error = page_ == KillPage::CustomKill ? kNoCustomSetMessage : kNoSetMessage;
        return result;
    }
    s->setFormula(scheme_, index_, text);
    result.error = saveSet();
    if (!result.error.empty()) return result;
    return run();
}

KillRunResult KillPageModel::importFormulas(const std::filesystem::path& path) {
    KillRunResult result;
    FormulaSet* s = editableSet();
    if (!s) {
        result.error = page_ == KillPage::CustomKill ? kNoCustomSetMessage : kNoSetMessage;
        return result;
    }
    auto lines = readFormulaFile(path);
    if (!lines) {
        result.error = "无法读取文件 " + path.string();
        return result;
    }
    if (lines->empty()) {
        result.error = "公式文件中没有公式: " + path.string();
        return result;
    }
    count_ = s->importIntoScheme(scheme_, *lines);
    index_ = 1;
    result.error = saveSet();
    if (!result.error.empty()) return result;
    return run();
}

KillRunResult KillPageModel::replaceFormulas(const std::vector<std::string>& formulas) {
    KillRunResult result;
    FormulaSet* s = editableSet();
    if (!s) {
        result.error = page_ == KillPage::CustomKill ? kNoCustomSetMessage : kNoSetMessage;
        return result;
    }
    if (formulas.empty()) {
        result.error = kNoFormulasMessage;
        return result;
    }
    const int n = std::min(static_cast<int>(formulas.size()), info().capacity);
    for (int j = 1; j <= n; ++j) s->setFormula(scheme_, j, formulas[static_cast<std::size_t>(j - 1)]);
    result.error = saveSet();
    if (!result.error.empty()) return result;
    return run();
}

std::string KillPageModel::saveGroup(const std::string& fileName, bool wholeScheme) const {
    const FormulaSet* s = set();
    if (!s) return page_ == KillPage::CustomKill ? kNoCustomSetMessage : kNoSetMessage;
    return writeFormulaFile(fileName, s->schemeFormulas(scheme_, wholeScheme ? info().capacity : count_));
}

KillRunResult KillPageModel::loadCustomSet(const std::filesystem::path& path) {
    KillRunResult result;
    CustomKillSet loaded;
    result.error = loadCustomKillSet(path, loaded);
    if (!result.error.empty()) return result;
    custom_ = std::move(loaded);
    customPath_ = path;
    index_ = 1;
    return run();
}

std::string KillPageModel::createCustomSet(const std::string& fileName, const std::string& target, int from,
                                           int to) {
    CustomKillSet fresh;
    fresh.target = target;
    fresh.from = from;
    fresh.to = to;
    std::string name = fileName;
    if (name.find(".scs") == std::string::npos) name += ".scs";
    if (auto error = saveCustomKillSet(name, fresh); !error.empty()) return error;
    custom_ = std::move(fresh);
    customPath_ = name;
    index_ = 1;
    return {};
}

}  // namespace qorvel
