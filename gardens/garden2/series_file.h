#pragma once

#include <array>
#include <vector>

#include "game/row_file.h"

namespace rufo {

// One row of the picture series: five pictures (0 to 4) with one gap, and the picture that
// fills the gap.
struct SeriesRow {
  static constexpr int kColumns = 5;
  static constexpr int kPictures = 5;

  std::array<int, kColumns> pictures{};  // -1 at the gap
  int answer = 0;
  int gap = 0;  // the gap's column
};

// The series file holds at most this many lines; the rest is left out (and logged).
inline constexpr size_t kSeriesLines = 30;

// The rows a child can solve: a line without numbers (such as the end after a final line
// break) is no row, and a row whose numbers are not pictures, or that has no gap or two, is
// left out (with its line number and the reason, to leftOut) and the lines after it are read on.
std::vector<SeriesRow> SeriesRows(const std::vector<RowFileLine>& lines,
                                  std::vector<LeftOutLines>* leftOut);

// Reads "Data\Garden2\Log\log.dat". A file that cannot be read, or that holds fewer than two
// rows (nothing to draw a different next row from), ends the game with a fatal error; the log
// names each line left out and the reason of the end.
std::vector<SeriesRow> ReadSeriesFile();

}  // namespace rufo
