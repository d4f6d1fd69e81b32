#include "app/pages/zbpxz/zbpxz_sub_page.h"

#include <QComboBox>
#include <QSignalBlocker>
#include <algorithm>

#include "core/views/omission_table.h"

namespace qorvel {

void ZbpxzSubPage::fillIssueRange(QComboBox* from, QComboBox* to) const {
    const QSignalBlocker blockFrom(from);
    const QSignalBlocker blockTo(to);
    from->clear();
    to->clear();
    for (int32_t issue : state_.issues) {
        from->addItem(QString::number(issue));
        to->addItem(QString::number(issue));
    }
    const int count = static_cast<int>(state_.issues.size());
    if (count == 0) return;
    from->setCurrentIndex(omissionDefaultFromRow(count) - 1);
    to->setCurrentIndex(count - 1);
}

int ZbpxzSubPage::chosenDraw(const QComboBox* combo) {
    return std::max(0, combo->currentIndex()) + 1;
}

}  // namespace qorvel
