// Feeds arbitrary bytes to the WAV reader as a file: opening, sizing, seeking and reading through
// the ADPCM decoders must stay inside their buffers and end.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "engine/interface.h"
#include "sound/wave_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace rufo;
  // The reader opens files through the engine; with no roots a path stands as given.
  static Interface* engine = new Interface(Platform::Headless());
  static const std::string path = "/tmp/fuzz_wave_reader_" + std::to_string(getpid()) + ".wav";
  (void)engine;
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return 0;
  std::fwrite(data, 1, size, file);
  std::fclose(file);

  WaveReader reader;
  if (!reader.Open(path)) return 0;
  const uint32_t total = reader.OutputSize();
  std::vector<uint8_t> piece(5000);
  for (int i = 0; i < 64; ++i) {
    uint32_t count = static_cast<uint32_t>(piece.size());
    if (!reader.Read(piece.data(), &count) || count < piece.size()) break;
  }
  reader.Seek(total / 3);
  uint32_t count = 1000;
  reader.Read(piece.data(), &count);
  reader.Seek(size);
  count = 1000;
  reader.Read(nullptr, &count);
  return 0;
}
