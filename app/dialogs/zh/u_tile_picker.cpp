#include "app/dialogs/zh/u_tile_picker.h"

#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <functional>

#include "app/dialogs/zh/u_value_criteria_group.h"
#include "ui/platform.h"

namespace qorvel {

namespace {
constexpr int kTileSize = 25;
constexpr int kTileStep = 30;
constexpr int kTileOrigin = 5;
constexpr int kTilesPerRow = 20;
const QColor kTileColour(53, 191, 202);
const QColor kChosenTileColour(227, 28, 199);
}  // namespace

// One tile: a coloured square with its value centred; a click toggles it.
class ValueTile : public QWidget {
  public:
    ValueTile(int value, QWidget* parent) : QWidget(parent), value_(value) {
        setObjectName(QStringLiteral("tile_%1").arg(value));
        setFixedSize(kTileSize, kTileSize);
        setCursor(Qt::PointingHandCursor);
    }
    void setChosen(bool chosen) {
        if (chosen_ == chosen) return;
        chosen_ = chosen;
        update();
    }
    std::function<void(int)> onClick;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), chosen_ ? kChosenTileColour : kTileColour);
        p.setPen(Qt::white);
        p.drawText(rect(), Qt::AlignCenter, QString::number(value_));
    }
    void mousePressEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton && onClick) onClick(value_);
    }

  private:
    int value_;
    bool chosen_ = false;
};

TilePicker::TilePicker(QWidget* parent) : QDialog(parent) {
    setObjectName("f_tilepicker");
    setWindowTitle(QStringLiteral("取值选择"));
    auto* column = new QVBoxLayout(this);
    tileArea_ = new QWidget(this);
    tileArea_->setObjectName("p_tiles");
    for (int v = 0; v <= kTilePickerLastValue; ++v) {
        auto* tile = new ValueTile(v, tileArea_);
        tile->onClick = [this](int value) {
            selection_.toggle(value);
            refreshTiles();
        };
        tiles_[static_cast<std::size_t>(v)] = tile;
    }
    column->addWidget(tileArea_, 0, Qt::AlignLeft);

    const auto button = [this](const char* name, const char* caption) {
        auto* b = new QPushButton(QString::fromUtf8(caption), this);
        b->setObjectName(name);
        b->setAutoDefault(false);
        return b;
    };
    auto* quick = new QHBoxLayout();
    QPushButton* reset = button("b_reset", "重置");
    QPushButton* all = button("b_selectall", "全选");
    QPushButton* none = button("b_selectnone", "全不选");
    QPushButton* invert = button("b_invert", "反选");
    assistantButton_ = button("b_assistant", "过滤助手");
    QPushButton* ok = button("b_ok", "确定");
    QPushButton* cancel = button("b_cancel", "取消");
    for (QPushButton* b : {reset, all, none, invert, assistantButton_}) quick->addWidget(b);
    quick->addStretch();
    quick->addWidget(ok);
    quick->addWidget(cancel);

    criteria_ = new ValueCriteriaGroup({}, this);
    column->addWidget(criteria_);
    column->addLayout(quick);
    column->setSizeConstraint(QLayout::SetFixedSize);

    connect(reset, &QPushButton::clicked, this, [this] {
        selection_.chooseNone();
        criteria_->reset();
        refreshTiles();
    });
    connect(all, &QPushButton::clicked, this, [this] {
        selection_.chooseAll();
        refreshTiles();
    });
    connect(none, &QPushButton::clicked, this, [this] {
        selection_.chooseNone();
        refreshTiles();
    });
    connect(invert, &QPushButton::clicked, this, [this] {
        selection_.invert();
        refreshTiles();
    });
    connect(criteria_->chooseButton, &QPushButton::clicked, this, [this] { chooseByCriteria(); });
    connect(assistantButton_, &QPushButton::clicked, this,
            [this] { openFilterAssistant(request_.assistantSource, this); });
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TilePicker::begin(const ValuePickerRequest& request) {
    request_ = request;
    selection_.begin(request.from, request.to, request.preselected);
    criteria_->reset();
    criteria_->setEnabled(request.criteria);
    criteria_->setCurrentValueAvailable(request.currentValue.has_value());
    assistantButton_->setEnabled(!request.assistantSource.empty());
    layOutTiles();
    refreshTiles();
}

std::optional<std::vector<int32_t>> TilePicker::choose(const ValuePickerRequest& request) {
    begin(request);
    if (exec() != QDialog::Accepted) return std::nullopt;
    return chosen();
}

void TilePicker::layOutTiles() {
    const int from = selection_.from();
    const int count = std::max(0, selection_.to() - from + 1);
    for (int v = 0; v <= kTilePickerLastValue; ++v) {
        ValueTile* tile = tiles_[static_cast<std::size_t>(v)];
        const bool shown = selection_.inRange(v);
        tile->setVisible(shown);
        if (!shown) continue;
        const int k = v - from;
        tile->move(kTileOrigin + (k % kTilesPerRow) * kTileStep, kTileOrigin + (k / kTilesPerRow) * kTileStep);
    }
    const int rows = std::max(1, (count + kTilesPerRow - 1) / kTilesPerRow);
    tileArea_->setFixedSize(kTileOrigin + kTilesPerRow * kTileStep, kTileOrigin + rows * kTileStep);
}

void TilePicker::refreshTiles() {
    for (int v = 0; v <= kTilePickerLastValue; ++v) tiles_[static_cast<std::size_t>(v)]->setChosen(selection_.isChosen(v));
}

void TilePicker::chooseByCriteria() {
    const std::string message = selection_.chooseByCriteria(criteria_->criteria(), request_.currentValue);
    refreshTiles();
    if (!message.empty()) showMessage(QString::fromStdString(message), this);
}

}  // namespace qorvel
