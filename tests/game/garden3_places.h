#pragma once

#include <regex>
#include <string>
#include <utility>

namespace rufo {

// Places on the demo data's Garden3 pictures: the cart (over its opening, region 1; inside it,
// region 2; beside it), the four flower pots of the colours game, from the left, and its three
// beds.
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

}  // namespace rufo
