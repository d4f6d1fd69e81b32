// Tf_zh: the combination filtering page, docked into the tab "超强组号". The hooks below are what the shell
// calls on it (type change, shutdown); they do nothing until the filtering page is built.
#pragma once

#include <QString>
#include <QWidget>
#include <filesystem>

namespace qorvel {

// The tabs of the page whose visibility follows the special-number count of the type.
enum class ZhSpecialTab { SpecialFilter /*副区过滤*/, SingleSpecialFilter, DualZoneMatch /*双区匹配*/ };

class Tf_zh : public QWidget {
  public:
    using QWidget::QWidget;

    // Saves the current conditions to the given condition file (at shutdown, "exitset.zh").
    void saveExitConditions(const std::filesystem::path&) {}
    // Rebuilds the combination space for a newly chosen lottery type.
    void rebuildForType() {}
    // Refreshes the parts that depend on the type (after every use of the type dialog).
    void refreshTypeParts() {}
    void setSpecialTabVisible(ZhSpecialTab, bool) {}
    // Captions of the main and special filter tabs: MainLabel + "过滤" and SpecialLabel + "过滤".
    void setFilterTabCaptions(const QString&, const QString&) {}
};

inline Tf_zh* f_zh = nullptr;

}  // namespace qorvel
