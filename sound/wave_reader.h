#pragma once

#include <array>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "platform/wave_format.h"
#include "sound/acm_stream.h"

namespace rufo {

// Reads a RIFF WAV file from the data roots as playable PCM: PCM data passes through unchanged,
// compressed data is decoded piece by piece into PCM of the primary buffer's sample width, at
// most 64 KB of output per conversion step, with what a step made beyond a request kept for the
// next one.
class WaveReader {
 public:
  static constexpr int kMaxExtraBytes = 64;
  static constexpr uint32_t kMaxOutputBuffer = 65536;

  WaveReader() = default;
  virtual ~WaveReader();
  WaveReader(const WaveReader&) = delete;
  WaveReader& operator=(const WaveReader&) = delete;

  // Opens a file relative to the data root (falling back to the runtime root).
  bool Open(const std::string& name);
  void Close();
  bool IsOpen() const { return file_ != nullptr; }

  const platform::WaveFormat& OutputFormat() const { return outputFormat_; }
  const platform::WaveFormat& SourceFormat() const { return sourceFormat_; }
  // Total bytes of PCM output the file yields.
  uint32_t OutputSize() const;
  // Moves to a byte offset of the output.
  void Seek(uint32_t offset);
  // Reads up to *count bytes of output into destination (which may be null: decode and discard)
  // and sets *count to the bytes delivered. False without a file, when the file ends inside the
  // data while converting, or when a block is corrupt.
  bool Read(uint8_t* destination, uint32_t* count);
  // The output buffer size of a converting reader (0 for PCM).
  uint32_t OutputBufferSize() const { return outputBufferSize_; }

 private:
  bool ReadHeader();
  bool OpenConversion(uint16_t bits);
  bool ReadConverted(uint8_t* destination, uint32_t count, uint32_t* delivered);
  bool ConvertPiece(uint8_t* destination, uint32_t wanted, uint32_t* produced);

  std::FILE* file_ = nullptr;
  platform::WaveFormat sourceFormat_;
  std::array<uint8_t, kMaxExtraBytes> extra_{};
  platform::WaveFormat outputFormat_;
  bool converting_ = false;
  uint32_t dataStart_ = 0;
  uint32_t sourcePosition_ = 0;
  uint32_t dataSize_ = 0;
  std::unique_ptr<platform::AcmStream> stream_;
  platform::AcmStream::Header header_;
  std::vector<uint8_t> sourceBuffer_;
  std::vector<uint8_t> outputBuffer_;
  std::vector<uint8_t> carryBuffer_;
  uint32_t sourceBufferSize_ = 0;
  uint32_t outputBufferSize_ = 0;
  uint32_t carryCount_ = 0;
};

}  // namespace rufo
