// Tf_zbpx: the indicator management page, docked into the tab "指标管理" — choose a menu indicator, a saved
// custom indicator or a typed formula, compute it for every draw into the value column and hand the series
// to the dissection page. It also keeps the saved custom indicators ("save\selfzb.txt").
#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

#include "app/page.h"

class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace qorvel {

struct DissectionInput;

class Tf_zbpx : public QWidget, public Page {
  public:
    explicit Tf_zbpx(QWidget* parent = nullptr);

    // Fills the page with an existing indicator (code, display name, value range) and dissects it; the
    // shell's "蓝号分析" entry uses it.
    void dissectExistingIndicator(const QString& code, const QString& name, int from, int to);

    // "开始剖析": computes the chosen expression for every draw and hands the series over. False when a
    // message stopped it.
    bool startDissection();
    // A click or double click in a menu list or in lb_save.
    void pickListItem(QListWidget* list);
    void addIndicator();
    void deleteIndicator();
    void modifyIndicator();

    // The list of menu page `page` (0-based, in menu order).
    QListWidget* menuList(int page) const;

    QRadioButton* rb_yyzb = nullptr;
    QLineEdit* e_yyzb = nullptr;
    QTabWidget* pagecontrol1 = nullptr;
    QListWidget* lb_save = nullptr;
    QPushButton* b_add = nullptr;
    QPushButton* b_delete = nullptr;
    QPushButton* b_mod = nullptr;
    QRadioButton* rb_selfzb = nullptr;
    QLineEdit* e_selfzb = nullptr;
    QPushButton* b_fzsr = nullptr;
    QLineEdit* e_zbmm = nullptr;
    QLineEdit* me_zbqzfrom = nullptr;
    QLineEdit* me_zbqzto = nullptr;
    QPushButton* b_ok = nullptr;
    QPushButton* b_cancel = nullptr;

  private:
    void buildControls();
    void layOut();
    QWidget* savedPage();
    void chooseExisting(bool checked);
    void chooseFormula(bool checked);
    void openAssistedInput();
    void closePage();
    void loadSavedIndicators();
    QStringList savedLines() const;
    bool rewriteSavedIndicators(const QStringList& lines);
    void clearRange();
    void handOver(const DissectionInput& input, const QString& name);
};

inline Tf_zbpx* f_zbpx = nullptr;

}  // namespace qorvel
