#include "ui/pass_progress.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProgressDialog>

namespace qorvel {
namespace {

UiPassProgress::Clock& clock() {
    static UiPassProgress::Clock current;
    return current;
}

qint64 now() {
    if (clock()) return clock()();
    static QElapsedTimer timer;
    if (!timer.isValid()) timer.start();
    return timer.elapsed();
}

}  // namespace

void UiPassProgress::setClock(Clock c) { clock() = std::move(c); }

UiPassProgress::UiPassProgress(QWidget* parent, QString text)
    : parent_(parent), text_(std::move(text)), started_(now()) {}

UiPassProgress::~UiPassProgress() { delete dialog_; }

std::function<bool(int, int)> UiPassProgress::callback() {
    return [this](int done, int total) { return step(done, total); };
}

bool UiPassProgress::step(int done, int total) {
    if (cancelled_) return false;
    if (!dialog_ && now() - started_ >= kPassProgressShowAfterMs) {
        dialog_ = new QProgressDialog(text_, QStringLiteral("取消"), 0, total, parent_);
        dialog_->setObjectName("pd_pass");
        dialog_->setWindowModality(Qt::WindowModal);
        dialog_->setMinimumDuration(0);
        dialog_->setAutoClose(false);
        dialog_->setAutoReset(false);
        // Esc rejects the window without touching its cancel flag, so both ways are heard.
        QObject::connect(dialog_, &QProgressDialog::canceled, [this] { cancelled_ = true; });
        QObject::connect(dialog_, &QDialog::rejected, [this] { cancelled_ = true; });
        dialog_->show();
    }
    if (dialog_) {
        dialog_->setMaximum(total);
        dialog_->setValue(done);
        // Paints the windows and delivers Esc and the button while the pass goes on.
        QCoreApplication::processEvents();
    }
    return !cancelled_;
}

}  // namespace qorvel
