// ProgramSession: one run of the desktop program — the shared state, the splash, the main window and
// every other window, created once in a fixed order and destroyed together at the end.
#pragma once

#include <QPointer>
#include <QWidget>
#include <vector>

#include "app/app_state.h"

namespace qorvel {

class ProgramSession {
  public:
    ProgramSession();
    ~ProgramSession();
    ProgramSession(const ProgramSession&) = delete;
    ProgramSession& operator=(const ProgramSession&) = delete;

    // The start-up: the splash, the application title, the main window (which loads the program folder,
    // types, history and settings), every other window, then the main window is shown unless told not to.
    void start(bool showMainWindow = true);

  private:
    template <class Window>
    Window* create(Window*& instance);
    void createOtherWindows();

    AppState state_;
    AppState* previousState_ = nullptr;
    std::vector<QPointer<QWidget>> windows_;  // in creation order
};

}  // namespace qorvel
