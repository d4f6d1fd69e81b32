// OmissionTrendView: the sub-page 主号遗漏走势 — the omission before every occurrence of one main number
// (and its current omission) over the change between successive omissions, 36 entries at a time.
// "指标剖析" writes the entries to the hand-over store "database\addition.rec" and shows their
// dissection modally.
#pragma once

#include <vector>

#include "app/pages/fxd/image/image_view.h"
#include "core/views/image_series.h"

class QComboBox;
class QPushButton;

namespace qorvel {

class OmissionTrendView : public ImageView {
  public:
    explicit OmissionTrendView(QWidget* parent = nullptr);

    int number() const;
    const std::vector<OmissionEntry>& entries() const { return entries_; }
    // "指标剖析": false when the hand-over store could not be written (the message was shown).
    bool dissect();

    QComboBox* cb_zhylzs = nullptr;         // "主区号码选择"
    QPushButton* b_zhylzs_zbpx = nullptr;   // "指标剖析"

  protected:
    int seriesLength() const override;
    void rebuild() override;
    void render(DrawSurface& surface, int width, int height) override;

  private:
    void listNumbers();

    std::vector<OmissionEntry> entries_;
    int listedFrom_ = -1, listedTo_ = -1;
};

}  // namespace qorvel
