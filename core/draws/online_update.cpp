#include "draws/online_update.h"

#include <algorithm>
#include <unordered_set>

#include "draws/history_edit.h"
#include "text/gbk.h"
#include "text/number_text.h"

namespace qorvel {
namespace {

constexpr std::size_t kKeyLength = kDrawLineKeyDigits + 1;  // digits and ":"
constexpr std::size_t kIssueLength = 7;
constexpr int kNumberDigits = 2;

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The whole number written by the digits of text; nothing when any character is not a digit.
std::optional<int> digitsValue(std::string_view text) {
    if (text.empty()) return std::nullopt;
    int value = 0;
    for (char c : text) {
        if (!isDigit(c)) return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

std::string versionTag(std::string_view name) { return std::to_string(kProgramVersion) + std::string(name); }

}  // namespace

std::string updateDocumentSetting(int slot) {
    if (slot < 0 || slot >= kUpdateDocumentSlots) return {};
    return "updateurl" + std::to_string(slot);
}

std::string updateDocumentAddress(const SettingsStore* settings, int slot) {
    const std::string name = updateDocumentSetting(slot);
    if (!settings || name.empty()) return {};
    return std::string(trimBlanks(settings->readText(name).value_or("")));
}

std::string documentSection(std::string_view document, std::string_view openingTag, std::string_view closingTag) {
    const std::size_t open = document.find(openingTag);
    if (open == std::string_view::npos) return {};
    const std::size_t start = open + openingTag.size();
    const std::size_t close = document.find(closingTag, start);
    if (close == std::string_view::npos) return {};
    return std::string(document.substr(start, close - start));
}

UpdateSections parseUpdateSections(std::string_view document) {
    UpdateSections s;
    s.openPages = documentSection(document, "打开网页:", ":打开网页");
    s.startupUpdate = documentSection(document, "启动时更新:", ":启动时更新");
    s.versionNotice = documentSection(document, versionTag("提示:"), ":" + versionTag("提示"));
    s.publicNotice = documentSection(document, "公共提示:", ":公共提示");
    s.downloadList = documentSection(document, versionTag("下载地址:"), ":" + versionTag("下载地址"));
    return s;
}

std::string drawLineKey(int n) {
    std::string digits = std::to_string(n);
    if (digits.size() < kDrawLineKeyDigits) digits.insert(0, kDrawLineKeyDigits - digits.size(), '0');
    return digits + ":";
}

DrawLineIndex::DrawLineIndex(std::string_view document) : document_(document) {
    // Every place where seven digits are followed by ":" is a key; the first place of each key counts,
    // exactly as a search of the whole document for that key would find it.
    std::unordered_set<int> seen;
    for (std::size_t i = 0; i + kKeyLength <= document.size(); ++i) {
        if (document[i + kDrawLineKeyDigits] != ':') continue;
        auto n = digitsValue(document.substr(i, kDrawLineKeyDigits));
        if (n && seen.insert(*n).second) firstKey_.emplace_back(*n, i);
    }
    std::sort(firstKey_.begin(), firstKey_.end());
}

std::optional<DrawFields> DrawLineIndex::draw(int n, const TypeParams& params) const {
    auto it = std::lower_bound(firstKey_.begin(), firstKey_.end(), std::make_pair(n, std::size_t{0}));
    if (it == firstKey_.end() || it->first != n) return std::nullopt;
    const int numbers = params.MainCount + effectiveSpecialCount(params);
    std::string_view line = document_.substr(it->second + kKeyLength);
    if (line.size() < kIssueLength + static_cast<std::size_t>(numbers * kNumberDigits)) return std::nullopt;
    DrawFields draw{};
    auto issue = digitsValue(line.substr(0, kIssueLength));
    if (!issue || !isRealDrawIssue(*issue)) return std::nullopt;
    draw[0] = *issue;
    for (int i = 1; i <= numbers && i < kDrawFields; ++i) {
        auto value = digitsValue(line.substr(kIssueLength + static_cast<std::size_t>((i - 1) * kNumberDigits),
                                             kNumberDigits));
        if (!value) return std::nullopt;
        draw[i] = *value;
    }
    if (findRangeFault(params, draw) || hasRepeatedMainNumber(params, draw)) return std::nullopt;
    return draw;
}

OnlineUpdateResult applyUpdateDocument(Workspace& ws, std::string_view documentGbk, SettingsStore* settings) {
    OnlineUpdateResult result;
    const std::string document = gbkToUtf8(documentGbk);
    const UpdateSections sections = parseUpdateSections(document);
    result.notice.text = sections.versionNotice + sections.publicNotice;
    result.notice.downloadList = sections.downloadList;
    result.notice.openPagesAtExit = sections.openPages == kOpenPagesYes;
    if (settings) {
        settings->writeText(kInformSetting, result.notice.text);
        settings->writeText(kStartupUpdateSetting, sections.startupUpdate);
        settings->writeText(kDownloadListSetting, sections.downloadList);
    }
    if (!historyLockedMessage(ws).empty()) return result;

    t_s_dm& store = ws.MainStore;
    const DrawLineIndex index(document);
    std::vector<DrawFields> fresh;
    std::unordered_set<int32_t> freshIssues;
    // A malformed line ends the list: the draws after it cannot be trusted to follow on.
    for (int n = 1;; ++n) {
        auto draw = index.draw(n, ws.params);
        if (!draw) break;
        const int32_t issue = (*draw)[0];
        if (store.GotoIssue(issue)) {
            // Line 1's draw is held already: the lines of the draws the history holds after it are skipped.
            if (n == 1) n += std::max(0, lastRealDrawRow(store) - store.RecNo());
        } else if (freshIssues.insert(issue).second) {
            fresh.push_back(*draw);
        }
    }
    if (!fresh.empty()) {
        StoreSnapshot before(store);
        for (const DrawFields& draw : fresh) appendDrawRow(store, draw);
        result.error = saveOrRestore(store, before);
        if (result.error.empty()) result.added = static_cast<int>(fresh.size());
    }
    store.Last();
    return result;
}

OnlineNotice noticeForPopup(const SettingsStore* settings, const OnlineNotice& lastUpdate) {
    OnlineNotice notice = lastUpdate;
    if (settings) {
        auto version = settings->readInt(kNoticeVersionSetting);
        if (version && *version > kProgramVersion) {
            notice.text = settings->readText(kInformSetting).value_or("");
            notice.downloadList = settings->readText(kDownloadListSetting).value_or("");
        }
    }
    if (notice.text.empty()) notice.text = kDefaultNoticeText;
    return notice;
}

std::vector<std::string> downloadAddresses(std::string_view list) {
    std::vector<std::string> addresses;
    for (std::size_t end = list.find('$'); end != std::string_view::npos; end = list.find('$')) {
        std::string_view piece = trimBlanks(list.substr(0, end));
        if (!piece.empty()) addresses.emplace_back(piece);
        list.remove_prefix(end + 1);
    }
    return addresses;
}

int noticeClientHeight(int textWidth, int buttonWidth, int lineHeight) {
    const int lines = (buttonWidth > 0 ? textWidth / buttonWidth : 0) + kNoticeExtraLines;
    return lines * lineHeight;
}

}  // namespace qorvel
