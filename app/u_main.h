// Tf_main: the main window — menus, the page control with one tab per page, the status bar, page opening
// and closing, the three modal actions of the menus, and the start-up and shutdown steps of the window.
#pragma once

#include <QMainWindow>

class QAction;
class QLabel;
class QMenu;
class QTabWidget;

namespace qorvel {

// The pages of the page control, in tab order.
enum class PageId { tjq, zh, fxd, moredb, zbpx, zbpxz, tdsh, set };

struct PageInfo {
    PageId id;
    const char* tabName;  // object name of the tab sheet
    const char* tabCaption;
    const char* menuName;  // object name of the opening menu entry (empty: opened by another page)
    const char* menuCaption;
    const char* statusText;  // status-bar text when the page is opened
};

// The single table of the pages: tab names and captions, menu entries and status texts.
const PageInfo (&pageTable())[8];
const PageInfo& pageInfo(PageId id);

class Tf_main : public QMainWindow {
  public:
    // Runs the window's creation step: shared tables, program folder, ball pictures, lottery types and the
    // current type, the draw stores, zone bounds and cold/hot settings.
    explicit Tf_main(QWidget* parent = nullptr);

    // Opens a page as its menu entry does: its tab becomes visible (in the next free position when it was
    // hidden), active, and the status bar names the page.
    void openPage(PageId id);
    // Hides the active tab ("关闭当前页").
    void closeCurrentPage();
    // Closes every page and hides every tab before a modal action; `keepOpen` is the window about to open.
    void closeAllPages(QWidget* keepOpen = nullptr);
    // "彩种选择": closes all pages and lets the user choose or edit the lottery type.
    void chooseLotteryType();

    QWidget* pageWidget(PageId id) const;
    QWidget* tabSheet(PageId id) const;
    int OpenPageCount() const { return openPageCount_; }
    QString statusText() const;
    // The text of the status bar's one panel; pages that open another page name it here.
    void setStatusText(const QString& text);
    // Sets the caption to the current slot's name, with "(原始数据)" after a use of the type dialog.
    void setTypeCaption(bool originalDataSuffix);

    QTabWidget* pc_main = nullptr;
    QWidget* ts_tjq = nullptr;
    QWidget* ts_zh = nullptr;
    QWidget* ts_fxd = nullptr;
    QWidget* ts_moredb = nullptr;
    QWidget* ts_zbpx = nullptr;
    QWidget* ts_zbpxz = nullptr;
    QWidget* ts_tdsh = nullptr;
    QWidget* ts_set = nullptr;
    QMenu* pm_tabs = nullptr;  // the tab bar's popup
    QAction* mi_closepage = nullptr;
    QAction* n_sjgx = nullptr;  // "数据更新", disabled while transformed data is shown

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildMenus();
    void buildPageControl();
    void runCreationStep();
    void runFirstShow();
    void dockPages();
    void hideAllTabs();
    void runShutdown();
    void showDataMaintenance();
    void showDataTransformation();
    void analyseSpecialNumbers();
    void askAndExit();
    void launchCalculator();
    void launchTextEditor();
    void showHelp();
    void onTabChanged(int index);
    void onTabBarContextMenu(const QPoint& pos);
    void activateTab(QWidget* sheet);

    QLabel* statusPanel_ = nullptr;
    int openPageCount_ = 0;
    bool shownOnce_ = false;
    bool shutDown_ = false;
    bool switchingTabs_ = false;  // programmatic tab changes do not rewrite the status text
};

inline Tf_main* f_main = nullptr;

}  // namespace qorvel
