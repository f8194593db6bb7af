#pragma once

#include <cstdint>
#include <memory>

#include "platform/wave_format.h"

namespace rufo::platform {

// Turns a stream of PCM (8 or 16 bits, 1 or 2 channels, any rate) into 16-bit samples in the
// machine's byte order with another channel count and rate. Resampling holds back a few frames
// until more input follows. The SDL backend provides it.
class SampleConverter {
 public:
  // nullptr when the pair of formats cannot be converted.
  static std::unique_ptr<SampleConverter> Create(const WaveFormat& from, const WaveFormat& to);

  virtual ~SampleConverter() = default;
  virtual void Put(const uint8_t* bytes, uint32_t count) = 0;
  // The converted bytes ready to take.
  virtual uint32_t Available() const = 0;
  // Takes up to `count` converted bytes into out; returns how many it took.
  virtual uint32_t Take(uint8_t* out, uint32_t count) = 0;
  // Drops everything put and not yet taken.
  virtual void Clear() = 0;
};

}  // namespace rufo::platform
