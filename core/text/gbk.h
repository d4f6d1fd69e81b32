// GBK <-> UTF-8 conversion. In memory every text is UTF-8; files hold GBK.
#pragma once

#include <string>
#include <string_view>

namespace qorvel {

// Decodes GBK bytes to UTF-8. Invalid or truncated byte sequences never stop the decoding: each bad byte
// becomes U+FFFD and decoding resumes at the next byte.
std::string gbkToUtf8(std::string_view gbk);

// Encodes UTF-8 text as GBK. Characters GBK cannot hold (and invalid UTF-8) become '?'.
std::string utf8ToGbk(std::string_view utf8);

// Cuts GBK bytes to at most maxBytes without splitting a double-byte character.
std::string truncateGbk(std::string_view gbk, std::size_t maxBytes);

}  // namespace qorvel
