#include "app/pages/u_zbpxz.h"

#include <QDialog>
#include <QHeaderView>
#include <QHBoxLayout>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/app_state.h"
#include "views/value_tally.h"

namespace qorvel {

namespace {

// A range wider than this lists only the values that occurred, not every value of it.
constexpr int64_t kMaxListedValues = 1000;

QTableWidget* makeTable(QWidget* parent, const char* name, const QStringList& heads) {
    auto* table = new QTableWidget(parent);
    table->setObjectName(name);
    table->setColumnCount(static_cast<int>(heads.size()));
    table->setHorizontalHeaderLabels(heads);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(20);
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

void setCell(QTableWidget* table, int row, int column, const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignCenter);
    table->setItem(row, column, item);
}

}  // namespace

Tf_zbpxz::Tf_zbpxz(QWidget* parent) : QWidget(parent) {
    l_title = new QLabel(this);
    l_title->setObjectName("l_title");
    QFont big = l_title->font();
    big.setPointSize(big.pointSize() + 3);
    big.setBold(true);
    l_title->setFont(big);
    l_range = new QLabel(this);
    l_range->setObjectName("l_range");
    l_status = new QLabel(this);
    l_status->setObjectName("l_status");
    sg_values = makeTable(this, "sg_values", {QStringLiteral("期号"), QStringLiteral("指标值")});
    sg_counts = makeTable(this, "sg_counts",
                          {QStringLiteral("取值"), QStringLiteral("出现次数"), QStringLiteral("本次遗漏")});

    auto* tables = new QHBoxLayout;
    tables->addWidget(sg_values, 1);
    tables->addWidget(sg_counts, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(l_title);
    layout->addWidget(l_range);
    layout->addLayout(tables, 1);
    layout->addWidget(l_status);
}

void Tf_zbpxz::OpenDissection(const DissectionInput& input) {
    input_ = input;
    const QString title = fromUtf8(input_.title);
    setWindowTitle(title);
    l_title->setText(title);
    l_range->setText(QStringLiteral("取值范围：%1 至 %2    期数：%3")
                         .arg(input_.seriesMin)
                         .arg(input_.seriesMax)
                         .arg(input_.series.size()));
    l_status->setText(title + QStringLiteral("的信号图"));
    fillValues();
    fillCounts();
}

QString Tf_zbpxz::statusText() const {
    return l_status->text();
}

// One row per draw, oldest first. Issues come from the history when the series is one value per draw of
// it; a series of another store is listed by its position.
void Tf_zbpxz::fillValues() {
    const t_s_dm& store = workspace().MainStore;
    const int rows = static_cast<int>(input_.series.size());
    const bool historyIssues = rows == store.Count();
    sg_values->clearContents();
    sg_values->setRowCount(rows);
    for (int r = 0; r < rows; ++r) {
        setCell(sg_values, r, 0, QString::number(historyIssues ? store.Row(r + 1).fields[0] : r + 1));
        setCell(sg_values, r, 1, QString::number(input_.series[static_cast<std::size_t>(r)]));
    }
    if (input_.cursorRow >= 1 && input_.cursorRow <= rows) {
        sg_values->selectRow(input_.cursorRow - 1);
        sg_values->scrollToItem(sg_values->item(input_.cursorRow - 1, 0), QAbstractItemView::PositionAtTop);
    }
}

// How often each value occurred and how many draws have passed since it last did. A range of at most
// kMaxListedValues values lists every value of it (values outside it are counted together in a last row);
// a wider range lists only the values that occurred.
void Tf_zbpxz::fillCounts() {
    const ValueTallies tallies = tallyValues(input_.series, input_.seriesMin, input_.seriesMax, kMaxListedValues);
    sg_counts->clearContents();
    sg_counts->setRowCount(static_cast<int>(tallies.values.size()) + (tallies.outside > 0 ? 1 : 0));
    int row = 0;
    for (const ValueTally& t : tallies.values) {
        setCell(sg_counts, row, 0, QString::number(t.value));
        setCell(sg_counts, row, 1, QString::number(t.count));
        setCell(sg_counts, row, 2, QString::number(t.omission));
        ++row;
    }
    if (tallies.outside > 0) {
        setCell(sg_counts, row, 0, QStringLiteral("范围外"));
        setCell(sg_counts, row, 1, QString::number(tallies.outside));
    }
}

void showDissectionModally(const DissectionInput& input, QWidget* parent) {
    QDialog dialog(parent);
    dialog.setObjectName("f_zbpxz_modal");
    auto* layout = new QVBoxLayout(&dialog);
    auto* view = new Tf_zbpxz(&dialog);
    view->setObjectName("f_zbpxz");
    layout->addWidget(view);
    view->OpenDissection(input);
    dialog.setWindowTitle(view->windowTitle());
    dialog.resize(720, 560);
    dialog.exec();
}

}  // namespace qorvel
