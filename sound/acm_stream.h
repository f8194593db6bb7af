#pragma once

#include <cstdint>
#include <memory>
#include <span>

#include "platform/wave_format.h"

namespace rufo::platform {

class BlockDecoder;

// Converts compressed sound to PCM in whole blocks, the way the WAV reader drives it: open a
// stream between two formats, ask for buffer sizes, prepare one header with the two buffers,
// then convert piece after piece. Decodes IMA ADPCM (tag 0x11) and Microsoft ADPCM (tag 0x02)
// to 16-bit PCM with the source's channels and rate.
class AcmStream {
 public:
  // One conversion's buffers and results.
  struct Header {
    const uint8_t* source = nullptr;
    uint32_t sourceLength = 0;
    uint32_t sourceLengthUsed = 0;
    uint8_t* output = nullptr;
    uint32_t outputLength = 0;
    uint32_t outputLengthUsed = 0;
    bool prepared = false;
    bool done = false;
  };

  enum class SizeQuery {
    kSource,       // bytes is source data; the result is the output it yields
    kDestination,  // bytes is output room; the result is the source data that fits it
  };

  // Convert flags.
  static constexpr unsigned kBlockAlign = 1;  // only whole blocks; more source data follows
  static constexpr unsigned kEnd = 2;         // last piece: decode a trailing short block too

  AcmStream();
  ~AcmStream();
  AcmStream(const AcmStream&) = delete;
  AcmStream& operator=(const AcmStream&) = delete;

  // False when no decoder handles the pair of formats, or the source format is inconsistent.
  // extra holds the source's format-specific bytes.
  bool Open(const WaveFormat& source, std::span<const uint8_t> extra, const WaveFormat& output);
  void Close();
  bool IsOpen() const { return decoder_ != nullptr; }

  // False when the stream is closed or the size cannot be met (output room below one block).
  bool Size(uint32_t bytes, SizeQuery query, uint32_t* result) const;
  bool PrepareHeader(Header* header) const;
  bool UnprepareHeader(Header* header) const;
  // Decodes whole blocks from the source while whole blocks of output fit; with kEnd also a
  // trailing short block, whose unusable rest counts as used. Sets the used lengths and done.
  // False for an unprepared header or a corrupt block.
  bool Convert(Header* header, unsigned flags) const;

 private:
  std::unique_ptr<BlockDecoder> decoder_;
  uint32_t blockAlign_ = 0;
  uint32_t outputFrameBytes_ = 0;
};

}  // namespace rufo::platform
