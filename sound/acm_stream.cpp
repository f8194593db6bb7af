#include "sound/acm_stream.h"

#include <bit>
#include <cstring>
#include <vector>

#include "sound/adpcm_decoder.h"

namespace rufo::platform {

AcmStream::AcmStream() = default;
AcmStream::~AcmStream() = default;

bool AcmStream::Open(const WaveFormat& source, std::span<const uint8_t> extra,
                     const WaveFormat& output) {
  Close();
  const bool outputFits =
      output.formatTag == kWaveFormatPcm && output.channels == source.channels &&
      output.samplesPerSec == source.samplesPerSec && output.bitsPerSample == 16;
  if (!outputFits) return false;
  decoder_ = MakeAdpcmDecoder(source, extra);
  if (!decoder_) return false;
  blockAlign_ = source.blockAlign;
  outputFrameBytes_ = 2 * output.channels;
  return true;
}

void AcmStream::Close() {
  decoder_.reset();
}

bool AcmStream::Size(uint32_t bytes, SizeQuery query, uint32_t* result) const {
  if (!decoder_) return false;
  const uint64_t blockOutput = uint64_t(decoder_->FramesIn(blockAlign_)) * outputFrameBytes_;
  uint64_t size;
  if (query == SizeQuery::kSource) {
    size = bytes / blockAlign_ * blockOutput +
           uint64_t(decoder_->FramesIn(bytes % blockAlign_)) * outputFrameBytes_;
  } else {
    size = bytes / blockOutput * blockAlign_;
    if (size == 0) return false;
  }
  if (size > UINT32_MAX) return false;
  *result = static_cast<uint32_t>(size);
  return true;
}

bool AcmStream::PrepareHeader(Header* header) const {
  if (!decoder_ || !header->source || !header->output) return false;
  header->prepared = true;
  header->done = false;
  return true;
}

bool AcmStream::UnprepareHeader(Header* header) const {
  if (!header->prepared) return false;
  header->prepared = false;
  return true;
}

bool AcmStream::Convert(Header* header, unsigned flags) const {
  if (!decoder_ || !header->prepared || (header->sourceLength > 0 && !header->source)) return false;
  header->done = false;
  std::vector<int16_t> samples(size_t(decoder_->FramesIn(blockAlign_)) * decoder_->Channels());
  uint32_t used = 0;
  uint32_t produced = 0;
  for (;;) {
    const uint32_t left = header->sourceLength - used;
    const uint32_t piece = std::min(left, blockAlign_);
    if (piece == 0 || (piece < blockAlign_ && !(flags & kEnd))) break;
    const uint32_t frames = decoder_->FramesIn(piece);
    const uint32_t outBytes = frames * outputFrameBytes_;
    if (outBytes > header->outputLength - produced) break;
    if (frames > 0 && !decoder_->Decode(header->source + used, piece, samples.data())) return false;
    uint8_t* out = header->output + produced;
    const size_t count = size_t(frames) * decoder_->Channels();
    if constexpr (std::endian::native == std::endian::little) {
      std::memcpy(out, samples.data(), count * 2);
    } else {
      for (size_t i = 0; i < count; ++i) {
        out[2 * i] = static_cast<uint8_t>(samples[i]);
        out[2 * i + 1] = static_cast<uint8_t>(samples[i] >> 8);
      }
    }
    used += piece;
    produced += outBytes;
  }
  header->sourceLengthUsed = used;
  header->outputLengthUsed = produced;
  header->done = true;
  return true;
}

}  // namespace rufo::platform
