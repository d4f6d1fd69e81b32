// The shared frame of the filter page's self-set, tail-set and custom-indicator tabs: a master switch,
// a list box with one line per condition and the add / modify / delete buttons with their messages.
#pragma once

#include <QWidget>
#include <string>

class QCheckBox;
class QListWidget;
class QPushButton;
class QVBoxLayout;

namespace qorvel {

class ZhListTab : public QWidget {
  public:
    // Object names and captions of the frame's controls.
    struct Controls {
        const char* tab;
        const char* list;
        const char* switchName;
        const char* switchCaption;
        const char* add;
        const char* addCaption;
        const char* modify;
        const char* remove;
        const char* hint;               // the add button's hint ("最多可添加…")
        const char* noDeleteSelection;  // delete without a selected line
        const char* noModifySelection;  // modify without a selected line
    };

    ZhListTab(const Controls& controls, QWidget* parent);

    // Rewrites the switch and every line from the conditions (after a reset or a load, so the lines take
    // the form a loaded condition file gives them).
    void refresh();
    // The selected line, or −1.
    int selectedRow() const;

    QListWidget* list = nullptr;
    QCheckBox* switchBox = nullptr;
    QPushButton* addButton = nullptr;
    QPushButton* modifyButton = nullptr;
    QPushButton* deleteButton = nullptr;

  protected:
    virtual int conditionCount() const = 0;
    virtual std::string loadedLine(int index) const = 0;
    virtual bool switchOn() const = 0;
    virtual void setSwitchOn(bool on) = 0;
    virtual void addCondition() = 0;
    virtual void modifyCondition(int index) = 0;
    virtual void removeCondition(int index) = 0;

    // Appends or replaces a line (the form the add dialogs write).
    void appendLine(const std::string& line);
    void replaceLine(int index, const std::string& line);
    // Ticks the master switch as a click on it would.
    void tickSwitch();

    // Where a tab places its own fields, above the list.
    QVBoxLayout* fieldsArea = nullptr;
    QVBoxLayout* buttonColumn = nullptr;

  private:
    const Controls controls_;
};

}  // namespace qorvel
