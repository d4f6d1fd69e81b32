#include "engine/indicator_menu.h"

#include <span>

#include "engine/indicator_catalogue.h"
#include "text/number_text.h"

namespace qorvel {
namespace {

using Codes = std::span<const std::string_view>;

constexpr std::string_view kNumerals[] = {"一", "二", "三", "四", "五"};
constexpr int kMenuPositions = 5;
constexpr int kRemainderDivisors[] = {3, 4, 5};

// The codes the pages share, each list in the order the pages show it.
constexpr std::string_view kShapeCodes[] = {
    "z_pd",       "z_sd",       "z_aver",     "z_dsgs",     "z_jsgs",    "z_zsgs",  "z_cmgs",
    "z_wzgs",     "z_lmzs",     "z_nmzs",     "z_ac",       "z_zdjj",    "z_zxjj",  "z_jjgs",
    "z_gwgs",     "z_jhlx",     "z_ohlx",     "z_zhlx",     "z_hhlx",    "z_maxlh", "z_lwr_lmgs",
    "z_lwr_wmgs", "z_lwr_rmgs", "z_3fq_1qgs", "z_3fq_2qgs", "z_3fq_3qgs"};
constexpr std::string_view kRemainderCounts[] = {"z_c3y0", "z_c3y1", "z_c3y2", "z_c4y0", "z_c4y1", "z_c4y2",
                                                 "z_c4y3", "z_c5y0", "z_c5y1", "z_c5y2", "z_c5y3", "z_c5y4"};
constexpr std::string_view kSumCodes[] = {
    "z_hz",      "z_hw",      "z_wh",       "z_jshe",     "z_oshe",     "z_zshe",   "z_hshe",
    "z_dxqdshe", "z_dxqxshe", "z_dzxqdshe", "z_dzxqzshe", "z_dzxqxshe", "z_c3yshe", "z_c4yshe",
    "z_c5yshe",  "z_0lhe",    "z_1lhe",     "z_2lhe",     "z_gwhe",     "z_xjhe",   "z_djhe",
    "z_xohe",    "z_dohe",    "z_xzhe",     "z_dzhe",     "z_xhhe",     "z_dhhe"};
constexpr std::string_view kTwelveSums[] = {"z_jshe",    "z_oshe",    "z_zshe",   "z_hshe",
                                            "z_dxqdshe", "z_dxqxshe", "z_c3yshe", "z_c4yshe",
                                            "z_c5yshe",  "z_0lhe",    "z_1lhe",   "z_2lhe"};
constexpr std::string_view kLineCodes[] = {"xh21", "xh32", "xh43", "xh54", "xh31", "xh42", "xh53",
                                           "xh41", "xh52", "xh51", "xc21", "xc32", "xc43", "xc54",
                                           "xc31", "xc42", "xc53", "xc41", "xc52", "xc51"};
// The count codes of the amplitude page, of the omission pages and of the amplitude-omission page.
constexpr std::string_view kCountsAmplitude[] = {"z_dsgs",     "z_jsgs",     "z_zsgs",     "z_cmgs", "z_wzgs",
                                                 "z_3fq_1qgs", "z_3fq_2qgs", "z_3fq_3qgs", "z_lmzs", "z_nmzs",
                                                 "z_ac",       "z_zdjj",     "z_zxjj",     "z_jjgs"};
constexpr std::string_view kCountsOmission[] = {"z_dsgs", "z_jsgs", "z_zsgs",     "z_cmgs",     "z_wzgs",
                                                "z_lmzs", "z_nmzs", "z_3fq_1qgs", "z_3fq_2qgs", "z_3fq_3qgs",
                                                "z_ac",   "z_zdjj", "z_zxjj",     "z_jjgs"};
// The second omission entry of the largest gap carries a name of its own.
constexpr std::string_view kSecondGapName = "主区最大间距";

std::string positionCode(int k) {
    return "z_num" + std::to_string(k);
}
std::string positionName(int k) {
    return "主号" + std::string(kNumerals[k - 1]);
}

std::vector<std::string> positions() {
    std::vector<std::string> codes;
    for (int k = 1; k <= kMenuPositions; ++k) codes.push_back(positionCode(k));
    return codes;
}

std::vector<std::string> positionRemainders() {
    std::vector<std::string> codes;
    for (int d : kRemainderDivisors)
        for (int k = 1; k <= kMenuPositions; ++k) codes.push_back(positionCode(k) + "%" + std::to_string(d));
    return codes;
}

std::vector<std::string> positionTails() {
    std::vector<std::string> codes;
    for (int k = 1; k <= kMenuPositions; ++k) codes.push_back(positionCode(k) + "_w");
    return codes;
}

std::vector<std::string> list(Codes codes) {
    return {codes.begin(), codes.end()};
}

bool endsWith(std::string_view text, std::string_view tail) {
    return text.ends_with(tail);
}

std::string replaceAll(std::string text, std::string_view from, std::string_view to) {
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

std::string catalogueName(std::string_view code) {
    const CatalogueEntry* entry = findCatalogueEntry(code);
    return entry ? std::string(entry->name) : std::string(code);
}

bool isSumCode(std::string_view code) {
    for (std::string_view c : kSumCodes)
        if (c == code) return true;
    return false;
}

// The sums page names a sum with "和值" at the end and writes its divisors as digits.
std::string sumName(std::string_view code) {
    std::string name = catalogueName(code);
    name = replaceAll(replaceAll(replaceAll(name, "除三", "除3"), "除四", "除4"), "除五", "除5");
    if (endsWith(name, "和")) name += "值";
    return name;
}

// The name the menu gives a plain code or position expression, before any page suffix.
std::string subjectName(std::string_view expression) {
    if (expression.starts_with("z_num") && expression.size() >= 6) {
        const int k = expression[5] - '0';
        std::string_view rest = expression.substr(6);
        if (k >= 1 && k <= kMenuPositions) {
            if (rest.empty()) return positionName(k);
            if (rest == "_w") return positionName(k) + "尾数";
            if (rest.size() == 2 && rest[0] == '%')
                return positionName(k) + "除" + std::string(rest.substr(1)) + "余数";
        }
    }
    if (expression.starts_with("z_c") && expression.size() == 6 && expression[4] == 'y')
        return "除" + std::string(1, expression[3]) + "余" + std::string(1, expression[5]) + "的号码个数";
    if (isSumCode(expression)) return sumName(expression);
    return catalogueName(expression);
}

std::string amplitudeName(const std::string& subject) {
    return subject + (endsWith(subject, "个数") || endsWith(subject, "余数") ? "的振幅" : "振幅");
}

class PageBuilder {
  public:
    explicit PageBuilder(std::string title) { page_.title = std::move(title); }
    void add(std::string expression, std::string name) {
        page_.items.push_back({std::move(expression), std::move(name)});
    }
    // Items "prefix(code)suffix" (or "codesuffix" without a prefix) named by the naming function.
    template <class Name>
    void addEach(const std::vector<std::string>& codes, std::string_view function, std::string_view suffix,
                 Name name) {
        for (const std::string& code : codes) {
            std::string expression = function.empty() ? code : std::string(function) + "(" + code + ")";
            add(expression + std::string(suffix), name(code));
        }
    }
    IndicatorMenuPage take() { return std::move(page_); }

  private:
    IndicatorMenuPage page_;
};

IndicatorMenuPage regularPage() {
    PageBuilder p("常规系列");
    p.addEach(positions(), "", "", subjectName);
    p.addEach(list(kShapeCodes), "", "", subjectName);
    p.addEach(list(kRemainderCounts), "", "", subjectName);
    p.addEach(positionRemainders(), "", "", subjectName);
    return p.take();
}

IndicatorMenuPage sumPage() {
    PageBuilder p("和值系列");
    p.addEach(list(kSumCodes), "", "", subjectName);
    return p.take();
}

// The subjects every derived page walks through after its own first items.
std::vector<std::string> derivedTail() {
    std::vector<std::string> codes = {"z_gwgs"};
    for (auto part : {list(kRemainderCounts), positionRemainders(), list(kLineCodes), positionTails()})
        codes.insert(codes.end(), part.begin(), part.end());
    return codes;
}

IndicatorMenuPage amplitudePage() {
    PageBuilder p("振幅系列");
    const auto named = [](const std::string& c) { return amplitudeName(subjectName(c)); };
    for (const std::string& code : positions()) p.add(code + "zf", named(code));
    p.addEach(list(kCountsAmplitude), "getzf", "", named);
    for (std::string_view code : {"z_pd", "z_sd", "z_aver"})
        p.add(std::string(code) + "zf", named(std::string(code)));
    p.addEach(derivedTail(), "getzf", "", named);
    for (std::string_view code : {"z_hz", "z_wh", "z_ylhz", "z_hw"})
        p.add(std::string(code) + "zf", named(std::string(code)));
    p.addEach(list(kTwelveSums), "getzf", "", named);
    return p.take();
}

// The omission page (suffix "遗漏"/"遗漏值") and the omission-amplitude page (suffix "遗漏振幅") share
// their layout; only the expressions and the suffixes differ.
IndicatorMenuPage omissionPage(bool amplitude) {
    PageBuilder p(amplitude ? "遗漏振幅" : "遗漏系列");
    const std::string_view function = amplitude ? "getylzzf" : "getylz";
    const std::string plain = amplitude ? "遗漏振幅" : "遗漏";
    const std::string derived = amplitude ? "遗漏振幅" : "遗漏值";
    const auto named = [&](const std::string& c) { return subjectName(c) + derived; };
    for (const std::string& code : positions())
        p.add(code + (amplitude ? "ylzf" : "yl"), subjectName(code) + plain);
    for (const std::string& code : positions()) {
        const std::string toall = code + "yl_toall";
        p.add(amplitude ? "getzf(" + toall + ")" : toall, subjectName(code) + "不定位" + plain);
    }
    p.addEach(list(kCountsOmission), function, "", named);
    for (std::string_view code : {"z_pd", "z_sd", "z_aver"})
        p.add(std::string(code) + (amplitude ? "ylzf" : "yl"), subjectName(code) + plain);
    p.add(std::string(function) + "(z_zdjj)", std::string(kSecondGapName) + derived);
    p.addEach(derivedTail(), function, "", named);
    for (std::string_view code : {"z_hz", "z_hw", "z_wh"})
        p.add(std::string(code) + (amplitude ? "ylzf" : "yl"), subjectName(code) + plain);
    p.add(amplitude ? "z_ylhzzf" : "z_ylhz", catalogueName("z_ylhz") + (amplitude ? "振幅" : ""));
    p.addEach(list(kTwelveSums), function, "", named);
    return p.take();
}

IndicatorMenuPage amplitudeOmissionPage() {
    PageBuilder p("振幅遗漏");
    const auto named = [](const std::string& c) { return subjectName(c) + "振幅遗漏"; };
    p.addEach(positions(), "getzfylz", "", named);
    p.addEach(list(kCountsOmission), "getzfylz", "", named);
    p.addEach({"z_pd", "z_sd", "z_aver"}, "getzfylz", "", named);
    p.add("getzfylz(z_zdjj)", std::string(kSecondGapName) + "振幅遗漏");
    p.addEach(derivedTail(), "getzfylz", "", named);
    p.addEach({"z_hz", "z_hw", "z_wh"}, "getzfylz", "", named);
    p.addEach(list(kTwelveSums), "getzfylz", "", named);
    return p.take();
}

IndicatorMenuPage linePage() {
    PageBuilder p("线和线差");
    p.addEach(list(kLineCodes), "", "", catalogueName);
    return p.take();
}

IndicatorMenuPage tailPage() {
    PageBuilder p("尾数系列");
    const auto tailOf = [](const std::string& subject) { return subject + "的尾数"; };
    for (int k = 1; k <= kMenuPositions; ++k) p.add(positionCode(k) + "_w", positionName(k) + "尾数");
    for (int k = 1; k <= kMenuPositions; ++k)
        p.add(positionCode(k) + "zf%10", tailOf(positionName(k) + "振幅"));
    for (int k = 1; k <= kMenuPositions; ++k)
        p.add(positionCode(k) + "yl%10", tailOf(positionName(k) + "遗漏"));
    for (int k = 1; k <= kMenuPositions; ++k)
        p.add(positionCode(k) + "yl_toall%10", tailOf(positionName(k) + "不定位遗漏"));
    for (int k = 1; k <= kMenuPositions; ++k)
        p.add("getylzzf(" + positionCode(k) + ")%10", tailOf(positionName(k) + "遗漏振幅"));
    for (int k = 1; k <= kMenuPositions; ++k)
        p.add("getzf(" + positionCode(k) + "yl_toall)%10", tailOf(positionName(k) + "不定位遗漏振幅"));
    for (int k = 1; k <= kMenuPositions; ++k)
        p.add("getzfylz(" + positionCode(k) + ")%10", tailOf(positionName(k) + "振幅遗漏"));
    const auto named = [&](const std::string& c) { return tailOf(subjectName(c)); };
    p.addEach({"z_zdjj", "z_pd", "z_sd", "z_aver"}, "", "%10", named);
    p.addEach(list(kLineCodes), "", "%10", named);
    p.add("z_hw", catalogueName("z_hw"));
    p.addEach({"z_wh", "z_ylhz", "z_c3yshe", "z_c4yshe", "z_c5yshe", "z_0lhe", "z_1lhe", "z_2lhe"}, "", "%10",
              named);
    return p.take();
}

std::vector<IndicatorMenuPage> buildPages() {
    return {regularPage(),           sumPage(),  amplitudePage(), omissionPage(false), omissionPage(true),
            amplitudeOmissionPage(), linePage(), tailPage()};
}

}  // namespace

std::string IndicatorMenuItem::text() const {
    const std::size_t pad = expression.size() + 2 > kMenuNameColumn ? 2 : kMenuNameColumn - expression.size();
    return expression + std::string(pad, ' ') + name;
}

const std::vector<IndicatorMenuPage>& indicatorMenuPages() {
    static const std::vector<IndicatorMenuPage> pages = buildPages();
    return pages;
}

IndicatorMenuItem parseMenuLine(std::string_view line) {
    const std::size_t space = line.find(' ');
    if (space == std::string_view::npos) return {std::string(line), {}};
    return {std::string(line.substr(0, space)), std::string(trimBlanks(line.substr(space + 1)))};
}

}  // namespace qorvel
