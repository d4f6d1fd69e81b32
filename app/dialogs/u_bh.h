// Tf_bh: the data transformation dialog ("数据变换"), shown modally from the menu. It switches the history
// in memory between the draw file's numbers and transformations 1 to 4, shows the history as a
// zone-coloured number table with ball pictures, and fills the forecast row from its selection row.
#pragma once

#include <QDialog>

#include "draws/data_transform.h"
#include "draws/forecast_row.h"

class QAction;
class QCheckBox;
class QComboBox;
class QMenu;
class QPushButton;
class QRadioButton;
class QTableView;

namespace qorvel {

class BhGridModel;

class Tf_bh : public QDialog {
  public:
    explicit Tf_bh(QWidget* parent = nullptr);

    // Applies transformation k (0 = the draw file's numbers): the caption and "数据更新" of the main
    // window follow, the selection is carried over and the grid is rebuilt. A failed reload is reported.
    void applyTransformation(int k);
    // Rebuilds the grid from the history; the history's cursor is left where it was.
    void refreshGrid();

    // The transformation state of the run; the results page maps tickets back through it.
    const DataTransform& transform() const { return transform_; }
    const SelectionFlags& selection() const { return selection_; }
    // The grid row of the selection area ("选号区"), the last one.
    int selectionRow() const;
    // The grid column of a main number.
    int numberColumn(int number) const;

    QTableView* sg_bhdb = nullptr;
    QComboBox* cb_bhstyle = nullptr;
    QComboBox* cb_fq = nullptr;
    QPushButton* b_cancel = nullptr;
    QCheckBox* cb_showoriginal = nullptr;     // "显示原始号码", hidden
    QRadioButton* rb_main = nullptr;          // "主号", hidden and selected
    QRadioButton* rb_mainspecial = nullptr;   // "红号和蓝号", hidden
    QMenu* pm_select = nullptr;               // popup of the selection row
    QAction* mi_clearselection = nullptr;     // "清除选号区"
    QAction* mi_toforecast = nullptr;         // "将选号导入到预测区"
    QAction* mi_clearforecast = nullptr;      // "清除预测区"

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildControls();
    void placeOverPageArea();
    void clearSelection();
    void selectionToForecast();
    void clearForecast();

    BhGridModel* model_ = nullptr;
    DataTransform transform_;
    SelectionFlags selection_{};
};

inline Tf_bh* f_bh = nullptr;

}  // namespace qorvel
