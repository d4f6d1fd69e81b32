// Tf_xgzh: the combination edit dialog. The hook below is what a type change calls on it; it does nothing
// until the draw entry work builds the dialog.
#pragma once

#include <QDialog>
#include <QString>

namespace qorvel {

class Tf_xgzh : public QDialog {
  public:
    using QDialog::QDialog;

    // Sets the number masks for the main and special counts and the two zone labels.
    void applyTypeMasks(int, int, const QString&, const QString&) {}
};

inline Tf_xgzh* f_xgzh = nullptr;

}  // namespace qorvel
