// Tf_zbpxz: the indicator dissection page, docked into the tab "指标剖析". OpenDissection is its single
// entry point. For now the page shows the handed-over series plainly: title, range, one row per draw with
// its issue and value, and how often each value of the range occurred.
#pragma once

#include <QWidget>

#include "app/page.h"

#include "core/views/dissection_input.h"

class QLabel;
class QTableWidget;

namespace qorvel {

class Tf_zbpxz : public QWidget, public Page {
  public:
    explicit Tf_zbpxz(QWidget* parent = nullptr);

    // Stores the input and shows it; the caption becomes the title and the status line the title
    // followed by "的信号图".
    void OpenDissection(const DissectionInput& input);

    const DissectionInput& input() const { return input_; }
    QString statusText() const;

    QLabel* l_title = nullptr;
    QLabel* l_range = nullptr;
    QLabel* l_status = nullptr;
    QTableWidget* sg_values = nullptr;  // issue and value of every draw
    QTableWidget* sg_counts = nullptr;  // occurrences and current omission of every value of the range

  private:
    void fillValues();
    void fillCounts();

    DissectionInput input_;
};

inline Tf_zbpxz* f_zbpxz = nullptr;

// Shows the dissection of `input` in a modal dialog over `parent` and returns when it is closed.
void showDissectionModally(const DissectionInput& input, QWidget* parent);

}  // namespace qorvel
