// The "过滤操作" button of the filter page and its menu: reset, save and load a condition file, the
// condition report, the fixed condition files and undo ("恢复操作"), the report marked against a past draw
// ("条件对错") and the batch filter.
#pragma once

#include <QObject>

class QAction;
class QMenu;
class QPushButton;
class QWidget;

namespace qorvel {

class Tf_zh;

class ZhOperations : public QObject {
  public:
    explicit ZhOperations(Tf_zh& page);

    QPushButton* b_glcz = nullptr;  // "过滤操作"
    QMenu* pm_glcz = nullptr;

    // The entries, named as their object names.
    QAction* n_reset = nullptr;
    QAction* n_savecond = nullptr;
    QAction* n_loadcond = nullptr;
    QAction* n_showcond = nullptr;
    QAction* n_loadcgset = nullptr;     // 恢复操作 ▸ 载入常规过滤条件
    QAction* n_savecgset = nullptr;     // 恢复操作 ▸ 覆盖常规过滤条件
    QAction* n_loadexitset = nullptr;   // 恢复操作 ▸ 载入上次退出前的过滤条件
    QAction* n_undo = nullptr;          // 恢复操作 ▸ 恢复上一次过滤条件
    QAction* n_condright = nullptr;     // 条件对错
    QAction* n_batchfilter = nullptr;   // 批量过滤

    void saveConditions();
    void loadConditions();
    void showConditions();
    void markConditions();
    void batchFilter();

  private:
    QAction* entry(QMenu* menu, const char* name, const char* caption, void (ZhOperations::*handler)());
    // Shows a fixed-file operation's message and the conditions it may have loaded.
    void afterFixedFile(const std::string& message);
    void openReport(const std::vector<std::string>& lines);

    Tf_zh& page_;
};

}  // namespace qorvel
