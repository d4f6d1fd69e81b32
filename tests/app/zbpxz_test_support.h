// The program the dissection page's tests start: the given draws as the history, the main window at
// 1024 x 768 and the start-up notices dropped.
#pragma once

#include "app/u_main.h"
#include "app_test_support.h"
#include "fxd_test_support.h"

namespace qorvel::testing::zbpxz {

struct Program : StartedProgram {
    explicit Program(const DrawRows& rows) : StartedProgram(fxd::withHistory(rows)) {
        f_main->resize(1024, 768);
        platform.messages.messages.clear();
    }
};

}  // namespace qorvel::testing::zbpxz
