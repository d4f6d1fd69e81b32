// The indicator trend sub-page of the trend analysis page on the 双色球 sample: what the user sees at start,
// features and their labels, the shared window of both charts (scroll bar, wheel, zoom, "扩至", automatic
// scrolling), the statistics memo and the chart properties, formula errors and the dissection hand-over.
#include <QCheckBox>
#include <QComboBox>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTreeWidget>

#include "app/app_state.h"
#include "app/dialogs/u_largerset.h"
#include "app/pages/fxd/fxd_trend_view.h"
#include "app/pages/u_zbpxz.h"
#include "fxd_test_support.h"
#include "text/gbk.h"
#include "ui/drawing_host.h"

using namespace qorvel;
using namespace qorvel::testing;

namespace {

FxdTrendView* trendView() { return control<FxdTrendView>(f_fxd, "ts_zbzs"); }

QTreeWidgetItem* treeItem(const QString& category, const QString& name) {
    QTreeWidget* tree = trendView()->tv_zbzs;
    for (int c = 0; c < tree->topLevelItemCount(); ++c) {
        QTreeWidgetItem* node = tree->topLevelItem(c);
        if (node->text(0) != category) continue;
        for (int i = 0; i < node->childCount(); ++i)
            if (node->child(i)->text(0) == name) return node->child(i);
    }
    return nullptr;
}

int countPixels(const QImage& image, const std::function<bool(QRgb)>& wanted) {
    int n = 0;
    for (int y = 0; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); x += 2) n += wanted(image.pixel(x, y)) ? 1 : 0;
    return n;
}

bool blue(QRgb p) { return qBlue(p) > 180 && qRed(p) < 80 && qGreen(p) < 80; }
bool red(QRgb p) { return qRed(p) > 180 && qGreen(p) < 80 && qBlue(p) < 80; }

}  // namespace

class FxdTrendTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void initTestCase() {
        quietOffscreenWarnings();
        sample_ = fxd::ssqSample();
    }
    void theProgramOpensOnTheFirstIndicatorDrawn();
    void featuresGiveTitlesAndLabels_data();
    void featuresGiveTitlesAndLabels();
    void bothChartsShareTheWindow();
    void automaticScrollingMovesTheWindowUntilTheSubPageIsLeft();
    void thePropertiesSetTheStatisticsRangeAndTheGrid();
    void aFormulaErrorKeepsThePreviousPicture();
    void dissectHandsTheIndicatorOver();

  private:
    DrawRows sample_;
};

void FxdTrendTest::theProgramOpensOnTheFirstIndicatorDrawn() {
    auto program = fxd::startOn(sample_);
    QCOMPARE(f_fxd->pc_fxd->currentWidget()->objectName(), QStringLiteral("ts_zbzs"));
    QCOMPARE(f_fxd->pc_fxd->tabText(0), QStringLiteral("指标走势"));
    FxdTrendView* view = trendView();
    QTreeWidgetItem* first = view->tv_zbzs->topLevelItem(0)->child(0);
    QCOMPARE(view->tv_zbzs->currentItem(), first);
    QCOMPARE(view->tv_zbzs->topLevelItem(0)->text(0), QStringLiteral("常规系列"));

    const t_s_zsd& value = view->indicatorChart();
    QCOMPARE(value.lastIndex, static_cast<int>(sample_.size()));
    QCOMPARE(value.title, toUtf8(first->text(0)));
    // The newest 61 draws, the scroll bar on the first of them.
    QCOMPARE(value.pointCount, 61);
    QCOMPARE(value.startIndex, value.lastIndex - 60);
    QCOMPARE(view->sb_zbzs_h->value(), value.startIndex);
    QCOMPARE(view->featureChart().startIndex, value.startIndex);

    const QImage picture = view->i_zbzs->picture();
    QVERIFY(countPixels(picture, blue) > 50);  // the indicator's line and markers
    QVERIFY(countPixels(picture, red) > 50);   // the feature chart
    const QStringList memo = view->m_zbzs_tj->toPlainText().split('\n');
    QCOMPARE(memo.size(), 3);
    QVERIFY(memo[0].startsWith(first->text(0) + QStringLiteral("统计结果：（最小值：")));
    QVERIFY(memo[1].startsWith(first->text(0) + QStringLiteral("的奇偶统计结果：")));
    QCOMPARE(memo[2], QStringLiteral("（统计范围：从%1至%2）").arg(sample_.front()[0]).arg(sample_.back()[0]));
    fxd::grabIfAsked(view, "fxd_zbzs");
}

void FxdTrendTest::featuresGiveTitlesAndLabels_data() {
    QTest::addColumn<QString>("radio");
    QTest::addColumn<int>("featureIndex");
    QTest::addColumn<QString>("titleEnd");
    QTest::addColumn<QStringList>("labels");
    QTest::newRow("奇偶") << "rb_zbzs_tz" << 0 << "的奇偶" << QStringList{"偶", "奇"};
    QTest::newRow("质合") << "rb_zbzs_tz" << 1 << "的质合" << QStringList{"合", "质"};
    QTest::newRow("012路") << "rb_zbzs_tz" << 2 << "的012路" << QStringList{"0", "1", "2"};
    QTest::newRow("遗漏") << "rb_zbzs_tz" << 5 << "的遗漏" << QStringList{};
    QTest::newRow("大小") << "rb_zbzs_dx" << 0 << "的大小" << QStringList{"小", "大"};
    QTest::newRow("除4") << "rb_zbzs_ys" << 0 << "的除4余数" << QStringList{};
}

void FxdTrendTest::featuresGiveTitlesAndLabels() {
    QFETCH(QString, radio);
    QFETCH(int, featureIndex);
    QFETCH(QString, titleEnd);
    QFETCH(QStringList, labels);
    auto program = fxd::startOn(sample_);
    FxdTrendView* view = trendView();
    control<QRadioButton>(view, radio)->setChecked(true);
    view->cb_zbzs_tz->setCurrentIndex(featureIndex);
    const t_s_zsd& feature = view->featureChart();
    QVERIFY(QString::fromStdString(feature.title).endsWith(titleEnd));
    QCOMPARE(feature.labelMode, labels.isEmpty() ? 0 : 1);
    QCOMPARE(feature.categoryCount, static_cast<int>(labels.size()));
    for (int v = 1; v <= labels.size(); ++v) QCOMPARE(fromUtf8(feature.labels[v]), labels[v - 1]);
    view->i_zbzs->picture();
    if (!labels.isEmpty()) {
        QCOMPARE(feature.yMin, 0);
        QCOMPARE(feature.yMax, static_cast<int>(labels.size()) + 1);
    }
}

void FxdTrendTest::bothChartsShareTheWindow() {
    auto program = fxd::startOn(sample_);
    FxdTrendView* view = trendView();
    const t_s_zsd& value = view->indicatorChart();
    const int last = value.lastIndex;
    const int start = value.startIndex;

    clickControl(view, "b_zbzs_fd");  // 放大: five points fewer, the window's end kept
    QCOMPARE(value.pointCount, 56);
    QCOMPARE(value.startIndex, start + 5);
    clickControl(view, "b_zbzs_sx");  // 缩小 back
    QCOMPARE(value.pointCount, 61);
    QCOMPARE(value.startIndex, start);

    whenModalShown([](QDialog* dialog) {
        control<QComboBox>(dialog, "ComboBox1")->setCurrentText("30");
        dialog->accept();
    });
    clickControl(view, "b_zbzs_kz");
    QCOMPARE(value.pointCount, 30);
    QCOMPARE(value.startIndex, start + 31);
    QCOMPARE(value.LastVisible(), last);

    // The scroll bar, then one wheel notch down; the feature chart follows each time.
    view->sb_zbzs_h->setValue(100);
    QCOMPARE(value.startIndex, 100);
    QWheelEvent wheel(QPointF(50, 50), view->i_zbzs->mapToGlobal(QPointF(50, 50)), QPoint(), QPoint(0, -120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(view->i_zbzs, &wheel);
    QCOMPARE(value.startIndex, 101);
    QCOMPARE(view->sb_zbzs_h->value(), 101);
    QCOMPARE(view->featureChart().startIndex, 101);
    QCOMPARE(view->featureChart().pointCount, 30);

    // At the first draws 缩小 is refused.
    view->sb_zbzs_h->setValue(6);
    clickControl(view, "b_zbzs_sx");
    QCOMPARE(value.startIndex, 6);
    QCOMPARE(value.pointCount, 30);
}

void FxdTrendTest::automaticScrollingMovesTheWindowUntilTheSubPageIsLeft() {
    auto program = fxd::startOn(sample_);
    FxdTrendView* view = trendView();
    view->sb_zbzs_h->setValue(200);
    mainAction("mi_speed3")->trigger();  // 特快
    mainAction("mi_scrollup")->trigger();
    QCOMPARE(f_fxd->scrollInterval(), 200);
    mainAction("mi_startscroll")->trigger();
    QVERIFY(f_fxd->scrolling());
    QTRY_VERIFY_WITH_TIMEOUT(view->indicatorChart().startIndex <= 198, 3000);
    // One redraw a step: the picture is drawn once however many ticks passed unseen.
    const int renders = view->i_zbzs->renderCount();
    view->i_zbzs->picture();
    view->i_zbzs->picture();
    QVERIFY(view->i_zbzs->renderCount() <= renders + 1);

    f_fxd->pc_fxd->setCurrentIndex(1);
    QVERIFY(!f_fxd->scrolling());
}

void FxdTrendTest::thePropertiesSetTheStatisticsRangeAndTheGrid() {
    auto program = fxd::startOn(sample_);
    FxdTrendView* view = trendView();
    whenModalShown([](QDialog* dialog) {
        QCOMPARE(dialog->windowTitle(), QStringLiteral("图表属性设置"));
        QVERIFY(!control<QComboBox>(dialog, "cb_y_max")->isEnabled());
        control<QRadioButton>(dialog, "rb_tj_range")->setChecked(true);
        control<QComboBox>(dialog, "cb_fxtj_from")->setCurrentIndex(9);
        control<QComboBox>(dialog, "cb_fxtj_to")->setCurrentIndex(19);
        control<QRadioButton>(dialog, "rb_xs_limit")->setChecked(true);
        QVERIFY(control<QComboBox>(dialog, "cb_y_max")->isEnabled());
        control<QComboBox>(dialog, "cb_y_max")->setCurrentText("200");
        control<QCheckBox>(dialog, "cb_grid")->setChecked(false);
        dialog->accept();
    });
    view->editProperties();
    QCOMPARE(view->settings().statMode, 2);
    QCOMPARE(view->settings().yMaxLimit, 200);
    const QStringList memo = view->m_zbzs_tj->toPlainText().split('\n');
    QCOMPARE(memo.value(2), QStringLiteral("（统计范围：从%1至%2）").arg(sample_[9][0]).arg(sample_[19][0]));
    view->i_zbzs->picture();
    QCOMPARE(view->indicatorChart().yMax, 200);
    QCOMPARE(view->indicatorChart().showGrid, 0);

    // "当前显示的记录": the statistics follow the window.
    TrendChartSettings shown = view->settings();
    shown.statMode = 1;
    view->applySettings(shown);
    view->sb_zbzs_h->setValue(50);
    QCOMPARE(view->m_zbzs_tj->toPlainText().split('\n').value(2),
             QStringLiteral("（统计范围：从%1至%2）").arg(sample_[49][0]).arg(sample_[109][0]));

    // "取消" changes nothing.
    whenModalShown([](QDialog* dialog) {
        control<QRadioButton>(dialog, "rb_tj_all")->setChecked(true);
        dialog->reject();
    });
    view->editProperties();
    QCOMPARE(view->settings().statMode, 1);
}

void FxdTrendTest::aFormulaErrorKeepsThePreviousPicture() {
    const QByteArray saved = QByteArray::fromStdString(utf8ToGbk("z_hz+(        坏公式\r\n"));
    auto program = fxd::startOn(sample_, saved);
    FxdTrendView* view = trendView();
    const std::string before = view->indicatorChart().title;
    QTreeWidgetItem* bad = treeItem(QStringLiteral("保存的自定义指标"), QStringLiteral("坏公式"));
    QVERIFY(bad);
    view->tv_zbzs->setCurrentItem(bad);
    const QStringList texts = program->platform.messages.texts();
    QCOMPARE(texts.size(), 2);
    QVERIFY(texts[0].startsWith(QStringLiteral("公式有误:")));
    QCOMPARE(texts[1], QString::fromUtf8(kTrendUnsupported));
    QCOMPARE(view->indicatorChart().title, before);
    QCOMPARE(view->indicatorChart().lastIndex, static_cast<int>(sample_.size()));
}

void FxdTrendTest::dissectHandsTheIndicatorOver() {
    auto program = fxd::startOn(sample_);
    FxdTrendView* view = trendView();
    QTreeWidgetItem* first = view->tv_zbzs->currentItem();
    clickControl(view, "b_zbzs_px");
    QVERIFY(program->platform.messages.texts().isEmpty());
    QCOMPARE(f_zbpxz->input().series.size(), sample_.size());
    QCOMPARE(fromUtf8(f_zbpxz->input().name), first->text(0));
    QCOMPARE(fromUtf8(f_zbpxz->input().formula), first->data(0, Qt::UserRole).toString());
    // The cursor is back where it was for the next view.
    QCOMPARE(view->indicatorChart().lastIndex, static_cast<int>(sample_.size()));
}

QTEST_MAIN(FxdTrendTest)
#include "fxd_trend_test.moc"
