#include "gardens/garden6/grid_file.h"

#include <algorithm>
#include <string>

#include "engine/interface.h"

namespace rufo {
namespace {

constexpr int kAnswerField = 3;

// One group of three lines as a grid; nullopt, with the reason, when it cannot be played.
std::optional<PictureGrid> GridOf(std::span<const RowFileLine> rows, std::string* reason) {
  PictureGrid grid;
  int gaps = 0;
  bool answered = false;
  for (int row = 0; row < kGridSize; ++row) {
    const RowFileLine& line = rows[row];
    for (int column = 0; column < kGridSize; ++column) {
      grid.pictures[row][column] = line.fields[column];
      if (line.fields[column] == -1) {
        ++gaps;
        grid.gapRow = row;
        grid.gapColumn = column;
      }
    }
    if (line.given[kAnswerField]) {
      grid.answer = line.fields[kAnswerField];
      answered = true;
    }
  }
  if (gaps != 1) {
    *reason = gaps == 0 ? "has no gap" : "has more than one gap";
  } else if (!answered) {
    *reason = "has no answer";
  } else if (grid.answer < 0 || grid.answer >= kGridPieces) {
    *reason = "is answered by no piece";
  } else {
    return grid;
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::vector<PictureGrid>> GridsFromLines(std::span<const RowFileLine> lines) {
  std::vector<PictureGrid> grids;
  const size_t groups = std::min<size_t>(lines.size() / kGridSize, kGridsHeld);
  for (size_t group = 0; group < groups; ++group) {
    std::string reason;
    const auto grid = GridOf(lines.subspan(group * kGridSize, kGridSize), &reason);
    if (grid) {
      grids.push_back(*grid);
    } else {
      Engine().Log("Log.dat: grid " + std::to_string(group + 1) + " " + reason + ", left out");
    }
  }
  const auto rest = lines.subspan(groups * kGridSize);
  if (groups < kGridsHeld && !std::all_of(rest.begin(), rest.end(),
                                          [](const RowFileLine& line) { return line.Empty(); })) {
    Engine().Log("Log.dat: the last grid has fewer than three rows, left out");
  }
  if (grids.size() < kGridsUsed) {
    Engine().Log("Log.dat: " + std::to_string(grids.size()) + " grids, at least " +
                 std::to_string(kGridsUsed) + " are needed");
    return std::nullopt;
  }
  return grids;
}

std::optional<std::vector<PictureGrid>> ReadPictureGrids() {
  // One line more than the grids held, for the empty line after a final line break.
  const auto lines = ReadRowFile("Data\\Garden6\\Log\\log.dat", kGridsHeld * kGridSize + 1);
  if (!lines) return std::nullopt;
  return GridsFromLines(*lines);
}

}  // namespace rufo
