#include "tools/assetkit/wav_writer.h"

#include <fstream>
#include <string_view>
#include <system_error>

#include "platform/ima_adpcm.h"
#include "tools/assetkit/ima_adpcm_encoder.h"

namespace rufo::assetkit {
namespace {

constexpr uint16_t kFormatPcm = 1;
constexpr uint16_t kFormatImaAdpcm = 0x11;

class RiffBuilder {
 public:
  RiffBuilder() { Tag("RIFF").U32(0).Tag("WAVE"); }

  RiffBuilder& Tag(std::string_view tag) {
    bytes_.insert(bytes_.end(), tag.begin(), tag.end());
    return *this;
  }
  RiffBuilder& U16(uint16_t value) {
    bytes_.push_back(value & 0xFF);
    bytes_.push_back(value >> 8);
    return *this;
  }
  RiffBuilder& U32(uint32_t value) { return U16(value & 0xFFFF).U16(value >> 16); }
  RiffBuilder& Bytes(std::span<const uint8_t> data) {
    bytes_.insert(bytes_.end(), data.begin(), data.end());
    return *this;
  }
  // The format chunk's 18 leading bytes less the extra count, which only compressed formats have.
  RiffBuilder& Format(uint16_t tag, int channels, int rate, int blockAlign, int bits,
                      uint32_t chunkSize) {
    const auto avgBytes = static_cast<uint32_t>(
        tag == kFormatPcm
            ? rate * blockAlign
            : uint64_t(rate) * blockAlign / platform::ImaSamplesPerBlock(blockAlign, channels));
    return Tag("fmt ")
        .U32(chunkSize)
        .U16(tag)
        .U16(channels)
        .U32(rate)
        .U32(avgBytes)
        .U16(blockAlign)
        .U16(bits);
  }
  std::vector<uint8_t> Finish() {
    const auto riffSize = static_cast<uint32_t>(bytes_.size() - 8);
    for (int i = 0; i < 4; ++i)
      bytes_[4 + i] = static_cast<uint8_t>(riffSize >> (8 * i));
    return std::move(bytes_);
  }

 private:
  std::vector<uint8_t> bytes_;
};

}  // namespace

std::vector<uint8_t> PcmWav(const PcmSound& sound) {
  const int blockAlign = 2 * sound.channels;
  const auto dataBytes = static_cast<uint32_t>(sound.Frames() * blockAlign);
  RiffBuilder riff;
  riff.Format(kFormatPcm, sound.channels, sound.sampleRate, blockAlign, 16, 16);
  riff.Tag("data").U32(dataBytes);
  for (size_t i = 0; i < sound.Frames() * sound.channels; ++i) {
    riff.U16(static_cast<uint16_t>(sound.samples[i]));
  }
  return riff.Finish();
}

std::vector<uint8_t> ImaAdpcmWav(const PcmSound& sound, int blockAlign) {
  if (blockAlign == 0) blockAlign = DefaultImaBlockAlign(sound.sampleRate, sound.channels);
  const std::vector<uint8_t> data = EncodeImaAdpcm(
      std::span(sound.samples).first(sound.Frames() * sound.channels), sound.channels, blockAlign);
  RiffBuilder riff;
  riff.Format(kFormatImaAdpcm, sound.channels, sound.sampleRate, blockAlign, 4, 20);
  riff.U16(2).U16(static_cast<uint16_t>(platform::ImaSamplesPerBlock(blockAlign, sound.channels)));
  riff.Tag("fact").U32(4).U32(static_cast<uint32_t>(sound.Frames()));
  riff.Tag("data").U32(static_cast<uint32_t>(data.size())).Bytes(data);
  return riff.Finish();
}

bool WriteFileBytes(const std::filesystem::path& path, std::span<const uint8_t> bytes) {
  std::error_code error;
  if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path(), error);
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

}  // namespace rufo::assetkit
