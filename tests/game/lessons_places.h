#pragma once

namespace rufo {

// Places on the demo data's hub and lesson pictures.
// The hub's objects: the rainbow, the mushroom, the pantry and the dwarf.
constexpr int kRainbowX = 190, kRainbowY = 130;
constexpr int kMushroomX = 420, kMushroomY = 385;
constexpr int kPantryX = 420, kPantryY = 230;
constexpr int kDwarfX = 535, kDwarfY = 370;
// Notions: the hiding places 1 to 7.
constexpr int kPlaceX[] = {0, 80, 230, 380, 75, 225, 375, 525};
constexpr int kPlaceY[] = {0, 258, 258, 258, 383, 383, 383, 383};
// Shapes: a point of each shape (circle, square, triangle, rectangle) in each of the four
// pictures.
constexpr int kShapeAt[4][4][2] = {
    {{385, 70}, {110, 300}, {165, 140}, {168, 280}},
    {{118, 292}, {330, 255}, {396, 205}, {100, 240}},
    {{202, 100}, {185, 80}, {225, 50}, {170, 180}},
    {{385, 66}, {122, 238}, {250, 230}, {330, 300}},
};
// Pantry: the crate holds the things 0 to 5.
constexpr int kItemY = 402;
constexpr int ItemX(int item) {
  return 58 + 70 * item;
}

}  // namespace rufo
