#include "killbanker/kill_pages.h"

#include <algorithm>
#include <array>
#include <memory>

#include "engine/containers.h"
#include "text/number_text.h"

namespace qorvel {
namespace {

constexpr std::array<KillPageInfo, 6> kPages{{
    {KillPage::MainKill, "hmsh", "主区杀号", 60, 10, false, false},
    {KillPage::SpecialKill, "lmsh", "副区杀号", 60, 10, false, true},
    {KillPage::MainBanker, "hmtd", "主区定胆", 15, 5, true, false},
    {KillPage::SpecialBanker, "fqtd", "副区定胆", 10, 2, true, true},
    {KillPage::TailKill, "hmsw", "主区杀尾", 30, 5, false, false},
    {KillPage::CustomKill, "selfsh", "自定义杀号", 100, 10, false, false},
}};

constexpr int kTailBase = 10;

std::string rightAligned3(int32_t v) {
    std::string s = std::to_string(v);
    if (s.size() < 3) s.insert(0, 3 - s.size(), ' ');
    return s;
}

}  // namespace

const KillPageInfo& killPageInfo(KillPage page) { return kPages[static_cast<std::size_t>(page)]; }

std::optional<KillPage> killPageFromCode(std::string_view code) {
    for (const auto& info : kPages)
        if (info.code == code) return info.page;
    return std::nullopt;
}

DrawTestValues drawTestValues(KillPage page, const TypeParams& params, const DrawRecord& row, int32_t target) {
    DrawTestValues d;
    const auto& f = row.fields;
    const int mainCount = std::clamp(params.MainCount, 0, kDrawFields - 1);
    const int specialCount = std::clamp(params.SpecialCount, 0, kDrawFields - 1 - mainCount);
    auto mains = [&] {
        std::vector<int32_t> v;
        for (int i = 1; i <= mainCount; ++i) v.push_back(f[i]);
        return v;
    };
    auto specials = [&] {
        std::vector<int32_t> v;
        for (int i = 1; i <= specialCount; ++i) v.push_back(f[mainCount + i]);
        return v;
    };
    switch (page) {
        case KillPage::MainKill:
        case KillPage::MainBanker:
            d.values = mains();
            break;
        case KillPage::SpecialKill:
        case KillPage::SpecialBanker:
            d.values = specials();
            break;
        case KillPage::TailKill:
            for (int32_t n : mains()) d.values.push_back(n % kTailBase);
            break;
        case KillPage::CustomKill: {
            for (int32_t n : mains()) d.numbersText += TwoDigitText(n) + "  ";
            d.numbersText += ":";
            for (int32_t n : specials()) d.numbersText += TwoDigitText(n) + "  ";
            d.target = target;
            d.values = {target};
            return d;
        }
    }
    for (int32_t n : d.values) d.numbersText += TwoDigitText(n) + " ";
    // The page decides rightness by searching the value's two-digit text in the numbers text; only
    // texts of values 0..99 can be found there.
    for (int v = 0; v < kTextSearchValues; ++v)
        d.found[static_cast<std::size_t>(v)] = d.numbersText.find(TwoDigitText(v)) != std::string::npos;
    return d;
}

bool valueIsRight(KillPage page, const DrawTestValues& draw, int32_t value) {
    if (page == KillPage::CustomKill) return value != draw.target;
    const bool found = value >= 0 && value < kTextSearchValues && draw.found[static_cast<std::size_t>(value)];
    return killPageInfo(page).banker ? found : !found;
}

std::string formulaErrorMessage(int index, const std::string& error) {
    return "第" + std::to_string(index) + "条公式有误：" + error;
}

std::vector<int32_t> orderedListValues(const std::vector<int32_t>& values, int lo, int hi, ListDisplay display) {
    std::vector<int32_t> distinct;
    for (int32_t v : values)
        if (v >= lo && v <= hi) distinct.push_back(v);
    std::vector<int> frequency;
    std::sort(distinct.begin(), distinct.end());
    for (std::size_t i = 0; i < distinct.size(); ++i) {
        if (i > 0 && distinct[i] == distinct[i - 1]) {
            ++frequency.back();
        } else {
            frequency.push_back(1);
        }
    }
    distinct.erase(std::unique(distinct.begin(), distinct.end()), distinct.end());
    if (display == ListDisplay::Regular) return distinct;

    // Scored list, filled in ascending value order; its stable sort keeps equal frequencies by value.
    static auto scored = std::make_unique<tsortseqlist>();
    scored->clear();
    for (std::size_t i = 0; i < distinct.size(); ++i)
        scored->addWithPayload(distinct[i], static_cast<float>(frequency[i]));
    scored->sort(display == ListDisplay::FrequencyDescending);
    std::vector<int32_t> ordered;
    for (int k = 1; k <= scored->count(); ++k) ordered.push_back(scored->get(k).payload);
    return ordered;
}

std::string valueListText(const std::vector<int32_t>& values, int lo, int hi, ListDisplay display, bool custom) {
    std::string text;
    for (int32_t v : orderedListValues(values, lo, hi, display)) {
        if (custom) {
            text += rightAligned3(v) + " ";
        } else if (display == ListDisplay::Regular) {
            text += " " + TwoDigitText(v);
        } else {
            text += TwoDigitText(v) + " ";
        }
    }
    return text;
}

std::string successRateText(int right, int tested) {
    if (tested <= 0) return "0";
    // Tenths rounded half up on the exact quotient: floor((1000·c + n/2) / n) with integers only.
    const long long tenths = (2000LL * right + tested) / (2LL * tested);
    std::string text = std::to_string(tenths / 10);
    if (tenths % 10 != 0) text += "." + std::to_string(tenths % 10);
    return text;
}

}  // namespace qorvel
