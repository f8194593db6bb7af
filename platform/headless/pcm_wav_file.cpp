#include "platform/headless/pcm_wav_file.h"

#include <vector>

#include "platform/riff_writer.h"

namespace rufo::platform {
namespace {

constexpr long kRiffSizeOffset = 4;
constexpr long kDataSizeOffset = 40;

void Write32At(std::FILE* file, long offset, uint32_t value) {
  RiffWriter writer;
  writer.U32(value);
  std::fseek(file, offset, SEEK_SET);
  std::fwrite(writer.Data().data(), 1, writer.Data().size(), file);
}

}  // namespace

bool PcmWavFile::Open(const std::string& path, const WaveFormat& format) {
  Close();
  file_ = std::fopen(path.c_str(), "wb");
  if (!file_) return false;
  RiffWriter header;
  header.Tag("RIFF").U32(36).Tag("WAVE");
  header.Format(PcmFormat(format.channels, format.samplesPerSec, 16)).Tag("data").U32(0);
  dataBytes_ = 0;
  const std::vector<uint8_t>& bytes = header.Data();
  return std::fwrite(bytes.data(), 1, bytes.size(), file_) == bytes.size();
}

void PcmWavFile::Append(std::span<const int16_t> samples) {
  if (!file_) return;
  RiffWriter writer;
  for (int16_t sample : samples)
    writer.U16(static_cast<uint16_t>(sample));
  const std::vector<uint8_t>& bytes = writer.Data();
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
