#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "platform/wave_format.h"

namespace rufo::platform {

// Builds RIFF data in memory: little-endian numbers, four-character tags and raw bytes.
class RiffWriter {
 public:
  RiffWriter& Tag(const char* tag) {
    for (int i = 0; i < 4; ++i)
      bytes_.push_back(static_cast<uint8_t>(tag[i]));
    return *this;
  }
  RiffWriter& U16(uint16_t value) {
    bytes_.push_back(value & 0xFF);
    bytes_.push_back(value >> 8);
    return *this;
  }
  RiffWriter& U32(uint32_t value) { return U16(value & 0xFFFF).U16(value >> 16); }
  RiffWriter& Bytes(std::span<const uint8_t> data) {
    bytes_.insert(bytes_.end(), data.begin(), data.end());
    return *this;
  }
  // A "fmt " chunk: 16 bytes for PCM; otherwise 18 with the extra byte count, whose extra bytes
  // the caller appends.
  RiffWriter& Format(const WaveFormat& format) {
    const bool pcm = format.formatTag == kWaveFormatPcm;
    Tag("fmt ").U32(pcm ? 16 : 18u + format.extraSize);
    U16(format.formatTag).U16(format.channels).U32(format.samplesPerSec);
    U32(format.avgBytesPerSec).U16(format.blockAlign).U16(format.bitsPerSample);
    return pcm ? *this : U16(format.extraSize);
  }

  std::vector<uint8_t>& Data() { return bytes_; }

 private:
  std::vector<uint8_t> bytes_;
};

}  // namespace rufo::platform
