// ExtensionView: the sub-page 扩展系列一 — a related-value code built from the radio and the combos
// beside it, its value at every draw over its amplitude. "指标剖析" dissects "getzb(" code ")" through the
// indicator management page; "转至过滤设置" puts that formula into the filter page's formula field.
#pragma once

#include "app/pages/fxd/image/image_view.h"
#include "core/views/image_series.h"

class QComboBox;
class QPushButton;
class QRadioButton;

namespace qorvel {

class ExtensionView : public ImageView {
  public:
    explicit ExtensionView(QWidget* parent = nullptr);

    // The code the controls choose.
    ExtensionChoice choice() const;
    const ValueSeries& series() const { return series_; }
    // "指标剖析" and "转至过滤设置"; false when the page to hand over to is missing.
    bool dissect();
    bool toFilter();

    QRadioButton* rb_kzxl_ylz = nullptr;  // "遗漏值相关："
    QComboBox* cb_kzxl_ylz_s = nullptr;
    QComboBox* cb_kzxl_ylz_a = nullptr;
    QComboBox* cb_kzxl_ylz_b = nullptr;
    QRadioButton* rb_kzxl_fq = nullptr;   // "分区相关："
    QComboBox* cb_kzxl_fq_s = nullptr;
    QComboBox* cb_kzxl_fq_p = nullptr;
    QComboBox* cb_kzxl_fq_z = nullptr;
    QRadioButton* rb_kzxl_ys = nullptr;   // "余数相关："
    QComboBox* cb_kzxl_ys_s = nullptr;
    QComboBox* cb_kzxl_ys_m = nullptr;
    QComboBox* cb_kzxl_ys_r = nullptr;
    QRadioButton* rb_kzxl_cz = nullptr;   // "差值相关："
    QComboBox* cb_kzxl_cz = nullptr;
    QRadioButton* rb_kzxl_hz = nullptr;   // "和值相关："
    QComboBox* cb_kzxl_hz = nullptr;
    QRadioButton* rb_kzxl_xwcz = nullptr; // "与上期差值相关："
    QComboBox* cb_kzxl_xwcz = nullptr;
    QRadioButton* rb_kzxl_xwhz = nullptr; // "与上期和值相关："
    QComboBox* cb_kzxl_xwhz = nullptr;
    QRadioButton* rb_kzxl_cs = nullptr;   // "次数相关：", disabled
    QRadioButton* rb_kzxl_lsx = nullptr;  // "类似性相关：", disabled
    QRadioButton* rb_kzxl_gq = nullptr;   // "隔期出号相关：", disabled
    QPushButton* b_kzxl_zbpx = nullptr;   // "指标剖析"
    QPushButton* b_kzxl_tofilter = nullptr;  // "转至过滤设置"

  protected:
    int seriesLength() const override;
    void rebuild() override;
    void render(DrawSurface& surface, int width, int height) override;

  private:
    void buildControls();
    void listValues();
    void listParts(QComboBox* parts, int count, int first);

    ValueSeries series_;
    std::string code_;
    int listedFor_ = -1;  // the largest main number the value combos were listed for
};

}  // namespace qorvel
