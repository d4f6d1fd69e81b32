#include "app/pages/moredb/moredb_pattern_page.h"

#include <QAbstractTableModel>
#include <QButtonGroup>
#include <QCheckBox>
#include <QColor>
#include <QComboBox>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QRadioButton>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "app/app_state.h"

namespace qorvel {

namespace {

struct KindRadio {
    const char* name;
    const char* caption;
};

// In the order of PatternClassKind.
constexpr KindRadio kKindRadios[kPatternClassKinds] = {
    {"rb_zhxt_dx", "大小"},         {"rb_zhxt_dzx", "大中小"},       {"rb_zhxt_jo", "奇偶"},
    {"rb_zhxt_zh", "质合"},         {"rb_zhxt_c3", "除三余数"},      {"rb_zhxt_c4", "除四余数"},
    {"rb_zhxt_c5", "除五余数"},     {"rb_zhxt_cs", "除"},
};
constexpr int kRemainderByRadio = static_cast<int>(PatternClassKind::RemainderBy);
constexpr int kRowHeight = 20;

const QColor kHeaderBackground(255, 203, 179);

// The texts the column widths are measured on.
const QString kIssueWidthText = QStringLiteral("  2008001  ");
const QString kNumbersWidthText = QStringLiteral(" 00 00 00 00 00 00 00 00 ");
const QString kClassWidthText = QStringLiteral(" 红号间1尾 ");

QColor classColour(int value) {
    const RgbColour& c = ClassColours[static_cast<std::size_t>(value)];
    return QColor(c.r, c.g, c.b);
}

}  // namespace

// The pattern table as the view reads it: the issue, the drawn numbers and the gap texts on white, every
// class cell filled with the colour of its class digit.
class PatternModel : public QAbstractTableModel {
  public:
    explicit PatternModel(QObject* parent) : QAbstractTableModel(parent) {}

    void setTable(const PatternTable* table) {
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
        const int c = index.column();
        switch (role) {
            case Qt::DisplayRole: return fromUtf8(table_->cell(index.row(), c));
            case Qt::TextAlignmentRole: return int(Qt::AlignCenter);
            case Qt::BackgroundRole: {
                const std::string text = table_->cell(index.row(), c);
                if (table_->isClassColumn(c) && text.size() == 1 && text[0] >= '0' && text[0] <= '9')
                    return classColour(text[0] - '0');
                return QColor(Qt::white);
            }
            case Qt::ForegroundRole: return c == 0 ? QColor(Qt::blue) : QColor(Qt::black);
            default: return {};
        }
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (!table_ || orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
        if (section < 0 || section >= static_cast<int>(table_->header.size())) return {};
        return fromUtf8(table_->header[static_cast<std::size_t>(section)]);
    }

  private:
    const PatternTable* table_ = nullptr;
};

MoredbPatternPage::MoredbPatternPage(QWidget* parent) : QWidget(parent) {
    setObjectName("ts_zhxt");
    auto* controls = new QHBoxLayout;
    kinds_ = new QButtonGroup(this);
    for (int k = 0; k < kPatternClassKinds; ++k) {
        rb_zhxt[k] = new QRadioButton(QString::fromUtf8(kKindRadios[k].caption), this);
        rb_zhxt[k]->setObjectName(QString::fromLatin1(kKindRadios[k].name));
        kinds_->addButton(rb_zhxt[k], k);
        controls->addWidget(rb_zhxt[k]);
    }
    rb_zhxt[0]->setChecked(true);
    cb_zhxt_cnys = new QComboBox(this);
    cb_zhxt_cnys->setObjectName("cb_zhxt_cnys");
    for (int d = kPatternDivisorFrom; d <= kPatternDivisorTo; ++d) cb_zhxt_cnys->addItem(QString::number(d));
    controls->addWidget(cb_zhxt_cnys);
    controls->addSpacing(16);
    cb_zhxt_whfx = new QCheckBox(QStringLiteral("尾号分析"), this);
    cb_zhxt_whfx->setObjectName("cb_zhxt_whfx");
    cb_zhxt_whfx->setChecked(true);
    cb_zhxt_hide = new QCheckBox(QStringLiteral("隐掉间隔数"), this);
    cb_zhxt_hide->setObjectName("cb_zhxt_hide");
    controls->addWidget(cb_zhxt_whfx);
    controls->addWidget(cb_zhxt_hide);
    controls->addStretch();

    connect(kinds_, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked) rebuild();
    });
    connect(cb_zhxt_whfx, &QCheckBox::toggled, this, [this] { rebuild(); });
    connect(cb_zhxt_hide, &QCheckBox::toggled, this, [this] { rebuild(); });
    connect(cb_zhxt_cnys, &QComboBox::currentIndexChanged, this, [this] {
        if (rb_zhxt[kRemainderByRadio]->isChecked()) rebuild();
    });

    sg_zhxt = new QTableView(this);
    sg_zhxt->setObjectName("sg_zhxt");
    model_ = new PatternModel(sg_zhxt);
    sg_zhxt->setModel(model_);
    sg_zhxt->verticalHeader()->hide();
    sg_zhxt->verticalHeader()->setDefaultSectionSize(kRowHeight);
    sg_zhxt->horizontalHeader()->setMinimumSectionSize(0);
    sg_zhxt->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sg_zhxt->setSelectionMode(QAbstractItemView::SingleSelection);
    sg_zhxt->horizontalHeader()->setStyleSheet(
        QStringLiteral("QHeaderView::section { background-color: rgb(%1,%2,%3); color: black; }")
            .arg(kHeaderBackground.red())
            .arg(kHeaderBackground.green())
            .arg(kHeaderBackground.blue()));
    sg_zhxt->horizontalHeader()->setHighlightSections(false);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(controls);
    layout->addWidget(sg_zhxt, 1);
}

PatternTableOptions MoredbPatternPage::options() const {
    PatternTableOptions o;
    o.kind = static_cast<PatternClassKind>(std::max(0, kinds_->checkedId()));
    o.divisor = cb_zhxt_cnys->currentText().toInt();
    o.tails = cb_zhxt_whfx->isChecked();
    o.hideGaps = cb_zhxt_hide->isChecked();
    return o;
}

void MoredbPatternPage::rebuild() {
    const PatternTableOptions chosen = options();
    model_->setTable(nullptr);
    table_ = buildPatternTable(workspace(), chosen);
    model_->setTable(&table_);
    const QFontMetrics metrics(sg_zhxt->font());
    const int issueWidth = metrics.horizontalAdvance(kIssueWidthText);
    const int numbersWidth = metrics.horizontalAdvance(kNumbersWidthText);
    const int classWidth = metrics.horizontalAdvance(kClassWidthText);
    const int gap = table_.gapColumn();
    for (int c = 0; c < table_.columnCount(); ++c) {
        int width = classWidth;
        if (c == 0) width = issueWidth;
        if (c == 1) width = numbersWidth;
        if (c == gap) width = chosen.hideGaps ? 0 : numbersWidth;
        sg_zhxt->setColumnWidth(c, width);
    }
    if (!table_.rows.empty()) {
        sg_zhxt->setCurrentIndex(model_->index(static_cast<int>(table_.rows.size()) - 1, 1));
        sg_zhxt->scrollToBottom();
    }
    sg_zhxt->setFocus();
}

}  // namespace qorvel
