// Tf_showpic: the wait notice — a small borderless window with one line of text, shown while a long step
// runs. Callers show a text, do the work and hide it.
#pragma once

#include <QWidget>

class QLabel;

namespace qorvel {

class Tf_showpic : public QWidget {
  public:
    explicit Tf_showpic(QWidget* parent = nullptr);

    // Sizes the label to the text width plus 30 pixels and the window to the label plus 30, centres the
    // window on the screen, shows it and paints it at once.
    void showText(const QString& text);

    QLabel* l_showpic = nullptr;
};

inline Tf_showpic* f_showpic = nullptr;

}  // namespace qorvel
