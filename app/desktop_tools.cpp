#include "app/desktop_tools.h"

#include "ui/platform.h"

namespace qorvel {

const QStringList& calculatorPrograms() {
    static const QStringList programs{"gnome-calculator", "kcalc",         "galculator",
                                      "mate-calc",        "qalculate-gtk", "xcalc"};
    return programs;
}

const QStringList& textEditorPrograms() {
    static const QStringList programs{
        "gnome-text-editor", "gedit", "kwrite", "kate", "mousepad", "pluma", "xed", "featherpad", "leafpad"};
    return programs;
}

bool launchFirstAvailable(const QStringList& programs) {
    for (const QString& program : programs)
        if (platform().shell->open(program)) return true;
    return false;
}

}  // namespace qorvel
