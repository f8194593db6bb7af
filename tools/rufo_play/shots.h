#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace rufo::play {

// A frame to capture: the screen, and the game time at which it is fully drawn.
struct Shot {
  int screen = -1;
  uint32_t atMs = 0;
};

// The moments of a play, from its trace and the input it was given (both as the game spells
// them), at which every main scene, game, hub and lesson screen it reached (ids 0x101 to 0x7ff)
// is fully drawn: shortly after its first question when it asks one (its introduction is over
// then), else right before the child's first press there, at the first visit that does not
// begin with an introduction (the learning garden's, coming from the Start screen). By screen
// id.
std::vector<Shot> PlanShots(const std::vector<std::string>& trace,
                            const std::vector<std::string>& input);

// Runs the program headless again on the data tree with the seed and the input, which play the
// same game (its trace must be `trace`, the play's), and captures each shot as
// OUTDIR/0xNNN.png. The files written, in the shots' order; empty, with the reason in
// `problem`, when the run fails, plays another game or a frame is missing.
std::vector<std::string> TakeShots(const std::string& program, const std::string& dataRoot,
                                   uint32_t seed, const std::vector<std::string>& input,
                                   const std::string& trace, const std::vector<Shot>& shots,
                                   const std::string& outDir, std::string* problem);

}  // namespace rufo::play
