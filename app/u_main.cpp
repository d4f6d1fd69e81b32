#include "app/u_main.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <optional>
#include <vector>

#include "app/app_state.h"
#include "draws/forecast_row.h"
#include "app/desktop_tools.h"
#include "app/dialogs/u_bh.h"
#include "app/dialogs/u_gxsjq.h"
#include "app/help_page.h"
#include "app/page.h"
#include "app/pages/online_update.h"
#include "app/pages/u_zbpx.h"
#include "app/pages/u_zh.h"
#include "app/u_showpic.h"
#include "ui/ball_pictures.h"
#include "ui/platform.h"

namespace qorvel {
namespace {

constexpr int kMinimumScreenWidth = 1024;
constexpr int kStartBackDraws = 12;     // the start-up position: this many draws before the last
constexpr int kUndoConditionFiles = 5;  // "hfset0.zh" .. "hfset4.zh"
constexpr int kPopupOffset = 5;         // the tab popup opens this many pixels right of the click

// One entry of the menus: a page, an action of the window, or a separator (empty name).
struct MenuEntry {
    const char* name;
    const char* caption;
    std::optional<PageId> page;
    void (Tf_main::*action)();
    bool hidden;
};

struct MenuInfo {
    const char* name;
    const char* caption;
    std::vector<MenuEntry> entries;
};

}  // namespace

Tf_main::Tf_main(QWidget* parent) : QMainWindow(parent) {
    setObjectName("f_main");
    buildPageControl();
    buildMenus();
    statusPanel_ = new QLabel(this);
    statusPanel_->setObjectName("statusPanel");
    statusBar()->addWidget(statusPanel_, 1);
    runCreationStep();
}

void Tf_main::buildPageControl() {
    pc_main = new QTabWidget(this);
    pc_main->setObjectName("pc_main");
    // A sheet is in the page control only while its page is open, so the tabs stand in opening order.
    for (const PageInfo& info : pageTable()) {
        QWidget* sheet = new QWidget(this);
        sheet->setObjectName(info.tabName);
        auto* layout = new QVBoxLayout(sheet);
        layout->setContentsMargins(0, 0, 0, 0);
        sheet->hide();
        sheets_.push_back(sheet);
    }
    pc_main->hide();
    setCentralWidget(pc_main);
    connect(pc_main, &QTabWidget::currentChanged, this, &Tf_main::onTabChanged);

    pm_tabs = new QMenu(this);
    pm_tabs->setObjectName("pm_tabs");
    mi_closepage = pm_tabs->addAction(QStringLiteral("关闭当前页"));
    mi_closepage->setObjectName("mi_closepage");
    connect(mi_closepage, &QAction::triggered, this, &Tf_main::closeCurrentPage);
    pc_main->tabBar()->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(pc_main->tabBar(), &QWidget::customContextMenuRequested, this, &Tf_main::onTabBarContextMenu);
}

void Tf_main::buildMenus() {
    // The "组件" menu: the pages by their menu group, with the window's own entries in groups 1 and 5.
    std::vector<MenuEntry> components;
    constexpr int kComponentGroups = 7;
    for (int group = 0; group < kComponentGroups; ++group) {
        if (group > 0) components.push_back({"", "", std::nullopt, nullptr, false});
        for (const PageInfo& info : pageTable())
            if (info.menuGroup == group) components.push_back({info.menuName, info.menuCaption, info.id, nullptr, false});
        if (group == 1) components.push_back({"n_lhfx", "蓝号分析", std::nullopt, &Tf_main::analyseSpecialNumbers, true});
        if (group == 5) components.push_back({"n_sjbh", "数据变换", std::nullopt, &Tf_main::showDataTransformation, false});
    }
    const MenuInfo menus[] = {
        {"n_zj", "组件", components},
        {"n_sjwh",
         "数据维护",
         {{"n_czxz", "彩种选择", std::nullopt, &Tf_main::chooseLotteryType, false},
          {"", "", std::nullopt, nullptr, false},
          {"n_sjgx", "数据更新", std::nullopt, &Tf_main::showDataMaintenance, false}}},
        {"n_gj",
         "工具",
         {{"n_jsq", "计算器", std::nullopt, &Tf_main::launchCalculator, false},
          {"n_jsb", "记事本", std::nullopt, &Tf_main::launchTextEditor, false}}},
        {"n_bz", "帮助", {{"n_bzzt", "帮助主题", std::nullopt, &Tf_main::showHelp, false}}},
    };
    for (const auto& menuInfo : menus) {
        QMenu* menu = menuBar()->addMenu(QString::fromUtf8(menuInfo.caption));
        menu->setObjectName(menuInfo.name);
        for (const auto& entry : menuInfo.entries) {
            if (*entry.name == '\0') {
                menu->addSeparator();
                continue;
            }
            QAction* action = menu->addAction(QString::fromUtf8(entry.caption));
            action->setObjectName(entry.name);
            action->setVisible(!entry.hidden);
            if (entry.page) {
                const PageId id = *entry.page;
                connect(action, &QAction::triggered, this, [this, id] { openPage(id); });
            } else if (entry.action) {
                connect(action, &QAction::triggered, this, entry.action);
            }
        }
    }
    n_sjgx = findChild<QAction*>("n_sjgx");
    QAction* exitAction = menuBar()->addAction(QStringLiteral("退出"));
    exitAction->setObjectName("n_tc");
    connect(exitAction, &QAction::triggered, this, &Tf_main::askAndExit);
}

void Tf_main::runCreationStep() {
    Workspace& ws = workspace();
    appState().formulas = std::make_unique<tgs>(ws);
    ws.dataTransformed = false;
    openPageCount_ = 0;
    ws.numberClasses = defaultNumberClassTable();
    ws.ProgramFolder = toUtf8(programFolderFromEnvironment());

    const QString folder = fromUtf8(ws.ProgramFolder.string());
    if (QString error = ensureBallPictures(folder); !error.isEmpty()) showMessage(error, this);
    loadBallPictures(folder);
    if (QString error = ensureHelpPage(); !error.isEmpty()) showMessage(error, this);

    if (auto error = ws.loadTypes(); !error.empty()) showMessage(fromUtf8(error), this);
    ws.applyCurrentType(false);
    setTypeCaption(false);

    ws.MainStore.setMessageHandler([this](const std::string& text) { showMessage(fromUtf8(text), this); });
    if (!ws.openMainStore()) {
        showMessage(fromUtf8(ws.MainStore.lastError()), this);
    } else if (!ws.MainStore.loadWarning().empty()) {
        showMessage(fromUtf8(ws.MainStore.loadWarning()), this);
    }
    ws.coldHot = readColdHotSettings(settingsStore());

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        appState().screenWidth = screen->geometry().width();
        appState().screenHeight = screen->geometry().height();
        // Without a window manager a maximise request does nothing, so the window starts at screen size.
        setGeometry(screen->availableGeometry());
        move(screen->availableGeometry().topLeft());
    }
}

void Tf_main::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shownOnce_) return;
    shownOnce_ = true;
    runFirstShow();
}

void Tf_main::runFirstShow() {
    Workspace& ws = workspace();
    setWindowState(windowState() | Qt::WindowMaximized);
    dockPages();
    hideAllTabs();
    ws.resetDeterminantOrder();

    f_showpic->showText(QStringLiteral("请稍候，正在更新数据."));
    runOnlineUpdateAtStart();
    f_showpic->hide();

    // A forecast row stored by an earlier run leaves memory only; the file keeps it until its next write.
    t_s_dm& store = ws.MainStore;
    clearForecastRow(store);
    ws.captureLatestDraw();
    if (!store.IsEmpty()) {
        store.Last();
        classifyColdHot(store, ws.params, ws.coldHot, store.GetField(0), ws.coldHotLists);
        store.Last();
        store.MoveBy(-kStartBackDraws);
    }

    if (appState().screenWidth < kMinimumScreenWidth)
        showMessage(QStringLiteral("请将分辨率调至1024*768以上，否则某些页面不能完全显示"), this);
    openPage(PageId::fxd);
}

void Tf_main::dockPages() {
    for (const PageInfo& info : pageTable()) {
        QWidget* page = pageWidget(info.id);
        QWidget* sheet = tabSheet(info.id);
        if (!page || page->parentWidget() == sheet) continue;
        page->setParent(sheet);
        sheet->layout()->addWidget(page);
        page->hide();
    }
}

void Tf_main::hideAllTabs() {
    switchingTabs_ = true;
    while (pc_main->count() > 0) pc_main->removeTab(0);
    pc_main->hide();
    switchingTabs_ = false;
}

QWidget* Tf_main::pageWidget(PageId id) const {
    return pageInfo(id).window.widget();
}

QWidget* Tf_main::tabSheet(PageId id) const {
    const auto table = pageTable();
    for (std::size_t i = 0; i < table.size(); ++i)
        if (table[i].id == id) return sheets_[i];
    return nullptr;
}

void Tf_main::activateTab(QWidget* sheet) {
    switchingTabs_ = true;
    pc_main->setCurrentWidget(sheet);
    switchingTabs_ = false;
}

void Tf_main::openPage(PageId id) {
    if (f_gxsjq && f_gxsjq->isVisible()) f_gxsjq->close();
    const PageInfo& info = pageInfo(id);
    QWidget* page = pageWidget(id);
    if (page) page->show();
    QWidget* sheet = tabSheet(id);
    if (pc_main->indexOf(sheet) < 0) {
        switchingTabs_ = true;
        pc_main->insertTab(openPageCount_, sheet, QString::fromUtf8(info.tabCaption));
        ++openPageCount_;
        switchingTabs_ = false;
    }
    pc_main->show();
    activateTab(sheet);
    setStatusText(QString::fromUtf8(info.statusText));
    if (Page* hooks = info.window.page()) hooks->pageShown();
}

void Tf_main::closeTab(int index) {
    QWidget* sheet = pc_main->widget(index);
    switchingTabs_ = true;
    pc_main->removeTab(index);
    switchingTabs_ = false;
    --openPageCount_;
    if (openPageCount_ == 0) pc_main->hide();
    for (const PageInfo& info : pageTable())
        if (tabSheet(info.id) == sheet)
            if (Page* hooks = info.window.page()) hooks->pageClosed();
}

void Tf_main::closeCurrentPage() {
    const int index = pc_main->currentIndex();
    if (openPageCount_ == 0 || index < 0) return;
    closeTab(index);
}

void Tf_main::closeAllPages(QWidget* keepOpen) {
    for (const PageInfo& info : pageTable()) {
        QWidget* page = pageWidget(info.id);
        if (!page || page->isHidden()) continue;
        const int index = pc_main->indexOf(tabSheet(info.id));
        if (info.activateBeforeClose && index >= 0) activateTab(tabSheet(info.id));
        page->hide();
        if (Page* hooks = info.window.page()) hooks->pageClosed();
    }
    if (f_gxsjq && f_gxsjq->isVisible() && f_gxsjq != keepOpen) f_gxsjq->close();
    hideAllTabs();
    openPageCount_ = 0;
}

void Tf_main::notifyTypeChanged(bool reloaded) {
    for (const PageInfo& info : pageTable())
        if (Page* hooks = info.window.page()) hooks->typeChanged(reloaded);
}

void Tf_main::notifyHistoryChanged() {
    for (const PageInfo& info : pageTable())
        if (Page* hooks = info.window.page()) hooks->historyChanged();
}

void Tf_main::showDataMaintenance() {
    closeAllPages(f_gxsjq);
    if (f_gxsjq) f_gxsjq->exec();
    notifyHistoryChanged();
}

void Tf_main::showDataTransformation() {
    closeAllPages();
    if (f_bh) f_bh->exec();
    notifyHistoryChanged();
}

void Tf_main::analyseSpecialNumbers() {
    if (f_zbpx)
        f_zbpx->dissectExistingIndicator("f_num1", QStringLiteral("蓝号"), 1, workspace().params.SpecialTo);
}

void Tf_main::launchCalculator() {
    if (!launchFirstAvailable(calculatorPrograms())) showMessage(QString::fromUtf8(kNoCalculatorMessage), this);
}

void Tf_main::launchTextEditor() {
    if (!launchFirstAvailable(textEditorPrograms())) showMessage(QString::fromUtf8(kNoTextEditorMessage), this);
}

void Tf_main::showHelp() {
    openHelp(this);
}

void Tf_main::askAndExit() {
    if (askYesNo(QStringLiteral("是否退出本软件"), QStringLiteral("退出提示"), this)) close();
}

void Tf_main::onTabChanged(int index) {
    if (switchingTabs_ || index < 0) return;
    setStatusText(pc_main->tabText(index));
}

void Tf_main::onTabBarContextMenu(const QPoint& pos) {
    pm_tabs->popup(pc_main->tabBar()->mapToGlobal(pos) + QPoint(kPopupOffset, 0));
}

void Tf_main::setStatusText(const QString& text) {
    statusPanel_->setText(text);
}

QString Tf_main::statusText() const {
    return statusPanel_->text();
}

void Tf_main::setTypeCaption(bool originalDataSuffix) {
    const QString name = fromUtf8(workspace().currentType().Name);
    setWindowTitle(originalDataSuffix ? name + QStringLiteral("(原始数据)") : name);
}

void Tf_main::closeEvent(QCloseEvent* event) {
    runShutdown();
    QMainWindow::closeEvent(event);
}

void Tf_main::runShutdown() {
    if (shutDown_) return;
    shutDown_ = true;
    Workspace& ws = workspace();
    if (f_zh) f_zh->saveExitConditions(ws.file("exitset.zh"));
    for (int n = 0; n < kUndoConditionFiles; ++n) {
        std::error_code ec;
        std::filesystem::remove(ws.file("hfset" + std::to_string(n) + ".zh"), ec);
    }
    releaseBallPictures();
    openDownloadAddressesIfAsked();
}

}  // namespace qorvel
