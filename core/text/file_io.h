// Whole-file reading and atomic writing. Every data file is written to a temporary name beside it and
// renamed into place, so a failed write leaves the previous file intact.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qorvel {

// The file's bytes, or nothing when it cannot be opened or read.
std::optional<std::string> readFileBytes(const std::filesystem::path& path);

// Writes bytes to path through a temporary file and a rename. Creates missing parent folders. Returns an
// empty string on success, otherwise a message naming the file.
std::string writeFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// The same for output too large to hold at once: produce appends the next piece to chunk and returns false
// once it has appended the last one. Nothing replaces the old file unless every piece was written.
std::string writeFileAtomicallyStreamed(const std::filesystem::path& path,
                                        const std::function<bool(std::string& chunk)>& produce);

// Splits GBK file bytes into lines (CR LF, LF or CR end a line) and decodes each to UTF-8. A final line
// without an end is kept; an empty file gives no lines.
std::vector<std::string> readGbkLines(std::string_view gbkBytes);

// Joins UTF-8 lines into GBK bytes, each line ended by CR LF.
std::string joinGbkLines(const std::vector<std::string>& lines);

// Turns a path written with backslashes ("database\cps.typ") into one below folder.
std::filesystem::path programPath(const std::filesystem::path& folder, std::string_view relative);

}  // namespace qorvel
