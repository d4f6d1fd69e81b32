// Tf_largerset: the records-per-page dialog ("设置") — how many draws a page of the trend analysis shows.
#pragma once

#include <QDialog>
#include <optional>

class QComboBox;
class QPushButton;

namespace qorvel {

constexpr int kMinRecordsPerPage = 1;
constexpr int kMaxRecordsPerPage = 500;

class Tf_largerset : public QDialog {
  public:
    explicit Tf_largerset(QWidget* parent = nullptr);

    // Shows the dialog; the chosen number on OK, nothing on cancel. Nothing is stored.
    std::optional<int> chooseRecordsPerPage();

    // Accepts only a whole number from 1 to 500; otherwise says which text is wrong and stays.
    void accept() override;

    QComboBox* ComboBox1 = nullptr;
    QPushButton* b_ok = nullptr;
    QPushButton* b_cancel = nullptr;

  private:
    int chosen_ = 0;
};

inline Tf_largerset* f_largerset = nullptr;

}  // namespace qorvel
