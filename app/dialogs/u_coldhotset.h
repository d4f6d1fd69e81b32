// Tf_coldhotset: the cold/hot dialog ("冷热号设置") — the period and the cold and hot limits of one zone.
#pragma once

#include <QDialog>
#include <array>

class QLineEdit;
class QPushButton;

namespace qorvel {

class Tf_coldhotset : public QDialog {
  public:
    explicit Tf_coldhotset(QWidget* parent = nullptr);

    // Fills the boxes with the main (or special) period, cold and hot limits and shows the dialog. On OK
    // the three numbers become the current settings, are written to the settings store and the numbers are
    // classified again at `issue`. True when the settings were saved.
    bool editZone(bool mainZone, int issue);

    // Accepts only when all three boxes hold whole numbers; otherwise says which text is wrong and stays.
    void accept() override;

    QLineEdit* e_qsfield = nullptr;
    QLineEdit* e_cold = nullptr;
    QLineEdit* e_hot = nullptr;
    QPushButton* b_ok = nullptr;
    QPushButton* b_cancel = nullptr;

  private:
    std::array<int, 3> values_{};  // period, cold limit, hot limit of the last accepted boxes
};

inline Tf_coldhotset* f_coldhotset = nullptr;

}  // namespace qorvel
