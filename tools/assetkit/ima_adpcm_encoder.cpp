#include "tools/assetkit/ima_adpcm_encoder.h"

#include <algorithm>

#include "sound/ima_adpcm.h"

namespace rufo::assetkit {
namespace {

using platform::ImaChannel;
using platform::kImaStepTable;

// The code whose expansion comes closest to the sample, found bit by bit from the largest; the
// channel's state moves on exactly as a decoder's will.
uint8_t EncodeSample(ImaChannel& channel, int sample) {
  int diff = sample - channel.predictor;
  uint8_t code = 0;
  if (diff < 0) {
    code = 8;
    diff = -diff;
  }
  int step = kImaStepTable[channel.index];
  for (uint8_t bit = 4; bit != 0; bit >>= 1) {
    if (diff >= step) {
      code |= bit;
      diff -= step;
    }
    step >>= 1;
  }
  channel.Expand(code);
  return code;
}

}  // namespace

int DefaultImaBlockAlign(int sampleRate, int channels) {
  int perChannel = 256;
  for (int rate = 11025; rate < sampleRate && perChannel < 4096; rate *= 2)
    perChannel *= 2;
  return perChannel * channels;
}

std::vector<uint8_t> EncodeImaAdpcm(std::span<const int16_t> samples, int channels,
                                    int blockAlign) {
  std::vector<uint8_t> out;
  if (channels <= 0 || blockAlign <= 4 * channels || blockAlign % (4 * channels) != 0) return out;
  const size_t frames = samples.size() / channels;
  const size_t perBlock = platform::ImaSamplesPerBlock(blockAlign, channels);
  std::vector<ImaChannel> state(channels);
  auto at = [&](size_t frame, int channel) -> int {
    return frame < frames ? samples[frame * channels + channel] : 0;
  };

  for (size_t first = 0; first < frames; first += perBlock) {
    const size_t count = std::min(perBlock, frames - first);
    for (int c = 0; c < channels; ++c) {
      state[c].predictor = at(first, c);
      const auto header = static_cast<uint16_t>(state[c].predictor);
      out.push_back(header & 0xFF);
      out.push_back(header >> 8);
      out.push_back(static_cast<uint8_t>(state[c].index));
      out.push_back(0);
    }
    // Groups of eight samples per channel after the header sample.
    for (size_t group = 1; group < count; group += 8) {
      for (int c = 0; c < channels; ++c) {
        for (size_t k = 0; k < 8; k += 2) {
          const uint8_t low = EncodeSample(state[c], at(first + group + k, c));
          const uint8_t high = EncodeSample(state[c], at(first + group + k + 1, c));
          out.push_back(static_cast<uint8_t>(low | high << 4));
        }
      }
    }
  }
  return out;
}

}  // namespace rufo::assetkit
