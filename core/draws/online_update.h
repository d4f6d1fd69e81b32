// The online update, without its HTTP request: the address of the current type's update document, the
// reading of that tagged document (notices, download list, numbered draw lines), adding the draws the
// history lacks, the settings values the update writes, and the rules of the notice popup.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "types/settings_store.h"
#include "types/workspace.h"

namespace qorvel {

constexpr int kProgramVersion = 20;
constexpr int kUpdateTimeoutMs = 5000;    // the GET must never hold up start-up for long
constexpr int kUpdateDocumentSlots = 2;   // only slots 0 and 1 have a document
constexpr int kDrawLineKeyDigits = 7;
constexpr int kNoticeLifetimeMs = 8000;   // the popup closes itself after this
constexpr int kNoticeBottomGap = 30;      // pixels between the popup and the bottom of the screen
constexpr int kNoticeExtraLines = 4;

inline constexpr const char* kUpdateWaitNotice = "在线更新中，请稍候.";
inline constexpr const char* kStartupUpdateWaitNotice = "请稍候，正在更新数据.";
inline constexpr const char* kDefaultNoticeText = "欢迎使用。";
inline constexpr const char* kOpenPagesYes = "是";

// Settings values the update writes and the popup reads.
inline constexpr const char* kInformSetting = "inform";
inline constexpr const char* kStartupUpdateSetting = "readieonrun";
inline constexpr const char* kDownloadListSetting = "downloadie";
inline constexpr const char* kNoticeVersionSetting = "newbbh";

// The settings text value holding the document address of a slot ("updateurl0", "updateurl1"); empty
// for slots without a document.
std::string updateDocumentSetting(int slot);
// The address to fetch for the slot: empty (the update ends at once) for other slots, for a missing
// settings store and when the value is unset or blank.
std::string updateDocumentAddress(const SettingsStore* settings, int slot);

// The text between the first opening tag and the first closing tag after it; empty when either is missing.
std::string documentSection(std::string_view document, std::string_view openingTag, std::string_view closingTag);

struct UpdateSections {
    std::string openPages;      // "打开网页"
    std::string startupUpdate;  // "启动时更新"
    std::string versionNotice;  // "20提示"
    std::string publicNotice;   // "公共提示"
    std::string downloadList;   // "20下载地址"
};
UpdateSections parseUpdateSections(std::string_view document);

// Draw line n of a document: the key (n as seven digits and ":"), the seven-digit issue, then two digits
// per number with nothing between them.
std::string drawLineKey(int n);

// The first occurrence of every draw-line key in a document, found in one pass.
class DrawLineIndex {
public:
    explicit DrawLineIndex(std::string_view document);
    // The draw of line n; nothing when its key is absent or the line is malformed (a non-digit, a short
    // text, a reserved issue or a number outside its zone's range).
    std::optional<DrawFields> draw(int n, const TypeParams& params) const;

private:
    std::string_view document_;
    std::vector<std::pair<int, std::size_t>> firstKey_;  // (n, position), sorted by n
};

struct OnlineNotice {
    std::string text;          // version notice followed by the public notice
    std::string downloadList;  // addresses, each followed by "$"
    bool openPagesAtExit = false;
};

struct OnlineUpdateResult {
    OnlineNotice notice;
    int added = 0;
    std::string error;  // a failed write of the draw file; the caller stays silent about it
};

// Runs the update on a fetched document (GBK bytes): reads the sections, writes `inform`, `readieonrun`
// and `downloadie` when a settings store is given, and adds the draws of the numbered lines the history
// lacks. When line 1's draw is in the history already, the lines of the draws after it that the history
// holds are skipped by their count. New draws are sorted in and written with one save. While a data
// transformation is active the history is not touched.
OnlineUpdateResult applyUpdateDocument(Workspace& ws, std::string_view documentGbk, SettingsStore* settings);

// What the popup shows: the notice of the last update, or the stored one when `newbbh` exceeds the
// program's version; "欢迎使用。" when the text is empty.
OnlineNotice noticeForPopup(const SettingsStore* settings, const OnlineNotice& lastUpdate);

// The addresses of a download list: every non-empty piece before a "$", blanks around it trimmed.
std::vector<std::string> downloadAddresses(std::string_view list);

// The popup's client height: (text width div button width + 4) lines of the given height.
int noticeClientHeight(int textWidth, int buttonWidth, int lineHeight);

}  // namespace qorvel
