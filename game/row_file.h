#pragma once

#include <array>
#include <cstddef>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace rufo {

// One line of a row file: six decimal fields. A field that is missing, empty or not a number
// reads as 0; `given` tells which fields held any text.
struct RowFileLine {
  static constexpr size_t kFields = 6;
  std::array<int, kFields> fields{};
  std::array<bool, kFields> given{};

  bool Empty() const;
};

// The longest line a row file may have; the rest of a longer line is skipped.
inline constexpr size_t kRowFileLineLimit = 254;

// Splits one line at ',', '=' and '"'. Fields past the sixth are ignored; numbers are held
// within the range of int.
RowFileLine ParseRowFileLine(const std::string& line);

// Reads at most maxLines lines. As the games have always read these files, a file that ends
// with a line break (or is empty) gives one more, empty line at its end. When lines remain
// unread, *cut is set.
std::vector<RowFileLine> ReadRowFileLines(std::FILE* file, size_t maxLines, bool* cut);

// Opens a row file such as "Data\Garden2\Log\log.dat" under the data root (with fallback) and
// reads it; nullopt when it cannot be opened. Lines past maxLines are not read, and the log
// says so.
std::optional<std::vector<RowFileLine>> ReadRowFile(const std::string& dataName, size_t maxLines);

}  // namespace rufo
