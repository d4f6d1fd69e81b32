#include "app/dialogs/tdsh/indicator_items.h"

#include <QComboBox>

#include "app/app_state.h"
#include "engine/indicator_menu.h"
#include "killbanker/forecast_scope.h"
#include "killbanker/formula_search.h"
#include "killbanker/formula_collection.h"
#include "ui/platform.h"

namespace qorvel {

QStringList indicatorItemTexts() {
    QStringList items{QString::fromUtf8(kCustomKillFirstItem)};
    const QString first = indicatorOfItem(items.front());
    for (const IndicatorMenuPage& page : indicatorMenuPages())
        for (const IndicatorMenuItem& item : page.items)
            if (QString::fromStdString(item.expression) != first) items << QString::fromStdString(item.text());
    return items;
}

void fillIndicatorCombo(QComboBox* combo) {
    combo->clear();
    combo->addItems(indicatorItemTexts());
    combo->setCurrentIndex(0);
}

QString indicatorOfItem(const QString& item) { return item.trimmed().section(QLatin1Char(' '), 0, 0); }

bool readWholeNumber(const QString& text, int& value, QWidget* parent) {
    bool ok = false;
    value = text.trimmed().toInt(&ok);
    if (!ok) showMessage(invalidNumberMessage(text), parent);
    return ok;
}

bool readDecimal(const QString& text, double& value, QWidget* parent) {
    bool ok = false;
    value = text.trimmed().toDouble(&ok);
    if (!ok) showMessage(invalidNumberMessage(text), parent);
    return ok;
}

void fillSearchRange(QComboBox* from, QComboBox* to) {
    t_s_dm& store = workspace().MainStore;
    dropTemporaryLastRow(store);
    from->clear();
    to->clear();
    for (int r = 1; r <= store.Count(); ++r) {
        const QString issue = QString::number(store.Row(r).fields[0]);
        from->addItem(issue);
        to->addItem(issue);
    }
    int first = 0, last = 0;
    defaultSearchRange(store, first, last);
    from->setCurrentIndex(from->findText(QString::number(first)));
    to->setCurrentIndex(to->findText(QString::number(last)));
}

}  // namespace qorvel
