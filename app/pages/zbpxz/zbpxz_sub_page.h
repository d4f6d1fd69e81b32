// What every sub-page of the dissection page shares: the handed-over series with the issue of each draw,
// and the interface the page drives its sub-pages through.
#pragma once

#include <QString>
#include <QWidget>
#include <cstdint>
#include <vector>

#include "core/views/dissection_input.h"
#include "core/views/dissection_series.h"

class QComboBox;

namespace qorvel {

struct DissectionState {
    DissectionInput input;
    std::vector<int32_t> issues;  // issue of every draw of the series, oldest first
    SeriesRange range;             // seriesMin … seriesMax with equal ends widened
    int mainCount = 6;

    int count() const { return static_cast<int>(input.series.size()); }
};

class ZbpxzSubPage : public QWidget {
  public:
    ZbpxzSubPage(const DissectionState& state, QWidget* parent) : QWidget(parent), state_(state) {}

    // The sub-page's name as the tab and the status line show it ("信号图" …).
    virtual QString pageName() const = 0;
    // A new series was handed over: reset windows and presets.
    virtual void opened() = 0;
    // Recompute and redraw from the current controls.
    virtual void refresh() = 0;
    // The user left the sub-page or the page: stop timers.
    virtual void left() {}

  protected:
    // Fills a pair of issue combos ("<=统计区域<=") with every issue of the series, oldest first, the start
    // preset to the 100th-last issue (or the first) and the end to the last. Signals are blocked while filling.
    void fillIssueRange(QComboBox* from, QComboBox* to) const;
    // The 1-based draw a combo filled by fillIssueRange has chosen (1 when empty).
    static int chosenDraw(const QComboBox* combo);

    const DissectionState& state_;
};

}  // namespace qorvel
