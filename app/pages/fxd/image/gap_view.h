// GapView: the sub-page 间隔分析 — the sorted main numbers of every draw as stacked bars with the gaps
// written in them ("间距标识") or as joined dots with the numbers beside them ("主号标识"), for all
// positions or for one pair of positions.
#pragma once

#include "app/pages/fxd/image/image_view.h"

class QComboBox;
class QRadioButton;

namespace qorvel {

class GapView : public ImageView {
  public:
    explicit GapView(QWidget* parent = nullptr);

    QComboBox* cb_jgfx = nullptr;         // "全部显示", "2_1显示", …
    QRadioButton* rb_jgfx_jj = nullptr;   // "间距标识"
    QRadioButton* rb_jgfx_zh = nullptr;   // "主号标识"

  protected:
    int seriesLength() const override;
    void rebuild() override;
    void render(DrawSurface& surface, int width, int height) override;

  private:
    int itemsFor_ = -1;  // the main-number count the pair items were listed for
};

}  // namespace qorvel
