// The five image views of the trend analysis page (扩展系列一, 主号余数图, 间隔分析, 主号遗漏走势, 离中量),
// each a sub-page drawn through a coordinate chart in the host widget.
#pragma once

class QTabWidget;

namespace qorvel {

// Appends the five sub-pages, in their tab order, to the page's tab control.
void addImageViewTabs(QTabWidget* pc_fxd);

}  // namespace qorvel
