// Result files: GBK text, one ticket a line, each number as two digits followed by one space. Reading
// takes the first perLine whitespace-separated whole numbers of each line and skips the rest; a short
// line keeps 0 for the numbers it lacks, and nothing else is checked. Blank lines are skipped. Used for
// the main result set here and, with other counts per line, for the special and dual result sets.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "combos/result_set.h"

namespace qorvel {

// One line: each number as two digits followed by a space.
std::string resultLine(const int32_t* numbers, int count);

// The numbers of one line: the first perLine whole numbers (0 for those missing).
std::vector<int32_t> parseResultLine(std::string_view line, int perLine);

// Reads the file line by line, calling onRow with perLine numbers per ticket line. Returns an error text
// when the file cannot be read, else "".
std::string readResultFile(const std::filesystem::path& path, int perLine,
                           const std::function<void(const int32_t*)>& onRow);

// Writes rows produced by nextRow (false when there are no more) through a temporary file and a rename,
// so the previous file stays intact when writing fails. Returns an error text or "".
std::string writeResultFile(const std::filesystem::path& path, int perLine,
                            const std::function<bool(std::vector<int32_t>&)>& nextRow);

// The file a name chosen in a save dialog stands for: ".txt" is appended when the name lacks it. The save
// functions below write exactly the path they are given.
std::filesystem::path resultFileName(const std::string& chosen);

// The main result set to and from a file.
std::string saveMainResults(const std::filesystem::path& path, const ResultSet& results, int mainCount);
std::string loadMainResults(const std::filesystem::path& path, int mainCount, ResultSet& results);

}  // namespace qorvel
