#include "app/pages/moredb/moredb_association_page.h"

#include <QAbstractTableModel>
#include <QCheckBox>
#include <QColor>
#include <QComboBox>
#include <QFile>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "app/app_state.h"
#include "app/dialogs/tdsh/u_selfsh_set.h"
#include "app/dialogs/zh/u_list_picker.h"
#include "app/pages/u_zbpxz.h"
#include "app/pages/zh/zh_value_pickers.h"
#include "combos/value_criteria.h"
#include "draws/import_export.h"
#include "text/file_io.h"
#include "text/number_text.h"
#include "ui/pass_progress.h"
#include "ui/platform.h"
#include "views/data_tables.h"

namespace qorvel {

namespace {

constexpr const char* kIndicatorCaptions[kAssociationIndicators] = {"指标一", "指标二", "指标三"};
constexpr int kValueFrom = 0;
constexpr int kValueTo = 1000;
constexpr int kPositionValues = 49;  // "00" … "49"
constexpr const char* kExportSpecialQuestion = "是否有蓝号，如果有蓝号请选yes,如果没有请选no.";

const QColor kHeaderBackground(255, 203, 179);
const QColor kIssueBackground(210, 250, 186);
const QColor kOddBackground(138, 237, 156);
const QColor kEvenBackground(162, 222, 223);

QString allowedText(const std::vector<int32_t>& values) {
    QString text;
    for (int32_t v : values) text += QString::number(v) + QStringLiteral("  ");
    return text;
}

}  // namespace

// The association table as the view reads it: the header captions, each cell's text and the colours of
// its column (the issue columns of both halves, the others alternating by their place in their half).
class AssociationModel : public QAbstractTableModel {
  public:
    explicit AssociationModel(QObject* parent) : QAbstractTableModel(parent) {}

    void setTable(const AssociationTable* table) {
        beginResetModel();
        table_ = table;
        endResetModel();
    }
    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() || !table_ ? 0 : static_cast<int>(table_->rows.size());
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() || !table_ ? 0 : table_->columnCount();
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (!table_ || !index.isValid()) return {};
        const int h = table_->half();
        const int c = index.column();
        const bool issueColumn = c == 0 || c == h;
        switch (role) {
            case Qt::DisplayRole: return fromUtf8(table_->cell(index.row(), c));
            case Qt::TextAlignmentRole: return int(Qt::AlignCenter);
            case Qt::BackgroundRole:
                if (issueColumn) return kIssueBackground;
                return ((c < h ? c : c - h) % 2 == 1) ? kOddBackground : kEvenBackground;
            case Qt::ForegroundRole: return issueColumn ? QColor(Qt::red) : QColor(Qt::black);
            default: return {};
        }
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (!table_ || orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
        if (section < 0 || section >= static_cast<int>(table_->header.size())) return {};
        return fromUtf8(table_->header[static_cast<std::size_t>(section)]);
    }

  private:
    const AssociationTable* table_ = nullptr;
};

MoredbAssociationPage::MoredbAssociationPage(QWidget* parent) : QWidget(parent) {
    setObjectName("ts_glfx");
    auto* filters = new QHBoxLayout;
    for (int k = 0; k < kAssociationPositions; ++k) {
        l_glfx_pos[k] = new QLabel(this);
        cb_glfx[k] = new QComboBox(this);
        cb_glfx[k]->setObjectName(QStringLiteral("cb_glfx_%1").arg(k + 1));
        cb_glfx[k]->addItem(QStringLiteral("all"));
        for (int v = 0; v <= kPositionValues; ++v) cb_glfx[k]->addItem(fromUtf8(TwoDigitText(v)));
        filters->addWidget(l_glfx_pos[k]);
        filters->addWidget(cb_glfx[k]);
        connect(cb_glfx[k], &QComboBox::currentIndexChanged, this, [this] { rebuild(); });
    }
    cb_glfx_bdw = new QCheckBox(QStringLiteral("主号不对位"), this);
    cb_glfx_bdw->setObjectName("cb_glfx_bdw");
    cb_glfx_qhw = new QComboBox(this);
    cb_glfx_qhw->setObjectName("cb_glfx_qhw");
    cb_glfx_qhw->addItem(QStringLiteral("all"));
    for (int d = 0; d <= 9; ++d) cb_glfx_qhw->addItem(QString::number(d));
    filters->addWidget(cb_glfx_bdw);
    filters->addWidget(new QLabel(QStringLiteral("期号尾"), this));
    filters->addWidget(cb_glfx_qhw);
    filters->addStretch();
    connect(cb_glfx_bdw, &QCheckBox::toggled, this, [this] { rebuild(); });
    connect(cb_glfx_qhw, &QComboBox::currentIndexChanged, this, [this] { rebuild(); });

    auto* indicators = new QGridLayout;
    for (int k = 0; k < kAssociationIndicators; ++k) {
        IndicatorRow& row = rows[k];
        const QString base = QStringLiteral("glfx_zb%1").arg(k + 1);
        row.use = new QCheckBox(QString::fromUtf8(kIndicatorCaptions[k]), this);
        row.use->setObjectName(QStringLiteral("cb_") + base);
        row.formula = new QLineEdit(this);
        row.formula->setObjectName(QStringLiteral("e_") + base + QStringLiteral("_choice"));
        row.choose = new QPushButton(QStringLiteral("选择"), this);
        row.choose->setObjectName(QStringLiteral("b_") + base + QStringLiteral("_choice"));
        row.values = new QLineEdit(this);
        row.values->setObjectName(QStringLiteral("e_") + base + QStringLiteral("_qz"));
        row.values->setReadOnly(true);
        row.pickValues = new QPushButton(QStringLiteral("取值"), this);
        row.pickValues->setObjectName(QStringLiteral("b_") + base + QStringLiteral("_qz"));
        indicators->addWidget(row.use, k, 0);
        indicators->addWidget(row.formula, k, 1);
        indicators->addWidget(row.choose, k, 2);
        indicators->addWidget(row.values, k, 3);
        indicators->addWidget(row.pickValues, k, 4);
        connect(row.use, &QCheckBox::toggled, this, [this, k] { indicatorToggled(k); });
        connect(row.choose, &QPushButton::clicked, this, [this, k] { chooseIndicator(k); });
        connect(row.pickValues, &QPushButton::clicked, this, [this, k] { chooseValues(k); });
    }
    indicators->setColumnStretch(1, 2);
    indicators->setColumnStretch(3, 3);

    b_glfx_ok = new QPushButton(QStringLiteral("确定"), this);
    b_glfx_ok->setObjectName("b_glfx_ok");
    l_glfx_hint = new QLabel(QStringLiteral("双击图表的某一列，进入详细分析"), this);
    l_glfx = new QLabel(this);
    l_glfx->setObjectName("l_glfx");
    b_glfx_next_dc = new QPushButton(QStringLiteral("导出下期系列开奖数据"), this);
    b_glfx_next_dc->setObjectName("b_glfx_next_dc");
    auto* actions = new QHBoxLayout;
    actions->addWidget(b_glfx_ok);
    actions->addWidget(l_glfx_hint);
    actions->addStretch();
    actions->addWidget(l_glfx);
    actions->addWidget(b_glfx_next_dc);
    connect(b_glfx_ok, &QPushButton::clicked, this, [this] {
        for (int k = 0; k < kAssociationIndicators; ++k) inUse_[k] = rows[k].use->isChecked();
        rebuild();
    });
    connect(b_glfx_next_dc, &QPushButton::clicked, this, [this] { exportNextDraws(); });

    sg_glfx = new QTableView(this);
    sg_glfx->setObjectName("sg_glfx");
    model_ = new AssociationModel(sg_glfx);
    sg_glfx->setModel(model_);
    sg_glfx->verticalHeader()->hide();
    sg_glfx->verticalHeader()->setDefaultSectionSize(20);
    sg_glfx->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sg_glfx->setSelectionMode(QAbstractItemView::SingleSelection);
    sg_glfx->horizontalHeader()->setStyleSheet(
        QStringLiteral("QHeaderView::section { background-color: rgb(%1,%2,%3); color: black; }")
            .arg(kHeaderBackground.red())
            .arg(kHeaderBackground.green())
            .arg(kHeaderBackground.blue()));
    sg_glfx->horizontalHeader()->setHighlightSections(false);
    connect(sg_glfx, &QTableView::doubleClicked, this, [this](const QModelIndex& index) { dissectColumn(index.column()); });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(filters);
    layout->addLayout(indicators);
    layout->addLayout(actions);
    layout->addWidget(sg_glfx, 1);

    // Only the first indicator row is open to a tick at start; each tick opens the next.
    for (int k = 0; k < kAssociationIndicators; ++k) indicatorToggled(k);
    typeChanged();
}

void MoredbAssociationPage::typeChanged() {
    const std::vector<std::string> captions = numberCaptions(workspace());
    for (int k = 0; k < kAssociationPositions; ++k)
        l_glfx_pos[k]->setText(k < static_cast<int>(captions.size()) ? fromUtf8(captions[k]) : QString::number(k + 1));
}

// Ticking a row opens its controls and the next row's check box; unticking closes them and unticks the
// rows below it.
void MoredbAssociationPage::indicatorToggled(int k) {
    const bool on = rows[k].use->isChecked();
    for (QWidget* w : {static_cast<QWidget*>(rows[k].formula), static_cast<QWidget*>(rows[k].choose),
                       static_cast<QWidget*>(rows[k].values), static_cast<QWidget*>(rows[k].pickValues)})
        w->setEnabled(on);
    if (k + 1 < kAssociationIndicators) {
        if (!on) rows[k + 1].use->setChecked(false);
        rows[k + 1].use->setEnabled(on);
    }
}

void MoredbAssociationPage::chooseIndicator(int k) {
    Tf_selfsh_set dialog(this);
    dialog.setWindowTitle(QStringLiteral("选择指标"));
    if (const std::optional<CustomKillChoice> choice = dialog.choose()) rows[k].formula->setText(fromUtf8(choice->target));
}

void MoredbAssociationPage::chooseValues(int k) {
    Workspace& ws = workspace();
    const std::string formula = toUtf8(rows[k].formula->text().trimmed());
    const ValuePickerRequest request = formulaPickerRequest(ws, formula, kValueFrom, kValueTo, allowed_[k]);
    const std::optional<std::vector<int32_t>> values = listPickerOf(*this).choose(request);
    if (!values) return;
    allowed_[k] = *values;
    rows[k].values->setText(allowedText(allowed_[k]));
}

AssociationFilter MoredbAssociationPage::filter() const {
    AssociationFilter f;
    for (int k = 0; k < kAssociationPositions; ++k) f.positions[k] = cb_glfx[k]->currentIndex() - 1;
    f.anyMainPosition = cb_glfx_bdw->isChecked();
    f.issueTail = cb_glfx_qhw->currentIndex() - 1;
    for (int k = 0; k < kAssociationIndicators; ++k) {
        if (!inUse_[k]) continue;
        AssociationIndicator indicator;
        indicator.formula = toUtf8(rows[k].formula->text());
        indicator.restricted = !rows[k].values->text().trimmed().isEmpty();
        indicator.allowed = allowed_[k];
        f.indicators.push_back(std::move(indicator));
    }
    return f;
}

void MoredbAssociationPage::rebuild() {
    UiPassProgress pass(this, QStringLiteral("正在计算公式，请稍候..."));
    AssociationTable table = buildAssociationTable(workspace(), filter(), pass.callback());
    if (table.stopped) return;
    model_->setTable(nullptr);
    table_ = std::move(table);
    model_->setTable(&table_);
    const QFontMetrics metrics(sg_glfx->font());
    const int issueWidth = metrics.horizontalAdvance(QStringLiteral("  2008001  "));
    const int otherWidth = metrics.horizontalAdvance(QStringLiteral(" 红号一 "));
    for (int c = 0; c < table_.columnCount(); ++c)
        sg_glfx->setColumnWidth(c, c == 0 || c == table_.half() ? issueWidth : otherWidth);
    if (!table_.rows.empty()) {
        sg_glfx->setCurrentIndex(model_->index(static_cast<int>(table_.rows.size()) - 1, 1));
        sg_glfx->scrollToBottom();
    }
    l_glfx->setText(fromUtf8(associationCountText(table_)));
}

void MoredbAssociationPage::dissectColumn(int column) {
    const std::optional<DissectionInput> input = associationColumnSeries(table_, column);
    if (input) showDissectionModally(*input, this);
}

void MoredbAssociationPage::exportNextDraws() {
    const QString chosen = platform().files->saveFile(this, QString::fromUtf8(kExportTitle), fileDialogFilter(kExportFilter));
    if (chosen.isEmpty()) return;
    const QString name = fromUtf8(withTextExtension(toUtf8(chosen)));
    const Workspace& ws = workspace();
    const bool withSpecial = askYesNo(QString::fromUtf8(kExportSpecialQuestion), QString(), this);
    const std::vector<std::string> lines = associationExportLines(table_, ws.params.MainCount, withSpecial);
    const std::string error =
        writeFileAtomically(std::filesystem::path(QFile::encodeName(name).toStdString()), joinGbkLines(lines));
    if (!error.empty()) showMessage(fromUtf8(error), this);
}

}  // namespace qorvel
