#include "app/pages/u_fxd.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <array>

#include "app/pages/display_modes.h"
#include "app/pages/fxd/fxd_data_tables_view.h"
#include "app/pages/fxd/fxd_distribution_view.h"
#include "app/pages/fxd/fxd_image_views.h"
#include "app/pages/fxd/fxd_omission_view.h"
#include "app/pages/fxd/fxd_trend_view.h"
#include "app/pages/fxd/fxd_view.h"
#include "app/pages/u_zh.h"
#include "ui/drawing_host.h"

namespace qorvel {

namespace {

constexpr std::array<const char*, kScrollSpeeds> kSpeedCaptions = {"慢速", "中速", "快速", "特快"};
constexpr std::array<int, kScrollSpeeds> kSpeedIntervals = {1000, 800, 500, 200};  // milliseconds a row

QAction* addChoice(QMenu* menu, QActionGroup* group, const char* name, const char* caption, bool on) {
    QAction* action = menu->addAction(QString::fromUtf8(caption));
    action->setObjectName(name);
    action->setCheckable(true);
    action->setChecked(on);
    group->addAction(action);
    return action;
}

}  // namespace

Tf_fxd::Tf_fxd(QWidget* parent) : QWidget(parent) {
    setObjectName("f_fxd");
    pc_fxd = new QTabWidget(this);
    pc_fxd->setObjectName("pc_fxd");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(pc_fxd);

    scrollTimer_ = new QTimer(this);
    scrollTimer_->setObjectName("t_scroll");
    scrollTimer_->setInterval(kSpeedIntervals[0]);
    connect(scrollTimer_, &QTimer::timeout, this, [this] { scrollTick(); });
    buildViewMenu();
    buildSelectionMenu();

    addView(new FxdTrendView(this, pc_fxd), "ts_zbzs", "指标走势");
    addView(new FxdDataTablesView(this, pc_fxd), "ts_cgsjb", "常规数据表");
    addView(new FxdDistributionView(this, pc_fxd), "ts_fbt", "主号分布图");
    addView(new FxdOmissionView(this, pc_fxd, false), "ts_zhyltb", "主号遗漏图表");
    addView(new FxdOmissionView(this, pc_fxd, true), "ts_wsyltb", "尾数遗漏图表");
    addImageViewTabs(pc_fxd);
    connect(pc_fxd, &QTabWidget::currentChanged, this, [this] { tabChanged(); });
}

void Tf_fxd::addView(FxdView* view, const char* name, const char* caption) {
    view->setObjectName(name);
    views_.push_back(view);
    pc_fxd->addTab(view, QString::fromUtf8(caption));
}

void Tf_fxd::buildViewMenu() {
    pm_view = new QMenu(this);
    pm_view->setObjectName("pm_view");
    addDisplayModeMenu(pm_view, this, 0, [this](int mode) { setDisplayMode(mode); });
    pm_view->addSeparator();
    QAction* start = pm_view->addAction(QString::fromUtf8("开始滚动"));
    start->setObjectName("mi_startscroll");
    connect(start, &QAction::triggered, this, [this] { startScrolling(); });
    QAction* stop = pm_view->addAction(QString::fromUtf8("停止滚动"));
    stop->setObjectName("mi_stopscroll");
    connect(stop, &QAction::triggered, this, [this] { stopScrolling(); });

    QMenu* direction = pm_view->addMenu(QString::fromUtf8("滚动方向"));
    direction->menuAction()->setObjectName("mi_scrolldirection");
    auto* directionGroup = new QActionGroup(this);
    QAction* down = addChoice(direction, directionGroup, "mi_scrolldown", "向下滚动", true);
    QAction* up = addChoice(direction, directionGroup, "mi_scrollup", "向上滚动", false);
    connect(down, &QAction::triggered, this, [this] { scrollDirection_ = 1; });
    connect(up, &QAction::triggered, this, [this] { scrollDirection_ = -1; });

    QMenu* speed = pm_view->addMenu(QString::fromUtf8("滚动速度"));
    speed->menuAction()->setObjectName("mi_scrollspeed");
    auto* speedGroup = new QActionGroup(this);
    for (int k = 0; k < kScrollSpeeds; ++k) {
        const QByteArray name = "mi_speed" + QByteArray::number(k);
        QAction* a = addChoice(speed, speedGroup, name.constData(), kSpeedCaptions[k], k == 0);
        connect(a, &QAction::triggered, this, [this, k] { scrollTimer_->setInterval(kSpeedIntervals[k]); });
    }
    pm_view->addSeparator();
    QAction* conditions = pm_view->addAction(QString::fromUtf8("过滤条件"));
    conditions->setObjectName("mi_glcond");
    connect(conditions, &QAction::triggered, this, [this] {
        if (!f_zh) return;
        f_zh->addforselfcond(menuView_ ? menuView_->selectedMainNumbers() : std::vector<int>{});
    });
    pm_view->addSeparator();
    saveAction_ = pm_view->addAction(QString::fromUtf8(kSavePictureCaption));
    saveAction_->setObjectName("mi_savepicture");
    connect(saveAction_, &QAction::triggered, this, [this] {
        if (menuHost_) menuHost_->savePictureAs();
    });
}

void Tf_fxd::buildSelectionMenu() {
    pm_selection = new QMenu(this);
    pm_selection->setObjectName("pm_selection");
    struct Entry {
        const char* name;
        const char* caption;
        void (FxdView::*act)();
    };
    const Entry entries[] = {{"mi_clearselection", "清除选号区", &FxdView::clearSelection},
                             {"mi_importselection", "将选号导入到预测区", &FxdView::importSelection},
                             {"mi_clearforecast", "清除预测区", &FxdView::clearForecast}};
    for (const Entry& e : entries) {
        QAction* a = pm_selection->addAction(QString::fromUtf8(e.caption));
        a->setObjectName(e.name);
        connect(a, &QAction::triggered, this, [this, act = e.act] {
            if (menuView_) (menuView_->*act)();
        });
    }
}

void Tf_fxd::popupViewMenu(FxdView* view, DrawingHost* host, QPoint globalPos) {
    menuView_ = view;
    menuHost_ = host;
    saveAction_->setVisible(host != nullptr);
    pm_view->popup(globalPos);
}

void Tf_fxd::popupSelectionMenu(FxdView* view, QPoint globalPos) {
    menuView_ = view;
    pm_selection->popup(globalPos);
}

void Tf_fxd::setDisplayMode(int mode) {
    displayMode_ = mode;
    if (FxdView* view = currentView()) view->displayModeChanged();
}

void Tf_fxd::startScrolling() {
    if (currentView()) scrollTimer_->start();
}

void Tf_fxd::stopScrolling() { scrollTimer_->stop(); }

bool Tf_fxd::scrolling() const { return scrollTimer_->isActive(); }

int Tf_fxd::scrollInterval() const { return scrollTimer_->interval(); }

void Tf_fxd::scrollTick() {
    FxdView* view = currentView();
    if (!view || !view->scrollStep(scrollDirection_)) stopScrolling();
}

FxdView* Tf_fxd::currentView() const { return dynamic_cast<FxdView*>(pc_fxd->currentWidget()); }

void Tf_fxd::tabChanged() {
    // Leaving a sub-page ends its automatic scrolling; the one shown is rebuilt from the history.
    stopScrolling();
    if (FxdView* view = currentView(); view && isVisible()) view->refresh();
}

void Tf_fxd::pageShown() {
    if (FxdView* view = currentView()) view->refresh();
}

void Tf_fxd::pageClosed() { stopScrolling(); }

void Tf_fxd::typeChanged(bool reloaded) {
    (void)reloaded;
    stopScrolling();
    if (FxdView* view = currentView()) view->refresh();
}

void Tf_fxd::historyChanged() {
    if (FxdView* view = currentView()) view->refresh();
}

}  // namespace qorvel
