#include "platform/pcm_wav_file.h"

#include <array>
#include <cstring>
#include <vector>

namespace rufo::platform {
namespace {

constexpr long kRiffSizeOffset = 4;
constexpr long kDataSizeOffset = 40;

// Writes little-endian numbers and tags into a byte array.
class ByteWriter {
 public:
  explicit ByteWriter(uint8_t* out) : out_(out) {}
  ByteWriter& U16(uint16_t value) {
    *out_++ = value & 0xFF;
    *out_++ = value >> 8;
    return *this;
  }
  ByteWriter& U32(uint32_t value) { return U16(value & 0xFFFF).U16(value >> 16); }
  ByteWriter& Tag(const char* tag) {
    std::memcpy(out_, tag, 4);
    out_ += 4;
    return *this;
  }

 private:
  uint8_t* out_;
};

void Write32At(std::FILE* file, long offset, uint32_t value) {
  uint8_t bytes[4];
  ByteWriter(bytes).U32(value);
  std::fseek(file, offset, SEEK_SET);
  std::fwrite(bytes, 1, sizeof bytes, file);
}

}  // namespace

bool PcmWavFile::Open(const std::string& path, const WaveFormat& format) {
  Close();
  file_ = std::fopen(path.c_str(), "wb");
  if (!file_) return false;
  std::array<uint8_t, 44> header;
  ByteWriter(header.data())
      .Tag("RIFF")
      .U32(36)
      .Tag("WAVE")
      .Tag("fmt ")
      .U32(16)
      .U16(kWaveFormatPcm)
      .U16(format.channels)
      .U32(format.samplesPerSec)
      .U32(format.avgBytesPerSec)
      .U16(format.blockAlign)
      .U16(16)
      .Tag("data")
      .U32(0);
  dataBytes_ = 0;
  return std::fwrite(header.data(), 1, header.size(), file_) == header.size();
}

void PcmWavFile::Append(std::span<const int16_t> samples) {
  if (!file_) return;
  std::vector<uint8_t> bytes(samples.size() * 2);
  for (size_t i = 0; i < samples.size(); ++i) {
    ByteWriter(&bytes[2 * i]).U16(static_cast<uint16_t>(samples[i]));
  }
  dataBytes_ += static_cast<uint32_t>(std::fwrite(bytes.data(), 1, bytes.size(), file_));
}

void PcmWavFile::Close() {
  if (!file_) return;
  Write32At(file_, kRiffSizeOffset, dataBytes_ + 36);
  Write32At(file_, kDataSizeOffset, dataBytes_);
  std::fclose(file_);
  file_ = nullptr;
}

}  // namespace rufo::platform
