// 按期数分段走势: the history cut into segments of the chosen length, moved by the position offset, with one
// statistic per segment charted for a window of up to 20 segments.
#pragma once

#include <vector>

#include "app/pages/zbpxz/zbpxz_windowed_page.h"
#include "core/views/dissection_segments.h"

class QComboBox;

namespace qorvel {

class ZbpxzSegmentPage : public ZbpxzWindowedPage {
  public:
    ZbpxzSegmentPage(const DissectionState& state, QWidget* parent);

    int segmentLength() const;
    int segmentOffset() const;
    SegmentContent content() const;
    const std::vector<Segment>& segments() const { return segments_; }
    std::string chartTitle() const;

    QComboBox* cb_fdzs_length = nullptr;   // segment length, 50 … 2
    QComboBox* cb_fdzs_offset = nullptr;   // position offset, 10 … −10
    QComboBox* cb_fdzs_content = nullptr;  // 区段总和 … 相同个数

  protected:
    int itemCount() const override { return static_cast<int>(segments_.size()); }
    int windowLength() const override { return kSegmentChartWindow; }
    void recompute() override;
    void draw(DrawSurface& surface, int width, int height) override;

  private:
    std::vector<Segment> segments_;
};

}  // namespace qorvel
