// Tf_main: the main window — menus, the page control with one tab per page, the status bar, page opening
// and closing, the three modal actions of the menus, and the start-up and shutdown steps of the window.
#pragma once

#include <QMainWindow>
#include <vector>

#include "app/page_table.h"

class QAction;
class QLabel;
class QMenu;
class QTabWidget;

namespace qorvel {

class Tf_main : public QMainWindow {
  public:
    // Runs the window's creation step: shared tables, program folder, ball pictures, lottery types and the
    // current type, the draw stores, zone bounds and cold/hot settings.
    explicit Tf_main(QWidget* parent = nullptr);

    // Opens a page as its menu entry does: its tab becomes visible (in the next free position when it was
    // hidden), active, and the status bar names the page.
    void openPage(PageId id);
    // Closes the active tab ("关闭当前页").
    void closeCurrentPage();
    // Closes every page and hides every tab before a modal action; `keepOpen` is the window about to open.
    void closeAllPages(QWidget* keepOpen = nullptr);
    // "彩种选择": closes all pages and lets the user choose or edit the lottery type.
    void chooseLotteryType();
    // Tells every page that the type dialog closed (reloaded: a type was chosen and loaded).
    void notifyTypeChanged(bool reloaded);
    // Tells every page that the draw history changed.
    void notifyHistoryChanged();

    QWidget* pageWidget(PageId id) const;
    // The tab sheet a page is docked into; it is in the page control only while the page is open.
    QWidget* tabSheet(PageId id) const;
    int OpenPageCount() const { return openPageCount_; }
    QString statusText() const;
    // The text of the status bar's one panel; pages that open another page name it here.
    void setStatusText(const QString& text);
    // Sets the caption to the current slot's name, with "(原始数据)" after a use of the type dialog.
    void setTypeCaption(bool originalDataSuffix);

    QTabWidget* pc_main = nullptr;
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
    void closeTab(int index);

    QLabel* statusPanel_ = nullptr;
    std::vector<QWidget*> sheets_;  // one tab sheet per row of the page table, in its order
    int openPageCount_ = 0;
    bool shownOnce_ = false;
    bool shutDown_ = false;
    bool switchingTabs_ = false;  // programmatic tab changes do not rewrite the status text
};

inline Tf_main* f_main = nullptr;

}  // namespace qorvel
