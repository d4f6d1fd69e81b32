// Tf_collectgs: the formula collection window "已收集公式" — a scratch list of formulas gathered from the
// banker and kill sub-pages, edited here and saved to or loaded from a formula file.
#pragma once

#include <QDialog>

#include "killbanker/formula_collection.h"

class QLineEdit;
class QListWidget;
class QPushButton;

namespace qorvel {

class Tf_collectgs : public QDialog {
  public:
    explicit Tf_collectgs(QWidget* parent = nullptr);

    // "收集当前公式": shows the window without making it modal, puts the formula into e_add and adds it.
    void collect(const QString& formula);
    const FormulaCollection& collection() const { return collection_; }

    void addFormula();
    void modifyFormula();
    void deleteFormula();
    void clearFormulas();
    void saveFormulas();
    void loadFormulas();

    QListWidget* l_gs = nullptr;
    QLineEdit* e_add = nullptr;
    QPushButton* b_add = nullptr;
    QPushButton* b_modify = nullptr;
    QPushButton* b_delete = nullptr;
    QPushButton* b_clear = nullptr;
    QPushButton* b_save = nullptr;
    QPushButton* b_load = nullptr;

  private:
    // Rewrites the list and the caption from the collection, selecting `selected` when it is a line.
    void refresh(int selected = -1);

    FormulaCollection collection_;
};

inline Tf_collectgs* f_collectgs = nullptr;

// The page's collection window (made on first use when the page has not made it).
Tf_collectgs& formulaCollection();

}  // namespace qorvel
