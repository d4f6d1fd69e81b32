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
#include "app/desktop_tools.h"
#include "app/dialogs/u_bh.h"
#include "app/dialogs/u_gxsjq.h"
#include "app/help_page.h"
#include "app/pages/online_update.h"
#include "app/pages/u_fxd.h"
#include "app/pages/u_moredb.h"
#include "app/pages/u_set.h"
#include "app/pages/u_tdsh.h"
#include "app/pages/u_tjq.h"
#include "app/pages/u_zbpx.h"
#include "app/pages/u_zbpxz.h"
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

constexpr PageInfo kPages[] = {
    {PageId::tjq, "ts_tjq", "统计区", "n_tjq", "统计区", "统计区"},
    {PageId::zh, "ts_zh", "超强组号", "n_zh", "超强组号", "超强组号"},
    {PageId::fxd, "ts_fxd", " 综合分析", "n_fxd", "综合分析", "综合分析"},
    {PageId::moredb, "ts_moredb", "更多图表", "n_moredb", "更多图表", "更多图表"},
    {PageId::zbpx, "ts_zbpx", "指标管理", "n_zbpx", "指标管理", "指标管理"},
    {PageId::zbpxz, "ts_zbpxz", "指标剖析", "", "", ""},
    {PageId::tdsh, "ts_tdsh", "定胆杀号", "n_tdsh", "定胆杀号", "定胆杀号"},
    {PageId::set, "ts_set", "设置", "n_set", "设置", "设置"},
};

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

const PageInfo (&pageTable())[8] {
    return kPages;
}

const PageInfo& pageInfo(PageId id) {
    return kPages[static_cast<int>(id)];
}

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
    QWidget** sheets[] = {&ts_tjq, &ts_zh, &ts_fxd, &ts_moredb, &ts_zbpx, &ts_zbpxz, &ts_tdsh, &ts_set};
    for (const auto& info : kPages) {
        QWidget* sheet = new QWidget(pc_main);
        sheet->setObjectName(info.tabName);
        auto* layout = new QVBoxLayout(sheet);
        layout->setContentsMargins(0, 0, 0, 0);
        pc_main->addTab(sheet, QString::fromUtf8(info.tabCaption));
        *sheets[static_cast<int>(info.id)] = sheet;
    }
    for (int i = 0; i < pc_main->count(); ++i) pc_main->setTabVisible(i, false);
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
    const auto page = [](PageId id) {
        const PageInfo& info = pageInfo(id);
        return MenuEntry{info.menuName, info.menuCaption, id, nullptr, false};
    };
    const MenuEntry separator{"", "", std::nullopt, nullptr, false};
    const MenuInfo menus[] = {
        {"n_zj",
         "组件",
         {page(PageId::zh),
          separator,
          page(PageId::fxd),
          page(PageId::moredb),
          {"n_lhfx", "蓝号分析", std::nullopt, &Tf_main::analyseSpecialNumbers, true},
          separator,
          page(PageId::tjq),
          separator,
          page(PageId::zbpx),
          separator,
          page(PageId::tdsh),
          separator,
          {"n_sjbh", "数据变换", std::nullopt, &Tf_main::showDataTransformation, false},
          separator,
          page(PageId::set)}},
        {"n_sjwh",
         "数据维护",
         {{"n_czxz", "彩种选择", std::nullopt, &Tf_main::chooseLotteryType, false},
          separator,
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
    if (store.GotoIssue(kForecastIssue)) store.Delete(false);
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
    const PageId order[] = {PageId::fxd,  PageId::moredb, PageId::tjq,  PageId::zh,
                            PageId::zbpx, PageId::zbpxz,  PageId::tdsh, PageId::set};
    for (PageId id : order) {
        QWidget* page = pageWidget(id);
        if (!page || page->parentWidget() == tabSheet(id)) continue;
        page->setParent(tabSheet(id));
        tabSheet(id)->layout()->addWidget(page);
        page->hide();
    }
}

void Tf_main::hideAllTabs() {
    switchingTabs_ = true;
    for (int i = 0; i < pc_main->count(); ++i) pc_main->setTabVisible(i, false);
    pc_main->hide();
    switchingTabs_ = false;
}

QWidget* Tf_main::pageWidget(PageId id) const {
    switch (id) {
        case PageId::tjq:
            return f_tjq;
        case PageId::zh:
            return f_zh;
        case PageId::fxd:
            return f_fxd;
        case PageId::moredb:
            return f_moredb;
        case PageId::zbpx:
            return f_zbpx;
        case PageId::zbpxz:
            return f_zbpxz;
        case PageId::tdsh:
            return f_tdsh;
        case PageId::set:
            return f_set;
    }
    return nullptr;
}

QWidget* Tf_main::tabSheet(PageId id) const {
    QWidget* const sheets[] = {ts_tjq, ts_zh, ts_fxd, ts_moredb, ts_zbpx, ts_zbpxz, ts_tdsh, ts_set};
    return sheets[static_cast<int>(id)];
}

void Tf_main::activateTab(QWidget* sheet) {
    switchingTabs_ = true;
    pc_main->setCurrentWidget(sheet);
    switchingTabs_ = false;
}

void Tf_main::openPage(PageId id) {
    if (f_gxsjq && f_gxsjq->isVisible()) f_gxsjq->close();
    if (QWidget* page = pageWidget(id)) page->show();
    QWidget* sheet = tabSheet(id);
    const int index = pc_main->indexOf(sheet);
    if (!pc_main->isTabVisible(index)) {
        switchingTabs_ = true;
        pc_main->setTabVisible(index, true);
        ++openPageCount_;
        pc_main->tabBar()->moveTab(index, openPageCount_ - 1);
        switchingTabs_ = false;
    }
    pc_main->show();
    activateTab(sheet);
    setStatusText(QString::fromUtf8(pageInfo(id).statusText));
}

void Tf_main::closeCurrentPage() {
    const int index = pc_main->currentIndex();
    if (openPageCount_ == 0 || index < 0 || !pc_main->isTabVisible(index)) return;
    switchingTabs_ = true;
    pc_main->setTabVisible(index, false);
    switchingTabs_ = false;
    --openPageCount_;
    if (openPageCount_ == 0) pc_main->hide();
}

void Tf_main::closeAllPages(QWidget* keepOpen) {
    struct Step {
        PageId page;
        bool activateFirst;
    };
    // Pages that react to being left get their tab activated first, as a user closing them would.
    const Step steps[] = {{PageId::fxd, true},   {PageId::moredb, true}, {PageId::zh, false},
                          {PageId::zbpx, false}, {PageId::zbpxz, false}, {PageId::tdsh, true},
                          {PageId::tjq, true}};
    for (const auto& step : steps) {
        QWidget* page = pageWidget(step.page);
        if (!page || page->isHidden()) continue;
        if (step.activateFirst) activateTab(tabSheet(step.page));
        page->hide();
    }
    if (f_gxsjq && f_gxsjq->isVisible() && f_gxsjq != keepOpen) f_gxsjq->close();
    hideAllTabs();
    openPageCount_ = 0;
}

void Tf_main::showDataMaintenance() {
    closeAllPages(f_gxsjq);
    if (f_gxsjq) f_gxsjq->exec();
}

void Tf_main::showDataTransformation() {
    closeAllPages();
    if (f_bh) f_bh->exec();
}

void Tf_main::analyseSpecialNumbers() {
    if (f_zbpx)
        f_zbpx->dissectExistingIndicator("f_num1", QStringLiteral("蓝号"), 1, workspace().params.SpecialTo);
}

void Tf_main::launchCalculator() {
    launchFirstAvailable(calculatorPrograms());
}

void Tf_main::launchTextEditor() {
    launchFirstAvailable(textEditorPrograms());
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
