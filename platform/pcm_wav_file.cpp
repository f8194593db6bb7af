#include "platform/pcm_wav_file.h"

#include <vector>

namespace rufo::platform {
namespace {

constexpr long kRiffSizeOffset = 4;
constexpr long kDataSizeOffset = 40;

void Put16(std::vector<uint8_t>& out, uint16_t value) {
  out.push_back(value & 0xFF);
  out.push_back(value >> 8);
}

void Put32(std::vector<uint8_t>& out, uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

void PutTag(std::vector<uint8_t>& out, const char* tag) {
  out.insert(out.end(), tag, tag + 4);
}

void Write32At(std::FILE* file, long offset, uint32_t value) {
  std::vector<uint8_t> bytes;
  Put32(bytes, value);
  std::fseek(file, offset, SEEK_SET);
  std::fwrite(bytes.data(), 1, bytes.size(), file);
}

}  // namespace

bool PcmWavFile::Open(const std::string& path, const WaveFormat& format) {
  Close();
  file_ = std::fopen(path.c_str(), "wb");
  if (!file_) return false;
  std::vector<uint8_t> header;
  PutTag(header, "RIFF");
  Put32(header, 0);
  PutTag(header, "WAVE");
  PutTag(header, "fmt ");
  Put32(header, 16);
  Put16(header, kWaveFormatPcm);
  Put16(header, format.channels);
  Put32(header, format.samplesPerSec);
  Put32(header, format.avgBytesPerSec);
  Put16(header, format.blockAlign);
  Put16(header, 16);
  PutTag(header, "data");
  Put32(header, 0);
  dataBytes_ = 0;
  return std::fwrite(header.data(), 1, header.size(), file_) == header.size();
}

void PcmWavFile::Append(std::span<const int16_t> samples) {
  if (!file_) return;
  std::vector<uint8_t> bytes;
  bytes.reserve(samples.size() * 2);
  for (int16_t sample : samples)
    Put16(bytes, static_cast<uint16_t>(sample));
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
