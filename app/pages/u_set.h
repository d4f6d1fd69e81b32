// Tf_set: the settings page ("设置") with two read-only sheets: the zone division of the main numbers
// ("分区说明", refreshed by "刷新") and the values of the combination patterns ("形态取值说明").
#pragma once

#include <QWidget>

#include "app/page.h"

class QPlainTextEdit;
class QPushButton;
class QTabWidget;

namespace qorvel {

class Tf_set : public QWidget, public Page {
  public:
    explicit Tf_set(QWidget* parent = nullptr);

    // Rebuilds the zone listing from the current type's zone bounds.
    void refreshZoneListing();
    void refreshPatternListing();

    QTabWidget* pc_set = nullptr;
    QWidget* ts_fqsm = nullptr;
    QWidget* TabSheet1 = nullptr;
    QPlainTextEdit* m_fqsm = nullptr;
    QPlainTextEdit* m_xtsm = nullptr;
    QPushButton* b_sx = nullptr;  // 刷新

  protected:
    // Showing the page selects the first sheet.
    void showEvent(QShowEvent* event) override;

  private:
    void onSheetChanged(int index);
};

inline Tf_set* f_set = nullptr;

}  // namespace qorvel
