// The main result set's popup of the filter page: the entries of the grid's right-click menu (also opened
// by the button "结果处理" at the mouse position) — save and load, the forecast row, adding, deleting,
// modifying and removing tickets, printing, restoring transformed numbers and the prize check. Every
// entry leaves the grid, the page labels and the status line in step with the result set.
#pragma once

#include <QObject>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QAction;
class QMenu;
class QPushButton;

namespace qorvel {

class Tf_zh;

class ZhResults : public QObject {
  public:
    explicit ZhResults(Tf_zh& page);

    // The issue the prize check uses, or nothing when the user cancels. By default it is chosen in the
    // issue choice dialog.
    using IssueChooser = std::function<std::optional<int>()>;
    void setIssueChooser(IssueChooser chooser) { chooseIssue_ = std::move(chooser); }

    // Opens the popup at a global position (after updating which entries apply now).
    void popupAt(const QPoint& globalPos);
    // The popup entry with this object name.
    QAction* entry(const char* name) const;

    // The popup entries.
    void saveResults();
    void loadResults();
    void addToForecast();
    void clearForecast();
    void addTicket();
    void deleteTicket();
    void modifyTicket();
    void removeListed();
    void printResults();
    void restoreOriginal();
    void prizeCheck();

    QPushButton* b_jgcl = nullptr;     // "结果处理"
    QMenu* pm_zqresult = nullptr;

  private:
    // The slot of the selected grid row, 0 when no row is selected.
    int selectedSlot() const;
    std::vector<int> ticketNumbers(int slot) const;
    // The hit count of numbers against the draw of the last prize check.
    uint8_t hitsAgainstLastDraw(const std::vector<int>& numbers) const;
    // Shows the page (clamped to the pages there are), selects a row of it when asked, and sets the
    // status line.
    void showPage(int page, const std::string& status, int selectRow = -1);
    void showPageOfSlot(int slot);
    void updateEntries();
    bool busy() const;
    uint64_t resultFingerprint() const;

    Tf_zh& page_;
    IssueChooser chooseIssue_;
    std::vector<int32_t> lastPrizeDraw_;
    // The result set as it stood after the last restoring of original numbers, so the same tickets are
    // not mapped back twice.
    std::optional<uint64_t> restoredFingerprint_;
};

}  // namespace qorvel
