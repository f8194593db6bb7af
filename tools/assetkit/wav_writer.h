#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

namespace rufo::assetkit {

// A sound as 16-bit samples, channels interleaved.
struct PcmSound {
  int channels = 1;
  int sampleRate = 22050;
  std::vector<int16_t> samples;

  size_t Frames() const { return channels > 0 ? samples.size() / channels : 0; }
};

// A RIFF WAV file holding the sound as 16-bit PCM ("fmt " of 16 bytes, then "data").
std::vector<uint8_t> PcmWav(const PcmSound& sound);

// A RIFF WAV file holding the sound as IMA ADPCM (format tag 0x11, 2 extra format bytes with the
// samples per block), a "fact" chunk with the number of sample frames, then "data". blockAlign 0
// takes DefaultImaBlockAlign.
std::vector<uint8_t> ImaAdpcmWav(const PcmSound& sound, int blockAlign = 0);

// Writes the bytes to a file, creating its folders; false on failure.
bool WriteFileBytes(const std::filesystem::path& path, std::span<const uint8_t> bytes);

}  // namespace rufo::assetkit
