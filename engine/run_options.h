#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace rufo {

// How a run is driven from outside, read from the environment:
//   RUFO_HEADLESS=1   virtual clock, no window and no sound device, message boxes on stderr
//   RUFO_RUN_MS=N     quit after N milliseconds of game time
//   RUFO_SEED=N       fixed seed for the game's random draws
//   RUFO_AUDIO_OUT=F  headless: write the sound mix to the WAV file F
struct RunOptions {
  bool headless = false;
  std::optional<uint32_t> runMs;
  std::optional<uint32_t> seed;
  std::string audioOut;
};

RunOptions RunOptionsFromEnvironment();

}  // namespace rufo
