#include "combos/result_file.h"

#include <algorithm>
#include <charconv>
#include <fstream>

#include "combos/condition_file.h"
#include "text/file_io.h"
#include "text/number_text.h"

namespace qorvel {

std::string resultLine(const int32_t* numbers, int count) {
    std::string line;
    for (int i = 0; i < count; ++i) line += TwoDigitText(numbers[i]) + " ";
    return line;
}

std::vector<int32_t> parseResultLine(std::string_view line, int perLine) {
    std::vector<int32_t> out(static_cast<std::size_t>(std::max(perLine, 0)), 0);
    std::size_t pos = 0;
    for (int k = 0; k < perLine; ++k) {
        while (pos < line.size() && (line[pos] == ' ' || line[pos] == '\t' || line[pos] == '\r')) ++pos;
        if (pos >= line.size()) break;
        int32_t v = 0;
        const char* begin = line.data() + pos;
        if (*begin == '+') ++begin;
        auto [ptr, ec] = std::from_chars(begin, line.data() + line.size(), v);
        if (ec != std::errc()) break;
        out[static_cast<std::size_t>(k)] = v;
        pos = static_cast<std::size_t>(ptr - line.data());
    }
    return out;
}

std::string readResultFile(const std::filesystem::path& path, int perLine,
                           const std::function<void(const int32_t*)>& onRow) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return "无法读取文件 " + path.string();
    std::string line;
    while (std::getline(in, line)) {
        if (line.find_first_not_of(" \t\r") == std::string::npos) continue;
        const auto row = parseResultLine(line, perLine);
        onRow(row.data());
    }
    if (in.bad()) return "读取文件失败 " + path.string();
    return {};
}

std::string writeResultFile(const std::filesystem::path& path, int perLine,
                            const std::function<bool(std::vector<int32_t>&)>& nextRow) {
    // Result files can hold millions of lines: they are written in pieces of about 1 MiB.
    std::vector<int32_t> row(static_cast<std::size_t>(perLine));
    return writeFileAtomicallyStreamed(path, [&](std::string& chunk) {
        while (chunk.size() < (1u << 20)) {
            if (!nextRow(row)) return false;
            chunk += resultLine(row.data(), perLine);
            chunk += "\r\n";
        }
        return true;
    });
}

std::filesystem::path resultFileName(const std::string& chosen) { return withExtension(chosen, ".txt"); }

std::string saveMainResults(const std::filesystem::path& path, const ResultSet& results, int mainCount) {
    const int perLine = std::clamp(mainCount, 1, kCombinationBytes);
    int k = 0;
    return writeResultFile(path, perLine, [&](std::vector<int32_t>& row) {
        if (++k > results.count()) return false;
        for (int i = 0; i < perLine; ++i) row[static_cast<std::size_t>(i)] = results.slot(k).bytes[i];
        return true;
    });
}

std::string loadMainResults(const std::filesystem::path& path, int mainCount, ResultSet& results) {
    const int perLine = std::clamp(mainCount, 1, kCombinationBytes);
    ResultSet loaded;
    std::string error = readResultFile(path, perLine, [&](const int32_t* row) { loaded.appendNumbers(row, perLine); });
    if (error.empty()) results.swap(loaded);
    return error;
}

}  // namespace qorvel
