#pragma once

#include <utility>

#include "gardens/garden2/watering.h"

namespace rufo {

// Places on the demo data's Garden2 pictures: the scene's well, ball and bird; the watering's
// beds by direction (1 left to 5 behind) and RUFO; the things of the colours by hit value; the
// series pieces.
constexpr int kWellX = 170, kWellY = 300;
constexpr int kBallX = 330, kBallY = 386;
constexpr int kBirdX = 480, kBirdY = 200;
constexpr std::pair<int, int> kBeds[Watering::kDirections + 1] = {
    {}, {115, 260}, {525, 260}, {320, 60}, {320, 360}, {222, 160}};
constexpr int kGarden2RufoX = 320, kGarden2RufoY = 230;
constexpr int kThingY = 210;
constexpr int ThingX(int region) {
  return 35 + 97 * region + 40;
}
constexpr int PieceX(int piece) {
  return 78 + 90 * piece + 36;
}
constexpr int kPieceY = 341;

}  // namespace rufo
