#include "tools/assetkit/wav_writer.h"

#include <fstream>
#include <system_error>

#include "platform/riff_writer.h"
#include "sound/ima_adpcm.h"
#include "tools/assetkit/ima_adpcm_encoder.h"

namespace rufo::assetkit {
namespace {

using platform::RiffWriter;

// Fills in the RIFF size once everything is written.
std::vector<uint8_t> Finish(RiffWriter& riff) {
  std::vector<uint8_t>& bytes = riff.Data();
  const auto riffSize = static_cast<uint32_t>(bytes.size() - 8);
  for (int i = 0; i < 4; ++i)
    bytes[4 + i] = static_cast<uint8_t>(riffSize >> (8 * i));
  return std::move(bytes);
}

}  // namespace

std::vector<uint8_t> PcmWav(const PcmSound& sound) {
  const platform::WaveFormat format = platform::PcmFormat(
      static_cast<uint16_t>(sound.channels), static_cast<uint32_t>(sound.sampleRate), 16);
  const size_t samples = sound.Frames() * sound.channels;
  RiffWriter riff;
  riff.Tag("RIFF").U32(0).Tag("WAVE").Format(format);
  riff.Tag("data").U32(static_cast<uint32_t>(samples * 2));
  for (size_t i = 0; i < samples; ++i)
    riff.U16(static_cast<uint16_t>(sound.samples[i]));
  return Finish(riff);
}

std::vector<uint8_t> ImaAdpcmWav(const PcmSound& sound, int blockAlign) {
  if (blockAlign == 0) blockAlign = DefaultImaBlockAlign(sound.sampleRate, sound.channels);
  const std::vector<uint8_t> data = EncodeImaAdpcm(
      std::span(sound.samples).first(sound.Frames() * sound.channels), sound.channels, blockAlign);
  const int samplesPerBlock = platform::ImaSamplesPerBlock(blockAlign, sound.channels);
  platform::WaveFormat format;
  format.formatTag = platform::kWaveFormatImaAdpcm;
  format.channels = static_cast<uint16_t>(sound.channels);
  format.samplesPerSec = static_cast<uint32_t>(sound.sampleRate);
  format.avgBytesPerSec = static_cast<uint32_t>(
      samplesPerBlock ? uint64_t(sound.sampleRate) * blockAlign / samplesPerBlock : 0);
  format.blockAlign = static_cast<uint16_t>(blockAlign);
  format.bitsPerSample = 4;
  format.extraSize = 2;
  RiffWriter riff;
  riff.Tag("RIFF").U32(0).Tag("WAVE").Format(format).U16(static_cast<uint16_t>(samplesPerBlock));
  riff.Tag("fact").U32(4).U32(static_cast<uint32_t>(sound.Frames()));
  riff.Tag("data").U32(static_cast<uint32_t>(data.size())).Bytes(data);
  return Finish(riff);
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
