#include "combos/result_set.h"

#include <algorithm>

#include "text/number_text.h"

namespace qorvel {

void ResultSet::appendNumbers(const int32_t* ascending, int count) {
    Combination c;
    for (int i = 0; i < count && i < kCombinationBytes; ++i) c.bytes[i] = static_cast<uint8_t>(ascending[i]);
    slots_.push_back(c);
}

int resultPageCount(int count) { return count <= 0 ? 0 : (count + kResultsPerPage - 1) / kResultsPerPage; }

std::string resultPageLabel(int page, int pages) {
    return "第" + std::to_string(page) + "页/ " + std::to_string(pages) + "页";
}

std::string resultCountLabel(int count) { return "投注结果：共" + std::to_string(count) + "注"; }

ResultPage resultPage(const ResultSet& results, int page, int mainCount, const std::string& mainLabel,
                      bool hitsShown) {
    ResultPage p;
    p.pages = resultPageCount(results.count());
    p.page = std::max(1, page);
    p.headers.push_back("序号");
    for (int k = 1; k <= mainCount; ++k) p.headers.push_back(mainLabel + std::to_string(k));
    if (hitsShown) p.headers.push_back("中奖号个数");
    const int first = (p.page - 1) * kResultsPerPage + 1;
    const int last = std::min(p.page * kResultsPerPage, results.count());
    if (first > last) return p;
    p.first = first;
    p.last = last;
    for (int k = first; k <= last; ++k) {
        const Combination& c = results.slot(k);
        std::vector<std::string> row{"第" + std::to_string(k) + "条"};
        for (int i = 0; i < mainCount && i < kCombinationBytes; ++i) row.push_back(TwoDigitText(c.bytes[i]));
        if (hitsShown) row.push_back(std::to_string(c.hits(mainCount)));
        p.rows.push_back(std::move(row));
    }
    return p;
}

}  // namespace qorvel
