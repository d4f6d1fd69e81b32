// The five image views of the trend analysis page on a tab control of their own, over the bundled
// six-of-33 history: tab order and captions, the controls' defaults, the window and its scroll bar, the
// wheel, the pictures, the omission hand-over store and the related-value hand-overs to the dissection
// and the filter page.
//
// Pictures of every view: QORVEL_GRAB_DIR=/some/folder ./build/tests/fxd_image_views_test
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QtTest>

#include "app/app_state.h"
#include "app/page_table.h"
#include "app/pages/fxd/fxd_image_views.h"
#include "app/pages/fxd/image/extension_view.h"
#include "app/pages/fxd/image/omission_trend_view.h"
#include "app/pages/u_zbpxz.h"
#include "app/pages/u_zh.h"
#include "app/pages/zh/zh_custom_tab.h"
#include "app/u_main.h"
#include "app_test_support.h"
#include "draws/t_s_dm.h"
#include "ui/drawing_host.h"
#include "views/image_series.h"

using namespace qorvel;
using namespace qorvel::testing;

namespace {

// Roughly the room a sub-page gets in a 1024 x 768 main window.
constexpr int kPageWidth = 1016, kPageHeight = 660;

// A started program plus the five views on a tab control of their own, shown at page size.
struct Views {
    explicit Views(const DrawRows& rows) : program(withHistory(rows)) {
        program.platform.messages.messages.clear();
        addImageViewTabs(&tabs);
        tabs.resize(kPageWidth, kPageHeight);
        tabs.show();
        QVERIFY2(QTest::qWaitForWindowExposed(&tabs), "tab control not shown");
    }
    template <class T = QWidget>
    T* at(const char* name) {
        return control<T>(&tabs, name);
    }
    // Selects the sub-page and returns its freshly drawn picture.
    QImage show(const char* sheet, const char* host) {
        tabs.setCurrentWidget(at(sheet));
        return at<DrawingHost>(host)->picture();
    }

    StartedProgram program;
    QTabWidget tabs;
};

bool hasPixel(const QImage& image, const std::function<bool(QRgb)>& wanted) {
    for (int y = 0; y < image.height(); y += 1)
        for (int x = 0; x < image.width(); x += 1)
            if (wanted(image.pixel(x, y))) return true;
    return false;
}

bool blueMarker(QRgb p) { return qBlue(p) > 200 && qRed(p) < 60 && qGreen(p) < 60; }
bool redBar(QRgb p) { return qRed(p) > 200 && qGreen(p) < 60 && qBlue(p) < 60; }

QStringList items(const QComboBox* box) {
    QStringList out;
    for (int i = 0; i < box->count(); ++i) out << box->itemText(i);
    return out;
}

struct Sheet {
    const char* sheet;
    const char* host;
    const char* scroll;
};
constexpr Sheet kSheets[] = {
    {"ts_kzxl1", "i_kzxl", "sb_kzxl"},  {"ts_zhysz", "i_zhysz", "sb_zhysz"}, {"ts_jgfx", "i_jgfx", "sb_jgfx"},
    {"ts_zhylzs", "i_zhylzs", "sb_zhylzs"}, {"ts_lzl", "i_lzl", "sb_lzl"},
};

}  // namespace

class FxdImageViewsTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void initTestCase() { quietOffscreenWarnings(); }
    void tabsAndDefaults();
    void everyViewDrawsItsWindowOfTheNewestDraws();
    void windowLengthScrollBarAndWheel();
    void controlsRedrawTheirView();
    void omissionHandOverUsesItsOwnStore();
    void omissionHandOverFailureIsReported();
    void relatedValueHandOvers();
    void shortHistoryDrawsWithoutAWindowToScroll();
};

void FxdImageViewsTest::tabsAndDefaults() {
    Views v(sampleDraws(60));
    QStringList captions, names;
    for (int i = 0; i < v.tabs.count(); ++i) {
        captions << v.tabs.tabText(i);
        names << v.tabs.widget(i)->objectName();
    }
    QCOMPARE(captions, QStringList({"扩展系列一", "主号余数图", "间隔分析", "主号遗漏走势", "离中量"}));
    QCOMPARE(names, QStringList({"ts_kzxl1", "ts_zhysz", "ts_jgfx", "ts_zhylzs", "ts_lzl"}));

    QVERIFY(v.at<QRadioButton>("rb_zhysz_c3")->isChecked());
    QVERIFY(v.at<QRadioButton>("rb_jgfx_jj")->isChecked());
    QVERIFY(v.at<QRadioButton>("rb_lzl_pjl")->isChecked());
    QVERIFY(v.at<QRadioButton>("rb_kzxl_fq")->isChecked());
    for (const char* off : {"rb_kzxl_cs", "rb_kzxl_lsx", "rb_kzxl_gq"}) QVERIFY(!v.at<QRadioButton>(off)->isEnabled());
    const QStringList pairs = items(v.at<QComboBox>("cb_jgfx"));
    QCOMPARE(pairs.size(), 16);
    QCOMPARE(pairs.front(), QStringLiteral("全部显示"));
    QCOMPARE(pairs.at(1), QStringLiteral("2_1显示"));
    QCOMPARE(pairs.back(), QStringLiteral("6_1显示"));
    const QStringList numbers = items(v.at<QComboBox>("cb_zhylzs"));
    QCOMPARE(numbers.front(), QStringLiteral("1"));
    QCOMPARE(numbers.back(), QStringLiteral("33"));
    for (const char* window : {"cb_kzxl_qs", "cb_zhysz_qs", "cb_jgfx_qs", "cb_lzl_qs"}) {
        QCOMPARE(items(v.at<QComboBox>(window)),
                 QStringList({"显示36期", "显示45期", "显示54期", "显示60期", "显示66期"}));
        QCOMPARE(v.at<QComboBox>(window)->currentIndex(), 0);
    }
    // The related-value parameters start as listed with their radios.
    auto* ext = v.at<ExtensionView>("ts_kzxl1");
    QCOMPARE(extensionCode(ext->choice()), std::string("c_fq_0_4_1"));
    const std::pair<const char*, const char*> radios[] = {
        {"rb_kzxl_ylz", "c_ylz_0_1_1"}, {"rb_kzxl_ys", "c_ys_0_6_0"},      {"rb_kzxl_cz", "c_cz_2"},
        {"rb_kzxl_hz", "c_hz_34"},      {"rb_kzxl_xwcz", "c_xw_cz_2"},    {"rb_kzxl_xwhz", "c_xw_hz_34"}};
    for (const auto& [radio, code] : radios) {
        v.at<QRadioButton>(radio)->setChecked(true);
        QCOMPARE(extensionCode(ext->choice()), std::string(code));
    }
}

void FxdImageViewsTest::everyViewDrawsItsWindowOfTheNewestDraws() {
    const DrawRows history = sampleHistory();
    Views v(history);
    const int draws = static_cast<int>(history.size());
    const int cursor = workspace().MainStore.RecNo();
    const QString dir = qEnvironmentVariable("QORVEL_GRAB_DIR");
    for (const Sheet& s : kSheets) {
        const QImage picture = v.show(s.sheet, s.host);
        QVERIFY2(hasPixel(picture, blueMarker), s.sheet);
        QVERIFY(v.at<DrawingHost>(s.host)->crosshairEnabled());
        auto* scroll = v.at<QScrollBar>(s.scroll);
        QCOMPARE(scroll->value(), scroll->maximum());
        if (!dir.isEmpty()) v.at(s.sheet)->grab().save(dir + "/fxd_image_" + s.sheet + ".png");
    }
    QCOMPARE(v.at<QScrollBar>("sb_zhysz")->maximum(), draws - 36 + 1);
    // The omission view scrolls over the entries of its number, not over the draws.
    auto* omissions = v.at<OmissionTrendView>("ts_zhylzs");
    QCOMPARE(v.at<QScrollBar>("sb_zhylzs")->maximum(), static_cast<int>(omissions->entries().size()) - 36 + 1);
    // Looking never moves the history's cursor.
    QCOMPARE(workspace().MainStore.RecNo(), cursor);
    // The slowest code of the related values, computed over the whole history and drawn.
    v.show("ts_kzxl1", "i_kzxl");
    QElapsedTimer timer;
    timer.start();
    v.at<QRadioButton>("rb_kzxl_ylz")->setChecked(true);
    v.at<DrawingHost>("i_kzxl")->picture();
    qInfo("c_ylz_0_1_1 over %d draws, computed and drawn: %lld ms", draws, timer.elapsed());
    auto* ext = v.at<ExtensionView>("ts_kzxl1");
    QCOMPARE(extensionCode(ext->choice()), std::string("c_ylz_0_1_1"));
    QCOMPARE(static_cast<int>(ext->series().values.size()), draws);
    QCOMPARE(workspace().MainStore.RecNo(), cursor);
    if (dir.isEmpty()) return;
    // The other marking of the gap chart and a pair item, for the eye.
    v.show("ts_jgfx", "i_jgfx");
    v.at<QRadioButton>("rb_jgfx_zh")->setChecked(true);
    v.at("ts_jgfx")->grab().save(dir + "/fxd_image_ts_jgfx_numbers.png");
    v.at<QComboBox>("cb_jgfx")->setCurrentIndex(6);
    v.at<QRadioButton>("rb_jgfx_jj")->setChecked(true);
    v.at<QComboBox>("cb_jgfx_qs")->setCurrentIndex(4);
    v.at("ts_jgfx")->grab().save(dir + "/fxd_image_ts_jgfx_pair66.png");
    v.show("ts_lzl", "i_lzl");
    v.at<QRadioButton>("rb_lzl_lsxs")->setChecked(true);
    v.at("ts_lzl")->grab().save(dir + "/fxd_image_ts_lzl_variation.png");
}

void FxdImageViewsTest::windowLengthScrollBarAndWheel() {
    Views v(sampleDraws(100));
    v.show("ts_lzl", "i_lzl");
    auto* scroll = v.at<QScrollBar>("sb_lzl");
    auto* window = v.at<QComboBox>("cb_lzl_qs");
    auto* host = v.at<DrawingHost>("i_lzl");
    QCOMPARE(scroll->maximum(), 65);
    QCOMPARE(scroll->value(), 65);
    // At the newest draws a longer window stays at the newest draws.
    window->setCurrentIndex(4);  // 显示66期
    QCOMPARE(scroll->maximum(), 35);
    QCOMPARE(scroll->value(), 35);
    // Elsewhere the first draw stays.
    scroll->setValue(10);
    window->setCurrentIndex(0);
    QCOMPARE(scroll->value(), 10);
    QCOMPARE(scroll->maximum(), 65);

    struct Step {
        int notches, expected;
    } steps[] = {{1, 11}, {-3, 8}, {-20, 1}};
    for (const Step& s : steps) {
        host->picture();
        const int before = host->renderCount();
        QWheelEvent wheel(QPointF(50, 50), host->mapToGlobal(QPointF(50, 50)), QPoint(), QPoint(0, -120 * s.notches),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(host, &wheel);
        QCOMPARE(scroll->value(), s.expected);
        host->picture();
        QCOMPARE(host->renderCount(), before + 1);  // one redraw per step
    }
    // Coming back to the sub-page opens it on the newest draws again.
    v.show("ts_zhysz", "i_zhysz");
    v.show("ts_lzl", "i_lzl");
    QCOMPARE(scroll->value(), 65);
}

void FxdImageViewsTest::controlsRedrawTheirView() {
    Views v(sampleDraws(80));
    struct Case {
        const char* sheet;
        const char* host;
        std::function<void(Views&)> change;
    } cases[] = {
        {"ts_zhysz", "i_zhysz", [](Views& w) { w.at<QRadioButton>("rb_zhysz_c5")->setChecked(true); }},
        {"ts_jgfx", "i_jgfx", [](Views& w) { w.at<QComboBox>("cb_jgfx")->setCurrentIndex(3); }},
        {"ts_jgfx", "i_jgfx", [](Views& w) { w.at<QRadioButton>("rb_jgfx_zh")->setChecked(true); }},
        {"ts_lzl", "i_lzl", [](Views& w) { w.at<QRadioButton>("rb_lzl_bzc")->setChecked(true); }},
        {"ts_zhylzs", "i_zhylzs", [](Views& w) { w.at<QComboBox>("cb_zhylzs")->setCurrentIndex(6); }},
        {"ts_kzxl1", "i_kzxl", [](Views& w) { w.at<QComboBox>("cb_kzxl_fq_z")->setCurrentIndex(2); }},
    };
    for (const Case& c : cases) {
        const QImage before = v.show(c.sheet, c.host);
        c.change(v);
        QVERIFY2(v.at<DrawingHost>(c.host)->picture() != before, c.sheet);
    }
    // A pair item draws in red only.
    v.at<QComboBox>("cb_jgfx")->setCurrentIndex(1);
    v.at<QRadioButton>("rb_jgfx_jj")->setChecked(true);
    QVERIFY(hasPixel(v.show("ts_jgfx", "i_jgfx"), redBar));
    // The zone list follows the zone count.
    v.show("ts_kzxl1", "i_kzxl");
    v.at<QComboBox>("cb_kzxl_fq_p")->setCurrentIndex(v.at<QComboBox>("cb_kzxl_fq_p")->findText("7"));
    QCOMPARE(items(v.at<QComboBox>("cb_kzxl_fq_z")), QStringList({"1", "2", "3", "4", "5", "6", "7"}));
    QCOMPARE(extensionCode(v.at<ExtensionView>("ts_kzxl1")->choice()), std::string("c_fq_0_7_3"));  // zone 3 is still offered
    v.at<QComboBox>("cb_kzxl_ys_m")->setCurrentIndex(v.at<QComboBox>("cb_kzxl_ys_m")->findText("3"));
    QCOMPARE(items(v.at<QComboBox>("cb_kzxl_ys_r")), QStringList({"0", "1", "2"}));
}

// The entries go to "database\addition.rec" through a store of their own: the history keeps its file,
// its draws and its cursor while the dissection is open and afterwards.
void FxdImageViewsTest::omissionHandOverUsesItsOwnStore() {
    const DrawRows history = sampleHistory();
    Views v(history);
    v.show("ts_zhylzs", "i_zhylzs");
    auto* view = v.at<OmissionTrendView>("ts_zhylzs");
    view->cb_zhylzs->setCurrentIndex(view->cb_zhylzs->findText("7"));
    t_s_dm& store = workspace().MainStore;
    store.SetRecNo(100);
    const std::filesystem::path ownFile = store.FileName();
    const std::vector<OmissionEntry> entries = view->entries();
    QVERIFY(entries.size() > 36);

    DissectionInput shown;
    QString caption;
    int countDuringDissection = -1;
    whenModalShown([&](QDialog* dialog) {
        caption = dialog->windowTitle();
        shown = control<Tf_zbpxz>(dialog, "f_zbpxz")->input();
        countDuringDissection = workspace().MainStore.Count();
        dialog->accept();
    });
    QTest::mouseClick(view->b_zhylzs_zbpx, Qt::LeftButton);
    // The dissection window names the series and the sub-page it opens on.
    QCOMPARE(caption, QStringLiteral("主区号码7的遗漏的信号图"));
    QCOMPARE(shown.title, std::string("主区号码7的遗漏"));
    QCOMPARE(shown.series.size(), entries.size());
    int largest = 0;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        QCOMPARE(shown.series[i], entries[i].omission);
        largest = std::max(largest, entries[i].omission);
    }
    QCOMPARE(shown.seriesMin, 0);
    QCOMPARE(shown.seriesMax, largest);
    QCOMPARE(shown.cursorRow, static_cast<int>(entries.size()) - 36);
    QCOMPARE(countDuringDissection, static_cast<int>(history.size()));
    QCOMPARE(store.FileName(), ownFile);
    QCOMPARE(store.RecNo(), 100);
    QVERIFY(v.program.platform.messages.texts().isEmpty());

    // The hand-over file: one record per entry, its issue and omission.
    const std::vector<DrawFields> written = parseDrawRecords(fileBytes(v.program.home.file("database/addition.rec")).toStdString());
    QCOMPARE(written.size(), entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        QCOMPARE(written[i][0], entries[i].issue);
        QCOMPARE(written[i][1], entries[i].omission);
    }
    // The history's own file is untouched.
    QCOMPARE(parseDrawRecords(fileBytes(v.program.home.file("database/basedata0.rec")).toStdString()).size(),
             history.size());
}

void FxdImageViewsTest::omissionHandOverFailureIsReported() {
    Views v(sampleDraws(50));
    v.show("ts_zhylzs", "i_zhylzs");
    // A folder where the file should go: the store cannot be written.
    QVERIFY(QDir().mkpath(v.program.home.file("database/addition.rec")));
    bool dialogShown = false;
    whenModalShown([&](QDialog* dialog) {
        dialogShown = true;
        dialog->reject();
    });
    QVERIFY(!v.at<OmissionTrendView>("ts_zhylzs")->dissect());
    QTest::qWait(50);
    QVERIFY(!dialogShown);
    QCOMPARE(v.program.platform.messages.texts().size(), 1);
    QCOMPARE(workspace().MainStore.Count(), 50);
}

void FxdImageViewsTest::relatedValueHandOvers() {
    Views v(sampleDraws(120));
    v.show("ts_kzxl1", "i_kzxl");
    auto* view = v.at<ExtensionView>("ts_kzxl1");
    view->rb_kzxl_hz->setChecked(true);
    view->cb_kzxl_hz->setCurrentIndex(view->cb_kzxl_hz->findText("9"));
    const ValueSeries series = view->series();
    QCOMPARE(static_cast<int>(series.values.size()), 120);
    QTest::mouseClick(view->b_kzxl_zbpx, Qt::LeftButton);
    QVERIFY(v.program.platform.messages.texts().isEmpty());
    QCOMPARE(f_zbpxz->input().formula, std::string("getzb(c_hz_9)"));
    QCOMPARE(f_zbpxz->input().series, series.values);
    QCOMPARE(f_main->pc_main->currentWidget(), f_main->tabSheet(PageId::zbpxz));

    QTest::mouseClick(view->b_kzxl_tofilter, Qt::LeftButton);
    QCOMPARE(f_main->pc_main->currentWidget(), f_main->tabSheet(PageId::zh));
    ZhCustomTab* custom = f_zh->customTab();
    QCOMPARE(custom->e_selfzb->text(), QStringLiteral("getzb(c_hz_9)"));
    QVERIFY(custom->isVisibleTo(f_zh));
}

void FxdImageViewsTest::shortHistoryDrawsWithoutAWindowToScroll() {
    Views v(sampleDraws(5));
    for (const Sheet& s : kSheets) {
        QVERIFY2(hasPixel(v.show(s.sheet, s.host), blueMarker), s.sheet);
        auto* scroll = v.at<QScrollBar>(s.scroll);
        QCOMPARE(scroll->minimum(), 1);
        QCOMPARE(scroll->maximum(), 1);
    }
}

QTEST_MAIN(FxdImageViewsTest)
#include "fxd_image_views_test.moc"
