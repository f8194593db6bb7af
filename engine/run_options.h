#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace rufo {

// How a run is driven from outside, read from the environment:
//   RUFO_HEADLESS=1   virtual clock, no window and no sound device, message boxes on stderr
//   RUFO_WINDOWED=1   start in a window instead of full screen
//   RUFO_RUN_MS=N     quit after N milliseconds of game time
//   RUFO_SEED=N       fixed seed for the game's random draws
//   RUFO_INPUT=FILE   headless: a script of timed input (engine/input_script.h); a pipe is read
//                     as the game goes
//   RUFO_CAPTURE=MS:FILE.png[,MS:FILE.png...]  headless: write the frame composed at those times
//   RUFO_AUDIO_OUT=F  headless: write the sound mix to the WAV file F
//   RUFO_TRACE=FILE   write a line per game event to FILE (engine/trace.h)
//   RUFO_DEBUG=1      show the frame-rate and debug text lines from the start
struct RunOptions {
  struct Capture {
    uint32_t timeMs = 0;
    std::string path;
  };

  bool headless = false;
  bool windowed = false;
  std::optional<uint32_t> runMs;
  std::optional<uint32_t> seed;
  std::string inputScript;
  std::vector<Capture> captures;
  std::string audioOut;
  std::string tracePath;
  bool debugLines = false;
};

// Parses "MS:FILE[,MS:FILE...]"; false for a malformed list.
bool ParseCaptureList(const std::string& text, std::vector<RunOptions::Capture>* captures);

RunOptions RunOptionsFromEnvironment();

}  // namespace rufo
