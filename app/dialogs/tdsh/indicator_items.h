// The indicator list of the search, generator and custom kill settings windows: the indicator menu's
// items (code, spaces, name), the main sum's tail first.
#pragma once

#include <QString>
#include <QStringList>

class QComboBox;
class QWidget;

namespace qorvel {

QStringList indicatorItemTexts();
// Fills the combo with the items and selects the first.
void fillIndicatorCombo(QComboBox* combo);
// The indicator of an item: the text before the first space.
QString indicatorOfItem(const QString& item);

// Lists every issue of the history (a temporary last row dropped first) in both combos and selects the
// default search range.
void fillSearchRange(QComboBox* from, QComboBox* to);

// Reads a whole number from an edit's text; shows the message for a bad number and returns false.
bool readWholeNumber(const QString& text, int& value, QWidget* parent);
bool readDecimal(const QString& text, double& value, QWidget* parent);

}  // namespace qorvel
