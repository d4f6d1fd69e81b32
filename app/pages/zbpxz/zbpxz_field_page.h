// 田野走势图: each draw of the window placed in the row of the chosen style that lists its value. The styles
// live in one file per row count G; "修改田野图" edits the chosen style and rewrites that file.
#pragma once

#include "app/pages/zbpxz/zbpxz_chart_page.h"
#include "core/views/dissection_field.h"

class QPushButton;

namespace qorvel {

class ZbpxzFieldPage : public ZbpxzChartPage {
  public:
    ZbpxzFieldPage(const DissectionState& state, QWidget* parent);

    const FieldStyles& styles() const { return styles_; }
    int style() const;  // 0-based

    QComboBox* cb_tyd_style = nullptr;  // 田野走势图一 … 十
    QComboBox* cb_tyd_zhs = nullptr;    // 总行数 G
    QPushButton* b_tyd_modify = nullptr;

    // Reads the style file on the first showing, so a dissection that never shows the field chart writes
    // nothing.
    void refresh() override;

  protected:
    void draw(DrawSurface& surface, int width, int height) override;

  private:
    void loadStyles();
    void modifyStyle();

    FieldStyles styles_;
    bool loaded_ = false;
};

}  // namespace qorvel
