#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "tools/assetkit/frame_script.h"
#include "tools/assetkit/wav_writer.h"

namespace rufo::demogen {

inline constexpr int kSpeechRate = 22050;

enum class Voice { kRufo, kNarrator };

struct Utterance {
  Voice voice = Voice::kRufo;
  std::string text;  // UTF-8
};

// Synthesises every utterance with Festival's Czech voices (RUFO a child's voice, the narrator
// a woman's), in at most two festival processes at once, each loading its voices once.
// Returns mono 16-bit sounds at kSpeechRate, normalised, in the order given. `work` is a
// scratch folder. Throws when festival fails.
std::vector<assetkit::PcmSound> Synthesise(const std::vector<Utterance>& utterances,
                                           const std::filesystem::path& work);

// A talking frame script for a sound: every 60 ms a mouth frame from the loudness (0 closed,
// 1 to 3 ever wider, now and then 4, the round mouth, for a loud stretch), equal frames joined,
// closing with frame 0. The times add up to the sound's length.
std::vector<assetkit::FrameStep> MouthFrames(const assetkit::PcmSound& sound);

}  // namespace rufo::demogen
