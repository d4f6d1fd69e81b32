// The page table: the one list of the main window's pages — tab, caption, menu entry, status text, how
// the page's window is created and found, and how it closes. Adding a page is one row here and its class.
#pragma once

#include <span>

class QWidget;

namespace qorvel {

class Page;

enum class PageId { tjq, zh, fxd, moredb, zbpx, zbpxz, tdsh, set };

// The page's one window: created once at start-up, found through its global instance, forgotten when the
// program session ends.
struct PageWindow {
    QWidget* (*create)();
    QWidget* (*widget)();
    Page* (*page)();
    void (*forget)();
};

struct PageInfo {
    PageId id;
    const char* tabName;  // object name of the tab sheet
    const char* tabCaption;
    const char* menuName;  // object name of the opening menu entry (empty: opened by another page)
    const char* menuCaption;
    int menuGroup;           // separator group of the "组件" menu the entry stands in
    const char* statusText;  // status-bar text when the page is opened
    bool activateBeforeClose;  // close-all activates the tab before closing it, as a user would
    PageWindow window;
};

// Rows in the order close-all closes the pages; tabs line up in the order the pages are opened.
std::span<const PageInfo> pageTable();
const PageInfo& pageInfo(PageId id);

}  // namespace qorvel
