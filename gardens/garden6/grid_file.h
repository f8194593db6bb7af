#pragma once

#include <array>
#include <span>
#include <vector>

#include "game/row_file.h"

namespace rufo {

inline constexpr int kGridSize = 3;
// The grids the game draws from; a file must hold at least this many.
inline constexpr int kGridsUsed = 24;
inline constexpr int kGridsHeld = 30;
// The pieces the child carries into a gap, numbered like the pictures they show.
inline constexpr int kGridPieces = 4;

// One grid of the picture game: three rows of three picture numbers, one of them the gap (-1),
// and the picture that fills the gap, which is also the number of the piece that answers it.
struct PictureGrid {
  std::array<std::array<int, kGridSize>, kGridSize> pictures{};
  int gapRow = 0;
  int gapColumn = 0;
  int answer = 0;
};

// Every three lines of the grid file form one grid: fields 0 to 2 are a row's pictures, and a
// field 3 given on any of the three lines is the answer. A grid without exactly one gap, with a
// picture that the strip of `pictures` does not hold, or without an answer that is one of the
// pieces, goes to leftOut with the reason. Lines after the 30th grid and a last, incomplete
// group of empty lines are ignored.
std::vector<PictureGrid> GridsFromLines(std::span<const RowFileLine> lines, int pictures,
                                        std::vector<LeftOutLines>* leftOut);

// Reads "Data\Garden6\Log\log.dat" for a grid whose cells show a strip of `pictures`, logging
// each grid left out. A file that cannot be read or holds fewer than 24 grids ends the game.
std::vector<PictureGrid> ReadPictureGrids(int pictures);

}  // namespace rufo
