// The popup of the special result set on the filter page. On the single-special-number list it offers
// "加到预测区" and "清除预测区"; on the grid of special-number groups also saving, loading, adding,
// deleting and modifying groups. The view shows the set one entry per row (row r = entry r + 1); the
// owner is told after every change of the set so it can redraw.
#pragma once

#include <QObject>
#include <functional>

class QAbstractItemView;
class QAction;
class QMenu;
class QPoint;

namespace qorvel {

class Tf_zh;

class ZhSpecialResults : public QObject {
  public:
    ZhSpecialResults(Tf_zh& page, QAbstractItemView* view, bool twoNumbers, std::function<void()> changed);

    // Opens the popup at a global position.
    void popupAt(const QPoint& globalPos);
    // The popup entry with this object name (nullptr when this popup has no such entry).
    QAction* entry(const char* name) const;

    // The popup entries.
    void addToForecast();
    void clearForecast();
    void saveResults();
    void loadResults();
    void addGroup();
    void deleteGroup();
    void modifyGroup();

    QMenu* pm_fqresult = nullptr;

  private:
    // The entry of the selected row, 0 when no row is selected.
    int selectedEntry() const;
    // The special numbers an entry holds: two on the group grid, one on the single-number list.
    int groupNumbers() const;
    void selectEntry(int k);

    Tf_zh& page_;
    QAbstractItemView* view_;
    bool twoNumbers_;
    std::function<void()> changed_;
};

}  // namespace qorvel
