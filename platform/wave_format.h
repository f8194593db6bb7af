#pragma once

#include <cstdint>

namespace rufo::platform {

inline constexpr uint16_t kWaveFormatPcm = 1;
inline constexpr uint16_t kWaveFormatMsAdpcm = 0x02;
inline constexpr uint16_t kWaveFormatImaAdpcm = 0x11;

// The 18-byte sound format record of WAV files and sound buffers. Format-specific extra bytes,
// when there are any, follow it in a separate buffer.
struct WaveFormat {
  uint16_t formatTag = 0;
  uint16_t channels = 0;
  uint32_t samplesPerSec = 0;
  uint32_t avgBytesPerSec = 0;
  uint16_t blockAlign = 0;
  uint16_t bitsPerSample = 0;
  uint16_t extraSize = 0;
};

// Interleaved PCM with the given channels, rate and sample width (8 or 16 bits).
inline WaveFormat PcmFormat(uint16_t channels, uint32_t rate, uint16_t bits) {
  WaveFormat format;
  format.formatTag = kWaveFormatPcm;
  format.channels = channels;
  format.samplesPerSec = rate;
  format.bitsPerSample = bits;
  format.blockAlign = static_cast<uint16_t>(bits / 8 * channels);
  format.avgBytesPerSec = rate * format.blockAlign;
  return format;
}

}  // namespace rufo::platform
