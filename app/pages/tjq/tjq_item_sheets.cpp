#include "app/pages/tjq/tjq_item_sheets.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/app_state.h"
#include "ui/drawing_host.h"

namespace qorvel {
namespace {

constexpr const char* kSheetCaptions[2] = {"分项统计一", "分项统计二"};
constexpr const char* kSheetNames[2] = {"ts_fxtj1", "ts_fxtj2"};
constexpr const char* kDivisorItems[] = {"除三余数", "除四余数", "除五余数"};
constexpr const char* kRemainderGroup = "余数";
constexpr const char* kSevenZoneGroup = "七区";
constexpr const char* kSevenZoneLead = "按七区分:    ";
constexpr int kGroupColumns[2] = {3, 3};
constexpr int kSevenZoneBoxWidth = 60;
constexpr Colour kShareBarColour = rgbColour(0, 0, 192);
constexpr Colour kShareTrackColour = rgbColour(225, 225, 225);

// The bar beside a count: its share of the full width, drawn over a light track.
DrawingHost* shareBar(QWidget* parent, int width) {
    auto* bar = new DrawingHost(parent);
    bar->setCrosshairEnabled(false);
    bar->setFixedSize(kItemBarWidth, kItemBarHeight);
    bar->setRenderer([width](DrawSurface& s, int w, int h) {
        s.fill({0, 0, w, h}, kShareTrackColour);
        if (width > 0) s.fill({0, 0, std::min(width, w), h}, kShareBarColour);
    });
    return bar;
}

// The value label's object name: the group and the caption, so a row can be found by what it shows.
QString rowName(const ItemisedRow& row) { return fromUtf8(row.group + "/" + row.caption); }

}  // namespace

TjqItemSheets::TjqItemSheets(QTabWidget* tabs, std::function<void()> divisorChanged) : QObject(tabs) {
    for (int i = 0; i < 2; ++i) sheets[i] = buildSheet(i, tabs);
    cb_ys = new QComboBox(sheets[1]);
    cb_ys->setObjectName("cb_ys");
    for (const char* item : kDivisorItems) cb_ys->addItem(QString::fromUtf8(item));
    cb_ys->hide();
    connect(cb_ys, &QComboBox::currentIndexChanged, this, [divisorChanged] { divisorChanged(); });
}

int TjqItemSheets::divisor() const {
    const int index = std::clamp(cb_ys->currentIndex(), 0, static_cast<int>(kRemainderDivisors.size()) - 1);
    return kRemainderDivisors[static_cast<std::size_t>(index)];
}

QWidget* TjqItemSheets::buildSheet(int index, QTabWidget* tabs) {
    auto* sheet = new QWidget(tabs);
    sheet->setObjectName(kSheetNames[index]);
    auto* main = new QGroupBox(QStringLiteral("主区分项统计"), sheet);
    main->setObjectName(QStringLiteral("gb_zqfxtj%1").arg(index + 1));
    mainGroups[index] = main;
    auto* special = new QGroupBox(QStringLiteral("副区分项统计"), sheet);
    special->hide();
    auto* scroll = new QScrollArea(main);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    contents_[index] = new QWidget(scroll);
    scroll->setWidget(contents_[index]);
    (new QVBoxLayout(main))->addWidget(scroll);
    auto* layout = new QVBoxLayout(sheet);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(main);
    layout->addWidget(special);
    tabs->addTab(sheet, QString::fromUtf8(kSheetCaptions[index]));
    return sheet;
}

void TjqItemSheets::showRows(const std::vector<ItemisedRow>& rows) {
    for (int i = 0; i < 2; ++i) fillSheet(i, rows);
}

void TjqItemSheets::fillSheet(int index, const std::vector<ItemisedRow>& rows) {
    // The divisor box lives in the remainder group; keep it while the old groups go.
    if (cb_ys->parentWidget() != sheets[1]) cb_ys->setParent(sheets[1]);
    auto* scroll = qobject_cast<QScrollArea*>(contents_[index]->parentWidget()->parentWidget());
    auto* fresh = new QWidget;
    auto* grid = new QGridLayout(fresh);
    grid->setHorizontalSpacing(12);

    std::vector<std::pair<std::string, std::vector<const ItemisedRow*>>> groups;
    for (const ItemisedRow& row : rows) {
        if (row.sheet != index + 1) continue;
        if (groups.empty() || groups.back().first != row.group) groups.push_back({row.group, {}});
        groups.back().second.push_back(&row);
    }
    const int columns = kGroupColumns[index];
    for (std::size_t g = 0; g < groups.size(); ++g)
        grid->addWidget(groupBox(fresh, groups[g].first, groups[g].second), static_cast<int>(g) / columns,
                        static_cast<int>(g) % columns, Qt::AlignTop);
    grid->setRowStretch(grid->rowCount(), 1);
    scroll->setWidget(fresh);  // deletes the previous contents
    contents_[index] = fresh;
}

QGroupBox* TjqItemSheets::groupBox(QWidget* parent, const std::string& group,
                                   const std::vector<const ItemisedRow*>& rows) {
    auto* box = new QGroupBox(fromUtf8(group), parent);
    auto* grid = new QGridLayout(box);
    int line = 0;
    if (group == kRemainderGroup) {
        cb_ys->setParent(box);
        cb_ys->show();
        grid->addWidget(cb_ys, line++, 0, 1, 4, Qt::AlignLeft);
    }
    for (const ItemisedRow* row : rows) {
        if (group == kSevenZoneGroup) {
            const QString lead = line == 0 ? QString::fromUtf8(kSevenZoneLead) : QString();
            grid->addWidget(new QLabel(lead + fromUtf8(row->caption), box), line, 0, Qt::AlignRight);
            auto* value = new QLineEdit(fromUtf8(row->value), box);
            value->setObjectName(rowName(*row));
            value->setReadOnly(true);
            value->setFixedWidth(kSevenZoneBoxWidth);
            grid->addWidget(value, line++, 1);
            continue;
        }
        grid->addWidget(new QLabel(fromUtf8(row->caption), box), line, 0);
        auto* value = new QLabel(fromUtf8(row->value), box);
        value->setObjectName(rowName(*row));
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(value, line, 1);
        if (row->barWidth >= 0) grid->addWidget(shareBar(box, row->barWidth), line, 2);
        if (!row->percent.empty()) {
            auto* percent = new QLabel(fromUtf8(row->percent), box);
            percent->setObjectName(rowName(*row) + "%");
            percent->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            grid->addWidget(percent, line, 3);
        }
        ++line;
    }
    grid->setColumnStretch(4, 1);
    return box;
}

}  // namespace qorvel
