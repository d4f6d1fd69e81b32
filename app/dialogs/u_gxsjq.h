// Tf_gxsjq: the data maintenance window — the list of every draw of the current type, keyboard and
// graphical entry of one draw, modify, delete and clear, import, export and the online update. The
// window only presents; the rules and messages come from the draw entry and import/export code.
#pragma once

#include <QDialog>
#include <string>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace qorvel {

class DrawListModel;

class Tf_gxsjq : public QDialog {
  public:
    explicit Tf_gxsjq(QWidget* parent = nullptr);

    // Masks and labels of the editors for the current type, and the grid (run when the window shows).
    void prepare();
    // Lists every draw again, chooses column 1 of the last row and focuses the grid.
    void refreshGrid();
    // The draw row (1-based) of the grid's current cell; 0 when no draw is chosen.
    int selectedDrawRow() const;

    void addFromEditors();     // Button2 "添加"
    void modifySelected();     // b_modify "修改"
    void deleteSelected();     // b_delete "删除"
    void clearAll();           // Button4 "清空"
    void addGraphically();     // b_picadd "图形化添加"
    void importFile(bool replace);  // b_adddr "追加导入", b_overlapdr "覆盖导入"
    void exportFile();         // b_dc "导出"
    void updateOnline();       // Button1 "在线更新"

    QTableView* sg_sjk = nullptr;
    QPushButton* b_modify = nullptr;
    QPushButton* b_delete = nullptr;
    QPushButton* Button4 = nullptr;
    QPushButton* b_adddr = nullptr;
    QPushButton* b_overlapdr = nullptr;
    QPushButton* b_dc = nullptr;
    QPushButton* Button1 = nullptr;
    QGroupBox* gb_add = nullptr;  // "数据添加"
    QLineEdit* e_qs = nullptr;
    QLabel* l_zh = nullptr;
    QLineEdit* e_zh = nullptr;
    QLabel* l_spec = nullptr;
    QLineEdit* e_spec = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* b_picadd = nullptr;

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* buildButtons();
    QGroupBox* buildEntryGroup();
    void showOutcome(const std::string& message);
    void clearEditors();

    DrawListModel* model_ = nullptr;
};

inline Tf_gxsjq* f_gxsjq = nullptr;

}  // namespace qorvel
