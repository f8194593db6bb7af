#pragma once

#include <cstdint>
#include <random>

namespace rufo {

// The game's random draws. Seeded once when the title screen starts the game: from the time,
// or from RUFO_SEED so that headless runs repeat exactly.
class GameRandom {
 public:
  void Seed(uint32_t seed) { engine_.seed(seed); }
  // Uniform in 0 .. count-1 (count > 0).
  int Below(int count) {
    return static_cast<int>(std::uniform_int_distribution<uint32_t>(0, count - 1)(engine_));
  }

 private:
  std::mt19937 engine_{1};
};

GameRandom& Random();

}  // namespace rufo
