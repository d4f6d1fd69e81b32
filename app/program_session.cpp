#include "app/program_session.h"

#include <QApplication>

#include "app/dialogs/u_addselfzb.h"
#include "app/dialogs/u_addsj.h"
#include "app/dialogs/u_bh.h"
#include "app/dialogs/u_coldhotset.h"
#include "app/dialogs/u_cpstyle.h"
#include "app/dialogs/u_fzsr.h"
#include "app/dialogs/u_gxsjq.h"
#include "app/dialogs/u_informdownload.h"
#include "app/dialogs/u_largerset.h"
#include "app/dialogs/u_qh.h"
#include "app/dialogs/u_xgzh.h"
#include "app/dialogs/zh/u_batch.h"
#include "app/dialogs/zh/u_choice.h"
#include "app/dialogs/zh/u_result_dialogs.h"
#include "app/dialogs/zh/u_selfset.h"
#include "app/dialogs/zh/u_tailset.h"
#include "app/page_table.h"
#include "app/u_main.h"
#include "app/u_runpic.h"
#include "app/u_showpic.h"
#include "ui/qsettings_store.h"

namespace qorvel {

ProgramSession::ProgramSession() {
    state_.settings = std::make_unique<QSettingsStore>();
    previousState_ = installAppState(&state_);
}

ProgramSession::~ProgramSession() {
    // Later windows may be docked into earlier ones, so they go first; a window its parent already took
    // with it is skipped.
    for (auto it = windows_.rbegin(); it != windows_.rend(); ++it) delete it->data();
    delete f_runpic;
    f_runpic = nullptr;
    f_main = nullptr;
    for (const PageInfo& info : pageTable()) info.window.forget();
    f_gxsjq = nullptr;
    f_selfcond = nullptr;
    f_coldhotset = nullptr;
    f_informdownload = nullptr;
    f_xgzh = nullptr;
    f_showpic = nullptr;
    f_fzsr = nullptr;
    f_addselfzb = nullptr;
    f_addsj = nullptr;
    f_cpstyle = nullptr;
    f_wsset = nullptr;
    f_condchoice = nullptr;
    f_qh = nullptr;
    f_groupfilter = nullptr;
    f_largerset = nullptr;
    f_bh = nullptr;
    f_zq_lczh = nullptr;
    installAppState(previousState_);
}

template <class Window>
Window* ProgramSession::create(Window*& instance) {
    instance = new Window();
    windows_.emplace_back(instance);
    return instance;
}

void ProgramSession::start(bool showMainWindow) {
    f_runpic = new Tf_runpic();
    f_runpic->showNow();
    QApplication::setApplicationName("Qorvel");
    create(f_main);
    createOtherWindows();
    delete f_runpic;
    f_runpic = nullptr;
    if (showMainWindow) f_main->show();
}

// Every window is created once, after the main window has loaded the types, the history and the
// settings: first the pages of the page table, then the other windows in the program's fixed order.
void ProgramSession::createOtherWindows() {
    for (const PageInfo& info : pageTable()) {
        QWidget* page = info.window.create();
        page->setObjectName(QStringLiteral("f_") + QString::fromUtf8(info.tabName).mid(3));
        windows_.emplace_back(page);
    }
    create(f_gxsjq)->setObjectName("f_gxsjq");
    create(f_selfcond);
    create(f_coldhotset);
    create(f_informdownload);
    create(f_xgzh)->setObjectName("f_xgzh");
    create(f_showpic);
    create(f_fzsr);
    create(f_addselfzb);
    create(f_addsj);
    create(f_cpstyle);
    create(f_wsset);
    create(f_condchoice);
    create(f_qh);
    create(f_groupfilter);
    create(f_largerset);
    create(f_bh)->setObjectName("f_bh");
    create(f_zq_lczh);
}

}  // namespace qorvel
