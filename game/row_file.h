#pragma once

#include <array>
#include <cstddef>
#include <cstdio>
#include <functional>
#include <optional>
#include <span>
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

// Lines of a row file that no game can play (one line, or the lines of one grid), and why.
struct LeftOutLines {
  size_t first = 0;  // from 1
  size_t last = 0;
  std::string reason;
};

// Gives why a row cannot be played, or an empty text when it can.
using RowCheck = std::function<std::string(const RowFileLine&)>;

// The indices of the lines that hold a playable row. A blank line (such as the end after a final
// line break) is no row and is passed over; every other line that `check` refuses goes to
// leftOut, and the lines after it are read on.
std::vector<size_t> PlayableLines(std::span<const RowFileLine> lines, const RowCheck& check,
                                  std::vector<LeftOutLines>* leftOut);

// Logs what was left out of the row file `dataName`, naming the file, the lines and the reason.
void LogLeftOut(const std::string& dataName, const std::vector<LeftOutLines>& leftOut);

// Logs why the row file `dataName` cannot be played (it cannot be read, or holds too few
// playable rows) and ends the game with the row files' fatal error.
[[noreturn]] void RowFileUnplayable(const std::string& dataName, const std::string& reason);

}  // namespace rufo
