#pragma once

namespace rufo {

// Places on the demo data's Garden4 pictures: the woodpecker and the nest of the scene, the
// number cards of both games (hit values 0 to 9 from the left), the woodpecker that knocks
// again and RUFO who asks again.
constexpr int kSceneWoodpeckerX = 220, kSceneWoodpeckerY = 230;
constexpr int kSceneNestX = 470, kSceneNestY = 175;
constexpr int kCardY = 355;
constexpr int CardX(int value) {
  return 12 + 62 * value + 29;
}
constexpr int kWoodpeckerX = 200, kWoodpeckerY = 200;
constexpr int kGarden4RufoX = 320, kGarden4RufoY = 230;

}  // namespace rufo
