#include "app/dialogs/u_gxsjq.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QEvent>
#include <QFile>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "app/app_state.h"
#include "app/dialogs/draw_masks.h"
#include "app/dialogs/u_addsj.h"
#include "app/dialogs/u_xgzh.h"
#include "app/pages/online_update.h"
#include "draws/draw_entry.h"
#include "draws/graphical_entry.h"
#include "draws/history_edit.h"
#include "draws/import_export.h"
#include "ui/platform.h"

namespace qorvel {

// The draws of MainStore as grid rows: the issue ("预测区" for the forecast row) and the numbers as
// two-digit texts. It reads the store's rows directly, so listing never moves the store's cursor.
class DrawListModel : public QAbstractTableModel {
  public:
    using QAbstractTableModel::QAbstractTableModel;

    void reload() {
        beginResetModel();
        const Workspace& ws = workspace();
        header_.clear();
        for (const std::string& text : maintenanceGridHeader(ws)) header_ << fromUtf8(text);
        rows_ = ws.MainStore.Count();
        endResetModel();
    }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override { return parent.isValid() ? 0 : rows_; }
    int columnCount(const QModelIndex& parent = QModelIndex()) const override {
        return parent.isValid() ? 0 : static_cast<int>(header_.size());
    }

    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid()) return {};
        const bool issueColumn = index.column() == 0;
        switch (role) {
            case Qt::DisplayRole: {
                const std::vector<std::string> cells = maintenanceGridRow(workspace(), index.row() + 1);
                const auto column = static_cast<std::size_t>(index.column());
                return column < cells.size() ? fromUtf8(cells[column]) : QString();
            }
            case Qt::TextAlignmentRole:
                return int(Qt::AlignCenter);
            case Qt::BackgroundRole:
                return issueColumn ? QColor(251, 232, 210) : QColor(206, 255, 255);
            case Qt::ForegroundRole:
                return issueColumn ? QColor(Qt::blue) : QColor(Qt::black);
            default:
                return {};
        }
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || section < 0 || section >= header_.size()) return {};
        if (role == Qt::DisplayRole) return header_[section];
        return {};
    }

  private:
    QStringList header_;
    int rows_ = 0;
};

namespace {

constexpr int kWindowWidth = 800;
constexpr int kWindowHeight = 600;
constexpr const char* kNumberColumnSample = " 红号一 ";
constexpr const char* kIssueColumnSample = " 2009001 ";
constexpr const char* kGridStyle =
    "QHeaderView::section { background: rgb(255,203,179); color: black; border: 0px;"
    " border-right: 1px solid rgb(200,160,140); border-bottom: 1px solid rgb(200,160,140); padding: 2px; }";

QPushButton* button(const char* text, QWidget* parent, const char* name) {
    auto* b = new QPushButton(QString::fromUtf8(text), parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

QLineEdit* editor(QWidget* parent, const char* name) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    return e;
}

// A file name from a dialog as the core's file functions take it.
std::filesystem::path filePath(const QString& name) {
    return std::filesystem::path(QFile::encodeName(name).toStdString());
}

}  // namespace

Tf_gxsjq::Tf_gxsjq(QWidget* parent) : QDialog(parent) {
    setObjectName("f_gxsjq");
    setWindowTitle(QString::fromUtf8(kMaintenanceCaption));
    model_ = new DrawListModel(this);
    sg_sjk = new QTableView(this);
    sg_sjk->setObjectName("sg_sjk");
    sg_sjk->setModel(model_);
    sg_sjk->setSelectionMode(QAbstractItemView::SingleSelection);
    sg_sjk->setSelectionBehavior(QAbstractItemView::SelectItems);
    sg_sjk->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sg_sjk->verticalHeader()->hide();
    sg_sjk->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    sg_sjk->horizontalHeader()->setHighlightSections(false);
    sg_sjk->setStyleSheet(kGridStyle);

    auto* top = new QHBoxLayout;
    top->addWidget(sg_sjk, 1);
    top->addWidget(buildButtons());
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addWidget(buildEntryGroup());
    resize(kWindowWidth, kWindowHeight);
}

QWidget* Tf_gxsjq::buildButtons() {
    auto* panel = new QWidget(this);
    b_modify = button("修改", panel, "b_modify");
    b_delete = button("删除", panel, "b_delete");
    Button4 = button("清空", panel, "Button4");
    b_adddr = button("追加导入", panel, "b_adddr");
    b_overlapdr = button("覆盖导入", panel, "b_overlapdr");
    b_dc = button("导出", panel, "b_dc");
    Button1 = button("在线更新", panel, "Button1");
    connect(b_modify, &QPushButton::clicked, this, &Tf_gxsjq::modifySelected);
    connect(b_delete, &QPushButton::clicked, this, &Tf_gxsjq::deleteSelected);
    connect(Button4, &QPushButton::clicked, this, &Tf_gxsjq::clearAll);
    connect(b_adddr, &QPushButton::clicked, this, [this] { importFile(false); });
    connect(b_overlapdr, &QPushButton::clicked, this, [this] { importFile(true); });
    connect(b_dc, &QPushButton::clicked, this, &Tf_gxsjq::exportFile);
    connect(Button1, &QPushButton::clicked, this, &Tf_gxsjq::updateOnline);

    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    for (QPushButton* b : {b_modify, b_delete, Button4}) column->addWidget(b);
    column->addSpacing(24);
    for (QPushButton* b : {b_adddr, b_overlapdr, b_dc}) column->addWidget(b);
    column->addSpacing(24);
    column->addWidget(Button1);
    column->addStretch();
    return panel;
}

QGroupBox* Tf_gxsjq::buildEntryGroup() {
    gb_add = new QGroupBox(QStringLiteral("数据添加"), this);
    gb_add->setObjectName("gb_add");
    gb_add->installEventFilter(this);
    e_qs = editor(gb_add, "e_qs");
    l_zh = new QLabel(gb_add);
    l_zh->setObjectName("l_zh");
    e_zh = editor(gb_add, "e_zh");
    l_spec = new QLabel(gb_add);
    l_spec->setObjectName("l_spec");
    e_spec = editor(gb_add, "e_spec");
    Button2 = button("添加", gb_add, "Button2");
    b_picadd = button("图形化添加", gb_add, "b_picadd");
    b_picadd->hide();
    connect(Button2, &QPushButton::clicked, this, &Tf_gxsjq::addFromEditors);
    connect(b_picadd, &QPushButton::clicked, this, &Tf_gxsjq::addGraphically);
    // Enter in any editor adds the draw, as the window's default action.
    for (QLineEdit* e : {e_qs, e_zh, e_spec}) connect(e, &QLineEdit::returnPressed, this, &Tf_gxsjq::addFromEditors);

    auto* grid = new QGridLayout(gb_add);
    grid->addWidget(new QLabel(QStringLiteral("期数:"), gb_add), 0, 0);
    grid->addWidget(e_qs, 0, 1);
    grid->addWidget(l_zh, 0, 2);
    grid->addWidget(e_zh, 0, 3);
    grid->addWidget(l_spec, 0, 4);
    grid->addWidget(e_spec, 0, 5);
    grid->addWidget(Button2, 0, 6);
    grid->addWidget(b_picadd, 0, 7);
    grid->setColumnStretch(3, 3);
    grid->setColumnStretch(5, 1);
    return gb_add;
}

void Tf_gxsjq::showEvent(QShowEvent* event) {
    prepare();
    QDialog::showEvent(event);
}

bool Tf_gxsjq::eventFilter(QObject* watched, QEvent* event) {
    if (watched == gb_add && event->type() == QEvent::MouseButtonDblClick) b_picadd->show();
    return QDialog::eventFilter(watched, event);
}

void Tf_gxsjq::prepare() {
    const Workspace& ws = workspace();
    // The special editor is offered whenever the type has special numbers, since adding a draw of such
    // a type needs them.
    const int specials = effectiveSpecialCount(ws.params);
    applyIssueMask(e_qs);
    applyNumberMask(e_zh, ws.params.MainCount);
    applyNumberMask(e_spec, specials);
    l_zh->setText(fromUtf8(ws.MainLabel()));
    l_spec->setText(fromUtf8(ws.SpecialLabel()));
    l_spec->setVisible(specials > 0);
    e_spec->setVisible(specials > 0);
    refreshGrid();
}

void Tf_gxsjq::refreshGrid() {
    model_->reload();
    const QFontMetrics metrics(sg_sjk->font());
    sg_sjk->setColumnWidth(0, metrics.horizontalAdvance(QString::fromUtf8(kIssueColumnSample)) + 8);
    const int numberWidth = metrics.horizontalAdvance(QString::fromUtf8(kNumberColumnSample));
    for (int c = 1; c < model_->columnCount(); ++c) sg_sjk->setColumnWidth(c, numberWidth);
    const int last = model_->rowCount() - 1;
    if (last >= 0 && model_->columnCount() > 1) {
        const QModelIndex cell = model_->index(last, 1);
        sg_sjk->setCurrentIndex(cell);
        sg_sjk->scrollTo(cell);
    }
    sg_sjk->setFocus();
}

int Tf_gxsjq::selectedDrawRow() const {
    const QModelIndex current = sg_sjk->currentIndex();
    return current.isValid() ? current.row() + 1 : 0;
}

void Tf_gxsjq::showOutcome(const std::string& message) {
    if (!message.empty()) showMessage(fromUtf8(message), this);
}

void Tf_gxsjq::clearEditors() {
    e_qs->clear();
    e_zh->clear();
    e_spec->clear();
}

void Tf_gxsjq::addFromEditors() {
    const DrawEditorTexts texts{toUtf8(e_qs->text()), toUtf8(e_zh->text()), toUtf8(e_spec->text())};
    const EntryOutcome outcome = addDrawFromEditors(workspace(), texts);
    showOutcome(outcome.message);
    if (!outcome.clearEditors && !outcome.stored) return;
    if (outcome.clearEditors) clearEditors();
    refreshGrid();
}

void Tf_gxsjq::modifySelected() {
    Workspace& ws = workspace();
    const int row = selectedDrawRow();
    const std::optional<DrawEditorTexts> current = editorTextsForRow(ws, row);
    if (!current) {
        showMessage(QString::fromUtf8(kSelectDrawToModifyMessage), this);
        return;
    }
    const int specials = effectiveSpecialCount(ws.params);
    f_xgzh->applyTypeMasks(ws.params.MainCount, specials, fromUtf8(ws.MainLabel()), fromUtf8(ws.SpecialLabel()));
    const auto edited = f_xgzh->editTexts(QString::fromUtf8(kModifyDialogCaption), *current, true, specials > 0);
    if (!edited) return;
    const EntryOutcome outcome = modifyDrawFromEditors(ws, row, *edited);
    showOutcome(outcome.message);
    if (!outcome.stored) return;
    f_xgzh->clearEditors();
    refreshGrid();
}

void Tf_gxsjq::deleteSelected() {
    const int row = selectedDrawRow();
    if (!isDrawRow(workspace().MainStore, row)) {
        showMessage(QString::fromUtf8(kSelectDrawToDeleteMessage), this);
        return;
    }
    if (!askYesNo(QString::fromUtf8(kDeleteQuestion), QString::fromUtf8(kDeleteTitle), this)) return;
    showOutcome(deleteDrawAtRow(workspace(), row));
    refreshGrid();
}

void Tf_gxsjq::clearAll() {
    if (!askYesNo(QString::fromUtf8(kClearQuestion), QString::fromUtf8(kClearTitle), this)) return;
    showOutcome(clearHistory(workspace()));
    refreshGrid();
}

void Tf_gxsjq::addGraphically() {
    f_addsj->e_qs->clear();
    f_addsj->setWindowTitle(QString::fromUtf8(kGraphicalEntryCaption));
    f_addsj->exec();
    refreshGrid();
}

void Tf_gxsjq::importFile(bool replace) {
    const QString title = QString::fromUtf8(replace ? kReplaceImportTitle : kAppendImportTitle);
    const QString name = platform().files->openFile(this, title, fileDialogFilter(kImportFilter));
    if (name.isEmpty()) return;
    const ImportResult result =
        importDrawFile(workspace(), filePath(name), replace ? ImportMode::Replace : ImportMode::Append);
    showOutcome(result.error);
    refreshGrid();
}

void Tf_gxsjq::exportFile() {
    Workspace& ws = workspace();
    const QString chosen =
        platform().files->saveFile(this, QString::fromUtf8(kExportTitle), fileDialogFilter(kExportFilter));
    if (chosen.isEmpty()) return;
    const QString name = fromUtf8(withTextExtension(toUtf8(chosen)));
    // A type without special numbers has nothing to ask about.
    const bool withSpecials =
        effectiveSpecialCount(ws.params) > 0 &&
        askYesNo(fromUtf8(exportSpecialQuestion(ws.SpecialLabel())), QString::fromUtf8(kExportQuestionTitle), this);
    showOutcome(exportDrawFile(ws.MainStore, ws.params, filePath(name), withSpecials));
}

void Tf_gxsjq::updateOnline() {
    // The run shows and hides the wait notice "在线更新中，请稍候." itself.
    runOnlineUpdateFromButton();
    refreshGrid();
}

}  // namespace qorvel
