#include "text/gbk.h"

#include <iconv.h>

#include <cerrno>
#include <vector>

namespace qorvel {
namespace {

// One iconv conversion, restarting after every invalid sequence with a replacement.
std::string convert(std::string_view in, const char* to, const char* from, std::string_view replacement,
                    std::size_t skipOnError) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return std::string(in);
    std::string out;
    out.reserve(in.size() * 2);
    std::vector<char> buffer(4096);
    char* src = const_cast<char*>(in.data());
    std::size_t srcLeft = in.size();
    while (srcLeft > 0) {
        char* dst = buffer.data();
        std::size_t dstLeft = buffer.size();
        std::size_t rc = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
        out.append(buffer.data(), buffer.size() - dstLeft);
        if (rc != static_cast<std::size_t>(-1)) break;
        if (errno == E2BIG) continue;
        // EILSEQ or EINVAL (truncated at the end): replace and step over the bad input.
        out.append(replacement);
        std::size_t skip = std::min(skipOnError, srcLeft);
        if (from == std::string_view("UTF-8")) {
            // Step over a whole UTF-8 sequence so one bad character gives one replacement.
            unsigned char lead = static_cast<unsigned char>(*src);
            std::size_t len = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
            skip = std::min(len, srcLeft);
        }
        src += skip;
        srcLeft -= skip;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    iconv_close(cd);
    return out;
}

}  // namespace

std::string gbkToUtf8(std::string_view gbk) { return convert(gbk, "UTF-8", "GBK", "\xEF\xBF\xBD", 1); }

std::string utf8ToGbk(std::string_view utf8) { return convert(utf8, "GBK", "UTF-8", "?", 1); }

std::string truncateGbk(std::string_view gbk, std::size_t maxBytes) {
    std::size_t i = 0;
    while (i < gbk.size()) {
        std::size_t len = static_cast<unsigned char>(gbk[i]) >= 0x81 ? 2 : 1;
        if (i + len > maxBytes || i + len > gbk.size()) break;
        i += len;
    }
    return std::string(gbk.substr(0, i));
}

}  // namespace qorvel
