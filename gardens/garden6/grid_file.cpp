#include "gardens/garden6/grid_file.h"

#include <algorithm>
#include <optional>
#include <string>

namespace rufo {
namespace {

constexpr const char* kGridFile = "Data\\Garden6\\Log\\log.dat";
constexpr int kGap = -1;
constexpr int kAnswerField = 3;

// One group of three lines as a grid; nullopt, with the reason, when it cannot be played.
std::optional<PictureGrid> GridOf(std::span<const RowFileLine> rows, int pictures,
                                  std::string* reason) {
  PictureGrid grid;
  int gaps = 0;
  bool answered = false;
  for (int row = 0; row < kGridSize; ++row) {
    const RowFileLine& line = rows[row];
    for (int column = 0; column < kGridSize; ++column) {
      const int picture = line.fields[column];
      grid.pictures[row][column] = picture;
      if (picture == kGap) {
        ++gaps;
        grid.gapRow = row;
        grid.gapColumn = column;
      } else if (picture < 0 || picture >= pictures) {
        *reason = "its picture " + std::to_string(picture) + " is not in the strip of " +
                  std::to_string(pictures);
        return std::nullopt;
      }
    }
    if (line.given[kAnswerField]) {
      grid.answer = line.fields[kAnswerField];
      answered = true;
    }
  }
  if (gaps != 1) {
    *reason = gaps == 0 ? "it has no gap" : "it has more than one gap";
  } else if (!answered) {
    *reason = "it has no answer";
  } else if (grid.answer < 0 || grid.answer >= std::min(kGridPieces, pictures)) {
    *reason = "its answer " + std::to_string(grid.answer) + " is none of the pieces";
  } else {
    return grid;
  }
  return std::nullopt;
}

}  // namespace

std::vector<PictureGrid> GridsFromLines(std::span<const RowFileLine> lines, int pictures,
                                        std::vector<LeftOutLines>* leftOut) {
  std::vector<PictureGrid> grids;
  const size_t groups = std::min<size_t>(lines.size() / kGridSize, kGridsHeld);
  for (size_t group = 0; group < groups; ++group) {
    std::string reason;
    const auto grid = GridOf(lines.subspan(group * kGridSize, kGridSize), pictures, &reason);
    if (grid) {
      grids.push_back(*grid);
    } else {
      leftOut->push_back({group * kGridSize + 1, (group + 1) * kGridSize, reason});
    }
  }
  const auto rest = lines.subspan(groups * kGridSize);
  if (groups < kGridsHeld && !std::all_of(rest.begin(), rest.end(),
                                          [](const RowFileLine& line) { return line.Empty(); })) {
    leftOut->push_back({groups * kGridSize + 1, lines.size(), "a grid needs three lines"});
  }
  return grids;
}

std::vector<PictureGrid> ReadPictureGrids(int pictures) {
  // One line more than the grids held, for the empty line after a final line break.
  const auto lines = ReadRowFile(kGridFile, kGridsHeld * kGridSize + 1);
  if (!lines) RowFileUnplayable(kGridFile, "the file cannot be read");
  std::vector<LeftOutLines> leftOut;
  std::vector<PictureGrid> grids = GridsFromLines(*lines, pictures, &leftOut);
  LogLeftOut(kGridFile, leftOut);
  if (grids.size() < kGridsUsed) {
    RowFileUnplayable(kGridFile, std::to_string(grids.size()) + " grids, the game needs " +
                                     std::to_string(kGridsUsed));
  }
  return grids;
}

}  // namespace rufo
