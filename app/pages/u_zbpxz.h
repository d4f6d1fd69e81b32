// Tf_zbpxz: the indicator dissection page, docked into the tab "指标剖析" or shown in a modal window for the
// value-choice dialogs. OpenDissection is its single entry point; each sub-page is a class of its own under
// app/pages/zbpxz and draws the handed-over series from one angle.
#pragma once

#include <QWidget>
#include <vector>

#include "app/page.h"
#include "app/pages/zbpxz/zbpxz_sub_page.h"
#include "core/views/dissection_input.h"

class QLabel;
class QTabWidget;

namespace qorvel {

class ZbpxzSignalPage;
class ZbpxzAveragePage;
class ZbpxzChangePage;
class ZbpxzDistributionPage;
class ZbpxzFeaturePage;
class ZbpxzFieldPage;
class ZbpxzOmissionPage;
class ZbpxzItemStatsPage;
class ZbpxzCountChartPage;
class ZbpxzOmissionCountPage;
class ZbpxzOmissionTrendPage;
class ZbpxzPropertyPage;
class ZbpxzRemainderPage;
class ZbpxzSegmentPage;
class ZbpxzValueOmissionPage;

class Tf_zbpxz : public QWidget, public Page {
  public:
    explicit Tf_zbpxz(QWidget* parent = nullptr);

    // Stores the input (equal extremes widened by the main-number count), resets every sub-page and shows
    // the signal chart.
    void OpenDissection(const DissectionInput& input);

    const DissectionInput& input() const { return state_.input; }
    // The title followed by "的" and the shown sub-page's name.
    QString statusText() const;

    void pageClosed() override;
    void historyChanged() override;

    QLabel* l_status = nullptr;
    QTabWidget* pc_zbpxz = nullptr;
    ZbpxzSignalPage* ts_ftc = nullptr;
    ZbpxzPropertyPage* ts_txtb = nullptr;
    ZbpxzAveragePage* ts_jzzs = nullptr;
    ZbpxzOmissionPage* ts_ylfb = nullptr;
    ZbpxzDistributionPage* ts_sjfb = nullptr;
    ZbpxzFieldPage* ts_tyd = nullptr;
    ZbpxzItemStatsPage* ts_fxtj = nullptr;
    ZbpxzCountChartPage* ts_cxcs = nullptr;
    ZbpxzOmissionCountPage* ts_ylcs = nullptr;
    ZbpxzSegmentPage* ts_fdzs = nullptr;
    ZbpxzOmissionTrendPage* ts_ylzs = nullptr;
    ZbpxzValueOmissionPage* ts_dgyl = nullptr;
    ZbpxzRemainderPage* ts_yszs = nullptr;
    ZbpxzFeaturePage* ts_tzt = nullptr;
    ZbpxzChangePage* ts_blws = nullptr;

  private:
    void subPageChanged(int index);
    void fillIssues();

    DissectionState state_;
    std::vector<ZbpxzSubPage*> pages_;
    ZbpxzSubPage* current_ = nullptr;
};

inline Tf_zbpxz* f_zbpxz = nullptr;

// Shows the dissection of `input` in a modal dialog over `parent` and returns when it is closed.
void showDissectionModally(const DissectionInput& input, QWidget* parent);

}  // namespace qorvel
