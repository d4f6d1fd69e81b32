// Tf_runpic: the splash window shown while the program starts — a borderless 400 by 295 picture centred
// on the screen, drawn by the program itself.
#pragma once

#include <QWidget>

namespace qorvel {

constexpr int kSplashWidth = 400;
constexpr int kSplashHeight = 295;

class Tf_runpic : public QWidget {
  public:
    explicit Tf_runpic(QWidget* parent = nullptr);

    // Shows the window centred on the screen and paints it at once.
    void showNow();

  protected:
    void paintEvent(QPaintEvent* event) override;
};

inline Tf_runpic* f_runpic = nullptr;

}  // namespace qorvel
