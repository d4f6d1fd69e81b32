// The statistics page's sheets "分项统计一" and "分项统计二": the itemised statistics of the main numbers,
// one group box per group with its rows (caption, value, share bar, percentage), the remainder divisor
// box cb_ys and the seven read-only boxes of the seven zones.
#pragma once

#include <QObject>
#include <array>
#include <functional>
#include <vector>

#include "views/statistics_page.h"

class QComboBox;
class QGroupBox;
class QTabWidget;
class QWidget;

namespace qorvel {

inline constexpr int kItemBarHeight = 12;

class TjqItemSheets : public QObject {
  public:
    // Adds both sheets to `tabs`; divisorChanged runs when cb_ys gets another item.
    TjqItemSheets(QTabWidget* tabs, std::function<void()> divisorChanged);

    // The remainder divisor cb_ys stands for (3, 4 or 5).
    int divisor() const;
    // Shows the rows of the last count, replacing what both sheets showed.
    void showRows(const std::vector<ItemisedRow>& rows);

    QComboBox* cb_ys = nullptr;
    std::array<QWidget*, 2> sheets{};
    // The visible group box "主区分项统计" of each sheet; the special zone's group stays hidden and empty.
    std::array<QGroupBox*, 2> mainGroups{};

  private:
    QWidget* buildSheet(int index, QTabWidget* tabs);
    void fillSheet(int index, const std::vector<ItemisedRow>& rows);
    QGroupBox* groupBox(QWidget* parent, const std::string& group, const std::vector<const ItemisedRow*>& rows);

    std::array<QWidget*, 2> contents_{};  // the rebuilt part of each sheet
};

}  // namespace qorvel
