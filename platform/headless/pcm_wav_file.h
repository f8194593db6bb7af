#pragma once

#include <cstdint>
#include <cstdio>
#include <span>
#include <string>

#include "platform/wave_format.h"

namespace rufo::platform {

// A 16-bit PCM WAV file written as the samples come; the sizes in its header are filled in when
// it is closed.
class PcmWavFile {
 public:
  PcmWavFile() = default;
  ~PcmWavFile() { Close(); }
  PcmWavFile(const PcmWavFile&) = delete;
  PcmWavFile& operator=(const PcmWavFile&) = delete;

  bool Open(const std::string& path, const WaveFormat& format);
  void Append(std::span<const int16_t> samples);
  void Close();

 private:
  std::FILE* file_ = nullptr;
  uint32_t dataBytes_ = 0;
};

}  // namespace rufo::platform
