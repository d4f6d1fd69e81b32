// Tf_fazh_set: the settings dialog "方案组合设置" of the scheme synthesis — which schemes are in use.
#pragma once

#include <QDialog>

#include "killbanker/scheme_synthesis.h"

class QListWidget;
class QPushButton;

namespace qorvel {

class Tf_fazh_set : public QDialog {
  public:
    explicit Tf_fazh_set(QWidget* parent = nullptr);

    // Opens modally on the list; closing by any means keeps the choice (the dialog has no cancel).
    void edit(SchemeUseList& list);

    void moveIn();   // "<<"
    void moveOut();  // ">>"

    QListWidget* lb_inuse = nullptr;   // 当前使用组件:
    QListWidget* lb_usable = nullptr;  // 可使用组件:
    QPushButton* b_in = nullptr;
    QPushButton* b_out = nullptr;
    QPushButton* b_close = nullptr;

  private:
    void refresh();

    SchemeUseList* list_ = nullptr;
};

inline Tf_fazh_set* f_fazh_set = nullptr;

}  // namespace qorvel
