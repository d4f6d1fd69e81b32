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
#include "app/pages/u_fxd.h"
#include "app/pages/u_moredb.h"
#include "app/pages/u_set.h"
#include "app/pages/u_tdsh.h"
#include "app/pages/u_tjq.h"
#include "app/pages/u_zbpx.h"
#include "app/pages/u_zbpxz.h"
#include "app/pages/u_zh.h"
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
    f_tjq = nullptr;
    f_gxsjq = nullptr;
    f_zh = nullptr;
    f_fxd = nullptr;
    f_selfcond = nullptr;
    f_coldhotset = nullptr;
    f_informdownload = nullptr;
    f_xgzh = nullptr;
    f_showpic = nullptr;
    f_zbpx = nullptr;
    f_zbpxz = nullptr;
    f_fzsr = nullptr;
    f_set = nullptr;
    f_addselfzb = nullptr;
    f_tdsh = nullptr;
    f_addsj = nullptr;
    f_cpstyle = nullptr;
    f_wsset = nullptr;
    f_moredb = nullptr;
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
// settings. The order is the program's fixed creation order; windows still to come take their place in it
// (f_selfcond and f_checkreward after f_fxd, and so on).
void ProgramSession::createOtherWindows() {
    create(f_tjq)->setObjectName("f_tjq");
    create(f_gxsjq)->setObjectName("f_gxsjq");
    create(f_zh)->setObjectName("f_zh");
    create(f_fxd)->setObjectName("f_fxd");
    create(f_selfcond);
    create(f_coldhotset);
    create(f_informdownload);
    create(f_xgzh)->setObjectName("f_xgzh");
    create(f_showpic);
    create(f_zbpx)->setObjectName("f_zbpx");
    create(f_zbpxz)->setObjectName("f_zbpxz");
    create(f_fzsr);
    create(f_set);
    create(f_addselfzb);
    create(f_tdsh)->setObjectName("f_tdsh");
    create(f_addsj);
    create(f_cpstyle);
    create(f_wsset);
    create(f_moredb)->setObjectName("f_moredb");
    create(f_condchoice);
    create(f_qh);
    create(f_groupfilter);
    create(f_largerset);
    create(f_bh)->setObjectName("f_bh");
    create(f_zq_lczh);
}

}  // namespace qorvel
