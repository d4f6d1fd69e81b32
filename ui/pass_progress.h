// Progress of a history-wide evaluation started on the user-interface thread. Once the pass has run for
// about half a second a progress window with "取消" appears; the window keeps painting while the pass
// runs, and Esc or "取消" stops the pass (which then changes nothing).
#pragma once

#include <QString>
#include <functional>

class QProgressDialog;
class QWidget;

namespace qorvel {

constexpr int kPassProgressShowAfterMs = 500;

class UiPassProgress {
  public:
    UiPassProgress(QWidget* parent, QString text);
    ~UiPassProgress();
    UiPassProgress(const UiPassProgress&) = delete;
    UiPassProgress& operator=(const UiPassProgress&) = delete;

    // The callback for the pass: (rows done, rows in all) → false once the user asked to stop.
    std::function<bool(int, int)> callback();
    bool cancelled() const { return cancelled_; }
    // The progress window, once it is shown.
    QProgressDialog* dialog() const { return dialog_; }

    // Milliseconds since some fixed start; tests replace it to make a pass look long.
    using Clock = std::function<qint64()>;
    static void setClock(Clock clock);

  private:
    bool step(int done, int total);

    QWidget* parent_;
    QString text_;
    qint64 started_ = 0;
    QProgressDialog* dialog_ = nullptr;
    bool cancelled_ = false;
};

}  // namespace qorvel
