// The data transformation dialog: switching the history between the draw file's numbers and the four
// transformations, the lock on "数据更新", the grid, and the selection row that fills the forecast row.
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>

#include "app/app_state.h"
#include "app/dialogs/u_bh.h"
#include "app/pages/online_update.h"
#include "app/u_main.h"
#include "app_test_support.h"
#include "draws/t_s_dm.h"
#include "text/gbk.h"

using namespace qorvel;
using namespace qorvel::testing;

namespace {

constexpr int kHistoryDraws = 300;

void prepareHistory(const TestHome& home) {
    QDir().mkpath(home.file("database"));
    writeDrawFile(home.file("database/basedata0.rec"), sampleHistory(kHistoryDraws));
}

QByteArray drawFile(const StartedProgram& program) { return fileBytes(program.home.file("database/basedata0.rec")); }

// The main numbers of every row in memory.
std::vector<std::vector<int>> memoryMains() {
    const t_s_dm& store = workspace().MainStore;
    std::vector<std::vector<int>> rows;
    for (int r = 1; r <= store.Count(); ++r) {
        const DrawFields& f = store.Row(r).fields;
        rows.push_back({f[0], f[1], f[2], f[3], f[4], f[5], f[6], f[7]});
    }
    return rows;
}

std::vector<std::vector<int>> fileMains() {
    std::vector<std::vector<int>> rows;
    for (const auto& row : sampleHistory(kHistoryDraws)) rows.push_back(row);
    return rows;
}

// Clicks a number cell of the selection row with the given button.
void clickSelection(int number, Qt::MouseButton button = Qt::LeftButton) {
    QTableView* grid = f_bh->sg_bhdb;
    const QModelIndex index = grid->model()->index(f_bh->selectionRow(), f_bh->numberColumn(number));
    grid->scrollTo(index);
    QTest::mouseClick(grid->viewport(), button, {}, grid->visualRect(index).center());
}

std::vector<int> forecastRow() {
    t_s_dm& store = workspace().MainStore;
    const DrawFields& f = store.Row(store.Count()).fields;
    if (f[0] != kForecastIssue) return {};
    return {f[1], f[2], f[3], f[4], f[5], f[6], f[7], f[8]};
}

QString gridText(int row, int column) {
    return f_bh->sg_bhdb->model()->index(row, column).data().toString();
}

}  // namespace

class BhTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void initTestCase() { quietOffscreenWarnings(); }
    void backToOriginalRestoresTheFileNumbers_data();
    void backToOriginalRestoresTheFileNumbers();
    void forecastRowAndSelectionSurviveATransformation();
    void wrongSelectionCountChangesNothing();
    void drawFileIsNeverWrittenWhileTransformed();
    void gridShadesZonesAndDrawsBalls_data();
    void gridShadesZonesAndDrawsBalls();
    void menuOpensTheDialogOnTheCurrentState();
};

void BhTest::backToOriginalRestoresTheFileNumbers_data() {
    QTest::addColumn<int>("level");
    for (int k = 1; k <= 4; ++k) QTest::addRow("变换%d", k) << k;
}

void BhTest::backToOriginalRestoresTheFileNumbers() {
    QFETCH(int, level);
    StartedProgram program(prepareHistory, false);
    const QByteArray before = drawFile(program);
    const QString typeName = fromUtf8(workspace().currentType().Name);
    f_bh->show();

    f_bh->cb_bhstyle->setCurrentIndex(level);
    const auto transformed = memoryMains();
    const auto original = fileMains();
    QCOMPARE(transformed.size(), original.size());
    QCOMPARE(transformed.front(), original.front());  // the first draw keeps its numbers
    int changed = 0;
    for (std::size_t i = 0; i < original.size(); ++i) {
        QCOMPARE(transformed[i][0], original[i][0]);  // issues and special numbers stay
        QCOMPARE(transformed[i][7], original[i][7]);
        QVERIFY(std::is_sorted(transformed[i].begin() + 1, transformed[i].begin() + 7));
        if (transformed[i] != original[i]) ++changed;
    }
    QVERIFY(changed > kHistoryDraws / 2);
    QCOMPARE(f_main->windowTitle(), typeName + QString("(变换数据%1)").arg(level));
    QVERIFY(!f_main->n_sjgx->isEnabled());
    QVERIFY(workspace().dataTransformed);
    // The grid shows the numbers in memory.
    const int last = kHistoryDraws - 1;
    QString text;
    for (int c = 1; c <= 6; ++c) text += QString("%1 ").arg(transformed.back()[c], 2, 10, QChar('0'));
    QCOMPARE(gridText(last, f_bh->sg_bhdb->model()->columnCount() - 1), text);

    f_bh->cb_bhstyle->setCurrentIndex(0);
    QCOMPARE(memoryMains(), original);
    QCOMPARE(f_main->windowTitle(), typeName + "(原始数据)");
    QVERIFY(f_main->n_sjgx->isEnabled());
    QVERIFY(!workspace().dataTransformed);
    QCOMPARE(drawFile(program), before);
    QCOMPARE(program.platform.messages.texts(), QStringList());
}

void BhTest::forecastRowAndSelectionSurviveATransformation() {
    StartedProgram program(prepareHistory, false);
    const QByteArray before = drawFile(program);
    f_bh->show();
    const std::vector<int> chosen{3, 9, 14, 21, 27, 33};
    for (int x : chosen) clickSelection(x);
    clickSelection(5);
    clickSelection(5);  // a second click takes a number back
    f_bh->mi_toforecast->trigger();
    QCOMPARE(forecastRow(), (std::vector<int>{3, 9, 14, 21, 27, 33, 1, 2}));
    QCOMPARE(gridText(kHistoryDraws, 0), QString("预测区"));
    QCOMPARE(gridText(kHistoryDraws + 1, 0), QString("选号区"));

    f_bh->cb_bhstyle->setCurrentIndex(2);
    std::vector<int> transformed = forecastRow();
    QCOMPARE(transformed.size(), std::size_t{8});
    QVERIFY(std::vector<int>(transformed.begin(), transformed.begin() + 6) != (std::vector<int>{3, 9, 14, 21, 27, 33}));
    QCOMPARE(selectedNumbers(f_bh->selection()).size(), chosen.size());
    // The results page maps a ticket of transformed numbers back to the draw file's numbers.
    QCOMPARE(f_bh->transform().originalCombination(workspace(), {transformed.begin(), transformed.begin() + 6}),
             chosen);

    f_bh->cb_bhstyle->setCurrentIndex(0);
    QCOMPARE(forecastRow(), (std::vector<int>{3, 9, 14, 21, 27, 33, 1, 2}));
    QCOMPARE(selectedNumbers(f_bh->selection()), chosen);

    f_bh->mi_clearforecast->trigger();
    QCOMPARE(forecastRow(), std::vector<int>());
    QCOMPARE(workspace().MainStore.Count(), kHistoryDraws);
    f_bh->mi_clearselection->trigger();
    QCOMPARE(selectedNumbers(f_bh->selection()), std::vector<int>());
    QCOMPARE(drawFile(program), before);
}

void BhTest::wrongSelectionCountChangesNothing() {
    StartedProgram program(prepareHistory, false);
    f_bh->show();
    for (int x : {1, 2, 3, 4, 5}) clickSelection(x);
    clickSelection(7, Qt::RightButton);
    QVERIFY(f_bh->pm_select->isVisible());
    f_bh->pm_select->hide();
    f_bh->mi_toforecast->trigger();
    QCOMPARE(program.platform.messages.texts(), QStringList{"选号区红号个数应为6个"});
    QCOMPARE(workspace().MainStore.Count(), kHistoryDraws);
    QCOMPARE(forecastRow(), std::vector<int>());
}

void BhTest::drawFileIsNeverWrittenWhileTransformed() {
    // An update document with a draw the history lacks, served on 127.0.0.1.
    QTcpServer server;
    QVERIFY(server.listen(QHostAddress::LocalHost, 0));
    const QByteArray body = QByteArray::fromStdString(utf8ToGbk("0000001:209900101020304050607\r\n"));
    QObject::connect(&server, &QTcpServer::newConnection, [&] {
        QTcpSocket* socket = server.nextPendingConnection();
        QObject::connect(socket, &QTcpSocket::readyRead, socket, [socket, body] {
            socket->readAll();
            socket->write("HTTP/1.1 200 OK\r\nContent-Length: " + QByteArray::number(body.size()) +
                          "\r\nConnection: close\r\n\r\n" + body);
            socket->disconnectFromHost();
        });
    });
    StartedProgram program(prepareHistory, false);
    settingsStore().writeText("updateurl0", QString("http://127.0.0.1:%1/d.txt").arg(server.serverPort()).toStdString());
    const QByteArray before = drawFile(program);
    f_bh->show();
    f_bh->cb_bhstyle->setCurrentIndex(3);
    for (int x : {2, 4, 6, 8, 10, 12}) clickSelection(x);
    f_bh->mi_toforecast->trigger();
    QCOMPARE(runOnlineUpdateFromButton(), 0);
    f_bh->cb_bhstyle->setCurrentIndex(1);
    f_main->close();  // the shutdown step writes nothing of the history either
    QCOMPARE(drawFile(program), before);
    QCOMPARE(workspace().MainStore.Count(), kHistoryDraws + 1);  // the forecast row only, in memory

    // Back on the draw file's numbers the same update adds its draw.
    f_bh->cb_bhstyle->setCurrentIndex(0);
    QCOMPARE(runOnlineUpdateFromButton(), 1);
    QVERIFY(drawFile(program) != before);
}

void BhTest::gridShadesZonesAndDrawsBalls_data() {
    QTest::addColumn<QString>("zones");
    QTest::addColumn<QList<int>>("oddZoneNumbers");  // numbers whose cells take the odd-zone colour
    QTest::addColumn<QList<int>>("evenZoneNumbers");
    QTest::newRow("two zones") << "2" << QList<int>{1, 16} << QList<int>{17, 33};
    QTest::newRow("three zones") << "3" << QList<int>{1, 11, 23, 33} << QList<int>{12, 22};
}

void BhTest::gridShadesZonesAndDrawsBalls() {
    QFETCH(QString, zones);
    QFETCH(QList<int>, oddZoneNumbers);
    QFETCH(QList<int>, evenZoneNumbers);
    StartedProgram program(prepareHistory, false);
    f_bh->show();
    f_bh->resize(1300, 500);
    QApplication::processEvents();
    f_bh->cb_fq->setCurrentText(zones);
    QTableView* grid = f_bh->sg_bhdb;
    const int row = kHistoryDraws - 1;
    grid->scrollTo(grid->model()->index(row, 0));
    const QImage image = grid->viewport()->grab().toImage();
    const std::vector<int> drawn = fileMains().back();
    auto cellRect = [&](int number) { return grid->visualRect(grid->model()->index(row, f_bh->numberColumn(number))); };

    // The corner of a cell is never covered by a ball, so it shows the zone colour.
    auto corner = [&](int number) { return image.pixelColor(cellRect(number).topLeft() + QPoint(1, 1)); };
    for (int x : oddZoneNumbers) QCOMPARE(corner(x), QColor(255, 219, 247));
    for (int x : evenZoneNumbers) QCOMPARE(corner(x), QColor(231, 239, 255));
    // A drawn number's cell carries a ball over its middle; an undrawn one is plain.
    for (int x = 1; x <= 33; ++x) {
        const bool isDrawn = std::find(drawn.begin() + 1, drawn.begin() + 7, x) != drawn.begin() + 7;
        const QRect cell = cellRect(x);
        const QColor middle = image.pixelColor(cell.center() + QPoint(-cell.width() / 4, 0));
        QCOMPARE(middle != corner(x), isDrawn);
    }
}

void BhTest::menuOpensTheDialogOnTheCurrentState() {
    StartedProgram program(prepareHistory);
    f_bh->show();
    f_bh->cb_bhstyle->setCurrentIndex(4);
    clickSelection(3);
    f_bh->hide();
    QString shownItem;
    int selectedCount = -1;
    whenModalShown([&](QDialog*) {
        shownItem = f_bh->cb_bhstyle->currentText();
        selectedCount = static_cast<int>(selectedNumbers(f_bh->selection()).size());
        f_bh->b_cancel->click();
    });
    mainAction("n_sjbh")->trigger();
    QCOMPARE(shownItem, QString("变换4"));
    QCOMPARE(selectedCount, 0);
    QVERIFY(!f_bh->isVisible());
    QCOMPARE(visibleTabs(), QStringList());
    // The transformation stays active after the dialog closes.
    QVERIFY(workspace().dataTransformed);
    QVERIFY(!f_main->n_sjgx->isEnabled());
}

QTEST_MAIN(BhTest)
#include "bh_test.moc"
