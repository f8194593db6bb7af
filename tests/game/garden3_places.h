#pragma once

#include <regex>
#include <string>
#include <utility>

#include "tests/game/live_player.h"

namespace rufo {

// Places on the demo data's Garden3 pictures, and how a child answers there: the cart (over its
// opening, region 1; inside it, region 2; beside it), the four flower pots of the colours game,
// from the left, and its three beds.
constexpr int kCartX = 132, kOverCartY = 200, kCartY = 280, kBesideCartX = 300;
constexpr int kPotX[4] = {120, 215, 310, 405};
constexpr int kPotY = 370;
// The middle of each bed TVA1 to TVA3.
constexpr int kBedX[3] = {249, 380, 507};
constexpr int kBedY[3] = {166, 149, 125};

// The numbers a question line ends with: "drag V to hit 125" or "carry V to control TVAn".
inline std::pair<int, int> Garden3Question(const std::string& line) {
  std::smatch m;
  if (std::regex_search(line, m, std::regex(" drag (\\d+) to hit (\\d+)$"))) {
    return {std::stoi(m[1]), std::stoi(m[2])};
  }
  if (std::regex_search(line, m, std::regex(" carry (\\d+) to control TVA(\\d)$"))) {
    return {std::stoi(m[1]), std::stoi(m[2]) - 1};
  }
  return {-1, -1};
}

// Where each tool has its place on the shed's wall: five pairs a half, the two halves sharing
// the places.
inline std::pair<int, int> ToolPlace(int tool) {
  static const std::pair<int, int> kPlaces[20] = {
      {286, 342}, {270, 124}, {286, 342}, {534, 124}, {488, 342}, {534, 124}, {402, 124},
      {488, 342}, {270, 124}, {402, 124}, {384, 342}, {334, 124}, {384, 342}, {598, 124},
      {586, 342}, {598, 124}, {466, 124}, {586, 342}, {334, 124}, {466, 124}};
  return kPlaces[tool];
}

// Picks the tool with a click, carries it over the cart and drops it in from above: the asked
// tool, or the other one of its pair, always beside it.
inline void AnswerTools(test::LivePlayer& player, const std::string& line, bool right) {
  const int tool = Garden3Question(line).first;
  const auto [x, y] = ToolPlace(right ? tool : (tool + 10) % 20);
  player.Click(x, y);
  player.Move((x + kCartX) / 2, kOverCartY);
  player.Move(kCartX, kOverCartY);
  player.Click(kCartX, kCartY);
}

}  // namespace rufo
