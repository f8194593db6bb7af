// Feeds arbitrary bytes to the row file reader and to the three games' choice of playable rows
// (series, grids and shelves): whatever they keep must be playable.
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "game/row_file.h"
#include "gardens/garden2/series_file.h"
#include "gardens/garden6/grid_file.h"
#include "learn/pantry_lesson.h"

namespace {

constexpr int kStripPictures = 20;

void Require(bool condition) {
  if (!condition) std::abort();
}

void CheckSeries(const std::vector<rufo::RowFileLine>& lines) {
  std::vector<rufo::LeftOutLines> leftOut;
  for (const rufo::SeriesRow& row : rufo::SeriesRows(lines, &leftOut)) {
    Require(std::count(row.pictures.begin(), row.pictures.end(), -1) == 1);
    Require(row.pictures[row.gap] == -1);
    for (int picture : row.pictures)
      Require(picture >= -1 && picture < rufo::SeriesRow::kPictures);
    Require(row.answer >= 0 && row.answer < rufo::SeriesRow::kPictures);
  }
}

void CheckGrids(const std::vector<rufo::RowFileLine>& lines) {
  std::vector<rufo::LeftOutLines> leftOut;
  for (const rufo::PictureGrid& grid : rufo::GridsFromLines(lines, kStripPictures, &leftOut)) {
    int gaps = 0;
    for (const auto& row : grid.pictures) {
      for (int picture : row) {
        Require(picture >= -1 && picture < kStripPictures);
        gaps += picture == -1;
      }
    }
    Require(gaps == 1 && grid.pictures[grid.gapRow][grid.gapColumn] == -1);
    Require(grid.answer >= 0 && grid.answer < rufo::kGridPieces);
  }
}

void CheckShelves(const std::vector<rufo::RowFileLine>& lines) {
  std::vector<rufo::LeftOutLines> leftOut;
  for (const rufo::RowFileLine& row : rufo::ShelfRows(lines, &leftOut)) {
    const auto places = std::span(row.fields).first(rufo::PantryLesson::kSlots);
    Require(std::count(places.begin(), places.end(), -1) >= 1);
    for (int item : row.fields)
      Require(item >= -1 && item < rufo::PantryLesson::kItems);
    Require(row.fields[rufo::PantryLesson::kSlots] >= 0);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  std::FILE* file = fmemopen(const_cast<uint8_t*>(data), size, "rb");
  if (!file) return 0;
  bool cut = false;
  const std::vector<rufo::RowFileLine> rows = rufo::ReadRowFileLines(file, 90, &cut);
  std::fclose(file);
  if (rows.empty() || rows.size() > 90) std::abort();
  CheckSeries(rows);
  CheckGrids(rows);
  CheckShelves(rows);
  return 0;
}
