#include "sound/adpcm_decoder.h"

#include <algorithm>
#include <limits>
#include <vector>

#include "sound/ima_adpcm.h"

namespace rufo::platform {
namespace {

constexpr int kMaxChannels = 2;

// Bounds of the Microsoft ADPCM delta. Each code may triple it, so a crafted block would let it
// grow without end; a valid stream never comes near the upper bound, under which adapting it
// (x 768 / 256) and scaling it by a code (x 8) stay well inside int.
constexpr int kMinDelta = 16;
constexpr int kMaxDelta = std::numeric_limits<int>::max() / 768;

int16_t ReadI16(const uint8_t* p) {
  return static_cast<int16_t>(p[0] | p[1] << 8);
}

// IMA ADPCM: per channel a four-byte header (first sample, step index, reserved), then groups
// of four bytes per channel holding eight codes each, low nibble first.
class ImaDecoder final : public BlockDecoder {
 public:
  explicit ImaDecoder(int channels) : BlockDecoder(channels) {}

  // The header sample and eight per whole group of four bytes per channel.
  uint32_t FramesIn(uint32_t bytes) const override {
    const uint32_t header = 4 * channels_;
    if (bytes < header) return 0;
    return (bytes - header) / header * 8 + 1;
  }

  bool Decode(const uint8_t* block, uint32_t bytes, int16_t* out) const override {
    const uint32_t frames = FramesIn(bytes);
    ImaChannel state[kMaxChannels];
    for (int c = 0; c < channels_; ++c) {
      const uint8_t* header = block + 4 * c;
      state[c].predictor = ReadI16(header);
      state[c].index = std::min<int>(header[2], kImaMaxIndex);
      out[c] = static_cast<int16_t>(state[c].predictor);
    }
    const uint8_t* data = block + 4 * channels_;
    for (uint32_t first = 1; first < frames; first += 8) {
      for (int c = 0; c < channels_; ++c, data += 4) {
        int16_t* target = out + first * channels_ + c;
        for (int byte = 0; byte < 4; ++byte) {
          *target = state[c].Expand(data[byte] & 15);
          target += channels_;
          *target = state[c].Expand(data[byte] >> 4);
          target += channels_;
        }
      }
    }
    return true;
  }
};

// Microsoft ADPCM: per channel a predictor index byte, then per channel the step, the second
// and the first sample (16 bits each); the two header samples come out oldest first, then codes
// high nibble first, alternating between the channels.
class MsAdpcmDecoder final : public BlockDecoder {
 public:
  MsAdpcmDecoder(int channels, uint32_t blockAlign, std::vector<int16_t> coefficients)
      : BlockDecoder(channels),
        framesPerBlock_((blockAlign - 7 * channels) * 2 / channels + 2),
        coefficients_(std::move(coefficients)) {}

  uint32_t FramesIn(uint32_t bytes) const override {
    const uint32_t header = 7 * channels_;
    if (bytes < header) return 0;
    return std::min(framesPerBlock_, (bytes - header) * 2 / channels_ + 2);
  }

  bool Decode(const uint8_t* block, uint32_t bytes, int16_t* out) const override {
    static constexpr int kAdapt[16] = {230, 230, 230, 230, 307, 409, 512, 614,
                                       768, 614, 512, 409, 307, 230, 230, 230};
    const uint32_t frames = FramesIn(bytes);
    const int coefficientPairs = static_cast<int>(coefficients_.size() / 2);
    int coef1[kMaxChannels], coef2[kMaxChannels], step[kMaxChannels];
    const int n = channels_;
    for (int c = 0; c < n; ++c) {
      if (block[c] >= coefficientPairs) return false;
      coef1[c] = coefficients_[2 * block[c]];
      coef2[c] = coefficients_[2 * block[c] + 1];
      step[c] = ReadI16(block + n + 2 * c);
      out[n + c] = ReadI16(block + 3 * n + 2 * c);
      out[c] = ReadI16(block + 5 * n + 2 * c);
    }
    const uint8_t* data = block + 7 * n;
    const uint32_t total = frames * n;
    int c = 0;
    for (uint32_t i = 2 * n; i < total; ++i) {
      const uint8_t byte = data[(i - 2 * n) / 2];
      const int code = (i - 2 * n) % 2 ? byte & 15 : byte >> 4;
      // Coefficients come from the file: two products of 16-bit numbers may not fit an int.
      const auto predicted = static_cast<int>(
          (int64_t{out[i - n]} * coef1[c] + int64_t{out[i - 2 * n]} * coef2[c]) >> 8);
      const int signedCode = code - ((code & 8) << 1);
      out[i] = static_cast<int16_t>(std::clamp(predicted + signedCode * step[c], -32768, 32767));
      step[c] = std::clamp((kAdapt[code] * step[c]) >> 8, kMinDelta, kMaxDelta);
      if (++c == n) c = 0;
    }
    return true;
  }

 private:
  uint32_t framesPerBlock_;
  std::vector<int16_t> coefficients_;
};

std::unique_ptr<BlockDecoder> MakeMsAdpcm(const WaveFormat& format,
                                          std::span<const uint8_t> extra) {
  const int channels = format.channels;
  if (format.blockAlign < 7 * channels + channels || extra.size() < 4) return nullptr;
  const int count = ReadI16(extra.data() + 2);
  if (count < 1 || extra.size() < 4 + 4 * static_cast<size_t>(count)) return nullptr;
  std::vector<int16_t> coefficients(2 * count);
  for (int i = 0; i < 2 * count; ++i)
    coefficients[i] = ReadI16(extra.data() + 4 + 2 * i);
  return std::make_unique<MsAdpcmDecoder>(channels, format.blockAlign, std::move(coefficients));
}

}  // namespace

std::unique_ptr<BlockDecoder> MakeAdpcmDecoder(const WaveFormat& format,
                                               std::span<const uint8_t> extra) {
  if (format.channels < 1 || format.channels > kMaxChannels) return nullptr;
  switch (format.formatTag) {
    case kWaveFormatImaAdpcm:
      if (format.blockAlign <= 4 * format.channels) return nullptr;
      return std::make_unique<ImaDecoder>(format.channels);
    case kWaveFormatMsAdpcm:
      return MakeMsAdpcm(format, extra);
    default:
      return nullptr;
  }
}

}  // namespace rufo::platform
