// Tf_informdownload: the notice popup of the online update — a borderless window in the bottom-right
// corner that stays on top, holding one word-wrapped button with the notice text. It closes itself after
// eight seconds; a click closes it and opens the download addresses in the browser.
#pragma once

#include <QWidget>
#include <functional>

#include "draws/online_update.h"

class QLabel;
class QPushButton;
class QTimer;

namespace qorvel {

class Tf_informdownload : public QWidget {
  public:
    // Milliseconds on a monotonic clock; tests replace it to step through the popup's lifetime.
    using Clock = std::function<qint64()>;

    explicit Tf_informdownload(QWidget* parent = nullptr);

    // The notice and download list of the last online update; they stay until the program ends and the
    // exit step reads them.
    void setNotice(const OnlineNotice& notice) { notice_ = notice; }
    const OnlineNotice& notice() const { return notice_; }

    // Shows the popup: takes the stored notice from the settings when `newbbh` says so, falls back to the
    // welcome text, sizes the window to the text, puts it in the bottom-right corner and starts the
    // timer that closes it.
    void showNotice();

    void setClock(Clock clock) { clock_ = std::move(clock); }
    // Closes the popup once its lifetime has passed (the timer calls this).
    void checkLifetime();

    QPushButton* b_inform = nullptr;
    QTimer* closeTimer = nullptr;

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void openDownloads();

    QLabel* text_ = nullptr;  // the word-wrapped caption of the button
    OnlineNotice notice_;
    Clock clock_;
    qint64 shownAt_ = 0;
};

inline Tf_informdownload* f_informdownload = nullptr;

}  // namespace qorvel
