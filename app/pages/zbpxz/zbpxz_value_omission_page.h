// 单个取值遗漏走势: for the value chosen in the value combo, the omission before each of its occurrences and
// the change from one to the next, 36 entries at a time.
#pragma once

#include <vector>

#include "app/pages/zbpxz/zbpxz_windowed_page.h"
#include "core/views/dissection_segments.h"

class QComboBox;

namespace qorvel {

class ZbpxzValueOmissionPage : public ZbpxzWindowedPage {
  public:
    ZbpxzValueOmissionPage(const DissectionState& state, QWidget* parent);

    // Fills the value combo for the new series, then shows the newest entries of the preset value.
    void opened() override;

    int32_t chosenValue() const;
    const std::vector<ValueOmission>& entries() const { return entries_; }

    QComboBox* cb_dgyl_value = nullptr;

  protected:
    int itemCount() const override { return static_cast<int>(entries_.size()); }
    int windowLength() const override { return kValueOmissionWindow; }
    void recompute() override;
    void draw(DrawSurface& surface, int width, int height) override;

  private:
    void fillValues();

    std::vector<ValueOmission> entries_;
    int32_t topOmission_ = 0, topChange_ = 0;  // over every entry, so scrolling keeps the y axes
};

}  // namespace qorvel
