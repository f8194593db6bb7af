#pragma once

namespace rufo {

// Places on the demo data's Garden6 pictures: the middle of the button for a number of dots
// (1 to 5 in the upper row, 6 to 10 in the lower), and of each of the grids' four pieces on
// their tray (two to a row).
constexpr int DotsButtonX(int number) {
  return 338 + (number - 1) % 5 * 60 + 28;
}
constexpr int DotsButtonY(int number) {
  return (number <= 5 ? 292 : 358) + 29;
}

constexpr int GridPieceX(int piece) {
  return 440 + piece % 2 * 104;
}
constexpr int GridPieceY(int piece) {
  return 146 + piece / 2 * 104;
}

}  // namespace rufo
