// The desktop program: starts one session and runs its event loop until the main window closes.
#include <QApplication>

#include "app/program_session.h"
#include "ui/platform.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    qorvel::installChineseQtTranslation();
    qorvel::ProgramSession session;
    session.start();
    return app.exec();
}
