#include "app/dialogs/zh/u_tile_picker.h"

#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>
#include <algorithm>
#include <functional>

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

TilePicker::TilePicker(QWidget* parent) : ValuePickerDialog(kTilePickerLastValue, "f_tilepicker", parent) {
    auto* column = new QVBoxLayout(this);
    tileArea_ = new QWidget(this);
    tileArea_->setObjectName("p_tiles");
    for (int v = 0; v <= kTilePickerLastValue; ++v) {
        auto* tile = new ValueTile(v, tileArea_);
        tile->onClick = [this](int value) {
            selection_.toggle(value);
            refreshValues();
        };
        tiles_[static_cast<std::size_t>(v)] = tile;
    }
    column->addWidget(tileArea_, 0, Qt::AlignLeft);
    // In this picker the button row comes before the criteria group in the tab chain.
    QHBoxLayout* buttonRow = makeButtonRow();
    makeCriteria({});
    finishColumn(column, buttonRow);
}

void TilePicker::showRange() {
    const int from = selection_.from();
    const int count = std::max(0, selection_.to() - from + 1);
    for (int v = 0; v <= kTilePickerLastValue; ++v) {
        ValueTile* tile = tiles_[static_cast<std::size_t>(v)];
        const bool shown = selection_.inRange(v);
        tile->setVisible(shown);
        if (!shown) continue;
        const int k = v - from;
        tile->move(kTileOrigin + (k % kTilesPerRow) * kTileStep,
                   kTileOrigin + (k / kTilesPerRow) * kTileStep);
    }
    const int rows = std::max(1, (count + kTilesPerRow - 1) / kTilesPerRow);
    tileArea_->setFixedSize(kTileOrigin + kTilesPerRow * kTileStep, kTileOrigin + rows * kTileStep);
}

void TilePicker::refreshValues() {
    for (int v = 0; v <= kTilePickerLastValue; ++v)
        tiles_[static_cast<std::size_t>(v)]->setChosen(selection_.isChosen(v));
}

}  // namespace qorvel
