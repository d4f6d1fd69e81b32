// SpreadView: the sub-page 离中量 — the mean, the standard deviation or the coefficient of variation of
// every draw's main numbers.
#pragma once

#include "app/pages/fxd/image/image_view.h"
#include "core/views/image_series.h"

class QRadioButton;

namespace qorvel {

class SpreadView : public ImageView {
  public:
    explicit SpreadView(QWidget* parent = nullptr);

    SpreadMode mode() const;

    QRadioButton* rb_lzl_pjl = nullptr;   // "平均量"
    QRadioButton* rb_lzl_bzc = nullptr;   // "标准差"
    QRadioButton* rb_lzl_lsxs = nullptr;  // "离散系数"

  protected:
    int seriesLength() const override;
    void render(DrawSurface& surface, int width, int height) override;
};

}  // namespace qorvel
