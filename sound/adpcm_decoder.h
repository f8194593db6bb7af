#pragma once

#include <cstdint>
#include <memory>
#include <span>

#include "platform/wave_format.h"

namespace rufo::platform {

// Decodes one block of an ADPCM format into interleaved 16-bit samples.
class BlockDecoder {
 public:
  virtual ~BlockDecoder() = default;
  // Sample frames that a block of `bytes` bytes (blockAlign for a whole block, fewer for a short
  // last block) decodes to; 0 when it does not even hold the block header.
  virtual uint32_t FramesIn(uint32_t bytes) const = 0;
  // Writes FramesIn(bytes) frames to out; false for a corrupt block.
  virtual bool Decode(const uint8_t* block, uint32_t bytes, int16_t* out) const = 0;
  int Channels() const { return channels_; }

 protected:
  explicit BlockDecoder(int channels) : channels_(channels) {}
  int channels_;
};

// A decoder for IMA ADPCM (tag 0x11) or Microsoft ADPCM (tag 0x02), or nullptr when the format
// is another one or inconsistent (channels, block size, coefficient table).
std::unique_ptr<BlockDecoder> MakeAdpcmDecoder(const WaveFormat& format,
                                               std::span<const uint8_t> extra);

}  // namespace rufo::platform
