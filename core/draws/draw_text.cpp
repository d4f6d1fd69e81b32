#include "draws/draw_text.h"

#include <sstream>

#include "text/number_text.h"

namespace qorvel {

DrawTextResult parseDrawText(std::string_view text, const TypeParams& params) {
    DrawTextResult result;
    const int needed = 1 + params.MainCount + params.SpecialCount;
    int lineNo = 0;
    std::size_t pos = 0;
    while (pos <= text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = trimBlanks(text.substr(pos, end - pos));
        ++lineNo;
        pos = end + 1;
        if (line.empty()) continue;
        DrawFields fields{};
        int n = 0;
        std::size_t i = 0;
        while (i < line.size()) {
            while (i < line.size() && (line[i] == ' ' || line[i] == '\t' || line[i] == ',')) ++i;
            std::size_t j = i;
            while (j < line.size() && line[j] != ' ' && line[j] != '\t' && line[j] != ',') ++j;
            if (j == i) break;
            auto value = parseWholeNumber(line.substr(i, j - i));
            if (!value) {
                result.error = "第" + std::to_string(lineNo) + "行不是数字: " + std::string(line.substr(i, j - i));
                return result;
            }
            if (n < kDrawFields) fields[n] = *value;
            ++n;
            i = j;
        }
        if (n < needed) {
            result.error = "第" + std::to_string(lineNo) + "行号码个数不足";
            return result;
        }
        result.draws.push_back(fields);
    }
    return result;
}

void loadDrawsIntoStore(t_s_dm& store, const std::vector<DrawFields>& draws) {
    store.Clear(false);
    for (const auto& d : draws) {
        store.Append();
        store.MutableRow(store.RecNo()).fields = d;
    }
    store.Last();
}

}  // namespace qorvel
