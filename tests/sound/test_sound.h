#pragma once

#include <string>
#include <vector>

#include "tools/assetkit/wav_writer.h"

namespace rufo::test {

// A sound with tones, steps and noise, so that every code of the encoders is used. The first
// sample is never 0, so the sound's start can be found in a mix.
assetkit::PcmSound TestSound(int channels, int rate, int frames);

std::string AsString(const std::vector<uint8_t>& bytes);

}  // namespace rufo::test
