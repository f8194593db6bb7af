#include <cstdio>
#include <vector>

#include "engine/interface.h"
#include "sound/wave_reader.h"
#include "tools/assetkit/wav_writer.h"
#include "tools/rufo_data/command.h"

namespace rufo::data_tool {
namespace {

// Decodes a WAV file the way the game reads it and writes the result as 16-bit PCM.
int RunWav(std::span<char*> args) {
  if (args.size() != 2) {
    std::fprintf(stderr, "usage: rufo-data wav IN OUT.wav\n");
    return 2;
  }
  // The reader opens files through the engine; with no roots configured a path stands as given.
  Interface engine(Platform::Headless());
  WaveReader reader;
  if (!reader.Open(args[0])) {
    std::fprintf(stderr, "%s: not a WAV file the game can read\n", args[0]);
    return 1;
  }
  const platform::WaveFormat& format = reader.OutputFormat();
  if (format.bitsPerSample != 8 && format.bitsPerSample != 16) {
    std::fprintf(stderr, "%s: %d-bit samples are not played by the game\n", args[0],
                 format.bitsPerSample);
    return 1;
  }
  assetkit::PcmSound sound;
  sound.channels = format.channels;
  sound.sampleRate = static_cast<int>(format.samplesPerSec);
  std::vector<uint8_t> piece(WaveReader::kMaxOutputBuffer);
  for (;;) {
    uint32_t count = static_cast<uint32_t>(piece.size());
    if (!reader.Read(piece.data(), &count)) {
      std::fprintf(stderr, "%s: the sound data is damaged\n", args[0]);
      return 1;
    }
    if (format.bitsPerSample == 8) {
      for (uint32_t i = 0; i < count; ++i)
        sound.samples.push_back((piece[i] - 128) * 256);
    } else {
      for (uint32_t i = 0; i + 1 < count; i += 2) {
        sound.samples.push_back(static_cast<int16_t>(piece[i] | piece[i + 1] << 8));
      }
    }
    if (count < piece.size()) break;
  }
  if (!assetkit::WriteFileBytes(args[1], assetkit::PcmWav(sound))) {
    std::fprintf(stderr, "%s: cannot write\n", args[1]);
    return 1;
  }
  return 0;
}

const Registration kRegistration({"wav", "IN OUT.wav", RunWav});

}  // namespace
}  // namespace rufo::data_tool
