#include "text/file_io.h"

#include <fstream>
#include <random>
#include <system_error>

#include "text/gbk.h"

namespace qorvel {
namespace {

constexpr std::size_t kReadChunkBytes = 1 << 16;

}  // namespace


std::optional<std::string> readFileBytes(const std::filesystem::path& path) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) return std::nullopt;
    // The stream reports read errors through its state; the catch covers a library that throws instead,
    // so no reader of a data file can end the program on a bad disk or a strange path.
    try {
        std::ifstream in(path, std::ios::binary);
        if (!in) return std::nullopt;
        std::string bytes;
        std::vector<char> buffer(kReadChunkBytes);
        while (in.read(buffer.data(), static_cast<std::streamsize>(buffer.size())) || in.gcount() > 0)
            bytes.append(buffer.data(), static_cast<std::size_t>(in.gcount()));
        if (in.bad()) return std::nullopt;
        return bytes;
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

std::string writeFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
    return writeFileAtomicallyStreamed(path, [bytes](std::string& chunk) {
        chunk.append(bytes);
        return false;
    });
}

std::string writeFileAtomicallyStreamed(const std::filesystem::path& path,
                                        const std::function<bool(std::string& chunk)>& produce) {
    namespace fs = std::filesystem;
    std::error_code ec;
    if (path.has_parent_path()) fs::create_directories(path.parent_path(), ec);
    std::random_device rd;
    fs::path temp = path;
    temp += ".tmp" + std::to_string(rd() % 1000000);
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out) return "无法写入文件 " + path.string();
        std::string chunk;
        bool more = true;
        while (more && out) {
            chunk.clear();
            more = produce(chunk);
            out.write(chunk.data(), static_cast<std::streamsize>(chunk.size()));
        }
        out.flush();
        if (!out) {
            out.close();
            fs::remove(temp, ec);
            return "写入文件失败 " + path.string();
        }
    }
    fs::rename(temp, path, ec);
    if (ec) {
        fs::remove(temp, ec);
        return "写入文件失败 " + path.string();
    }
    return {};
}

std::vector<std::string> readGbkLines(std::string_view gbkBytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < gbkBytes.size(); ++i) {
        char c = gbkBytes[i];
        if (c != '\n' && c != '\r') continue;
        lines.push_back(gbkToUtf8(gbkBytes.substr(start, i - start)));
        if (c == '\r' && i + 1 < gbkBytes.size() && gbkBytes[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < gbkBytes.size()) lines.push_back(gbkToUtf8(gbkBytes.substr(start)));
    return lines;
}

std::string joinGbkLines(const std::vector<std::string>& lines) {
    std::string out;
    for (const auto& line : lines) {
        out += utf8ToGbk(line);
        out += "\r\n";
    }
    return out;
}

std::filesystem::path programPath(const std::filesystem::path& folder, std::string_view relative) {
    std::string rel(relative);
    for (char& c : rel)
        if (c == '\\') c = '/';
    return folder / rel;
}

}  // namespace qorvel
