// Page: what the main window tells every page of its page control. Each page class derives from it
// beside QWidget; the main window, start-up, close-all and the type change reach the pages only through
// the page table and this interface.
#pragma once

namespace qorvel {

class Page {
  public:
    virtual ~Page() = default;

    // The page's tab was opened (by its menu entry or by another page).
    virtual void pageShown() {}
    // The page's tab was closed, or every tab was closed before a modal action.
    virtual void pageClosed() {}
    // The lottery type dialog closed. reloaded: a type was chosen and its history loaded, so everything
    // the page shows of the previous type is stale; otherwise only the current slot's labels may differ.
    virtual void typeChanged(bool reloaded) { (void)reloaded; }
    // Draws were added, edited, deleted, imported or transformed.
    virtual void historyChanged() {}
};

}  // namespace qorvel
