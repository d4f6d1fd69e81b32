// RemainderView: the sub-page 主号余数图 — the remainder of each main-number position by 3, 4 or 5, one
// small chart per position stacked top to bottom.
#pragma once

#include "app/pages/fxd/image/image_view.h"

class QRadioButton;

namespace qorvel {

class RemainderView : public ImageView {
  public:
    explicit RemainderView(QWidget* parent = nullptr);

    int modulus() const;

    QRadioButton* rb_zhysz_c3 = nullptr;  // "除三余数"
    QRadioButton* rb_zhysz_c4 = nullptr;  // "除四余数"
    QRadioButton* rb_zhysz_c5 = nullptr;  // "除五余数"

  protected:
    int seriesLength() const override;
    void render(DrawSurface& surface, int width, int height) override;
};

}  // namespace qorvel
