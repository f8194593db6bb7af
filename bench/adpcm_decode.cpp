// Decoding 120 s of 22050 Hz mono IMA and Microsoft ADPCM through the WAV reader, against sox
// decoding the same files (sox runs as a child process, so its times include its start-up;
// the short-file benchmark shows that part alone).
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/interface.h"
#include "sound/wave_reader.h"
#include "tools/assetkit/wav_writer.h"

namespace rufo {
namespace {

constexpr int kRate = 22050;
constexpr int kSeconds = 120;

// Speech-like test signal: two drifting tones with an envelope and some noise.
assetkit::PcmSound Signal(int seconds) {
  assetkit::PcmSound sound;
  sound.channels = 1;
  sound.sampleRate = kRate;
  uint32_t noise = 1;
  for (int i = 0; i < seconds * kRate; ++i) {
    noise = noise * 1664525 + 1013904223;
    const double t = double(i) / kRate;
    const double envelope = 0.5 + 0.5 * std::sin(t * 3.1);
    const double value = envelope * (8000 * std::sin(t * 2 * M_PI * (180 + 40 * std::sin(t))) +
                                     3000 * std::sin(t * 2 * M_PI * 1250)) +
                         double(int(noise >> 22) - 512);
    sound.samples.push_back(static_cast<int16_t>(value));
  }
  return sound;
}

// The coded files, made once with sox from the same PCM signal.
struct Files {
  std::filesystem::path folder;
  bool ok = false;

  Files() {
    folder = std::filesystem::temp_directory_path() / "rufo_bench_adpcm";
    std::filesystem::create_directories(folder);
    ok = std::system("sox --version >/dev/null 2>&1") == 0 &&
         assetkit::WriteFileBytes(folder / "long.wav", assetkit::PcmWav(Signal(kSeconds))) &&
         assetkit::WriteFileBytes(folder / "short.wav", assetkit::PcmWav(Signal(1))) &&
         Sox("long.wav -e ima-adpcm long_ima.wav") && Sox("long.wav -e ms-adpcm long_ms.wav") &&
         Sox("short.wav -e ima-adpcm short_ima.wav");
  }
  ~Files() { std::filesystem::remove_all(folder); }

  std::string Path(const char* name) const { return (folder / name).string(); }
  bool Sox(const std::string& arguments) const {
    return std::system(("cd " + folder.string() + " && sox -q " + arguments).c_str()) == 0;
  }
};

const Files& TheFiles() {
  static Files files;
  return files;
}

void DecodeWithReader(benchmark::State& state, const char* name) {
  if (!TheFiles().ok) return state.SkipWithError("sox is needed to make the files");
  // The reader opens files through the engine; with no roots a path stands as given.
  static Interface engine(Platform::Headless());
  std::vector<uint8_t> piece(WaveReader::kMaxOutputBuffer);
  int64_t bytes = 0;
  for (auto _ : state) {
    WaveReader reader;
    if (!reader.Open(TheFiles().Path(name))) return state.SkipWithError("cannot open");
    for (;;) {
      uint32_t count = static_cast<uint32_t>(piece.size());
      if (!reader.Read(piece.data(), &count)) return state.SkipWithError("decoding failed");
      bytes += count;
      if (count < piece.size()) break;
    }
    benchmark::DoNotOptimize(piece.data());
  }
  state.SetBytesProcessed(bytes);
  state.counters["audio_s_per_s"] =
      benchmark::Counter(double(bytes) / 2 / kRate, benchmark::Counter::kIsRate);
}

// Processor time that finished child processes have used, in milliseconds.
double ChildCpuMs() {
  rusage usage{};
  getrusage(RUSAGE_CHILDREN, &usage);
  const auto ms = [](const timeval& t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; };
  return ms(usage.ru_utime) + ms(usage.ru_stime);
}

// Wall time per run, and sox's own processor time (with that of the shell that starts it) as
// the counter child_cpu_ms, which the load of other processes does not inflate.
void DecodeWithSox(benchmark::State& state, const char* name) {
  if (!TheFiles().ok) return state.SkipWithError("sox is needed to make the files");
  const double before = ChildCpuMs();
  for (auto _ : state) {
    if (!TheFiles().Sox(std::string(name) + " -t raw -e signed -b 16 /dev/null")) {
      return state.SkipWithError("sox failed");
    }
  }
  state.counters["child_cpu_ms"] =
      (ChildCpuMs() - before) / static_cast<double>(state.iterations());
}

void BM_ReaderIma(benchmark::State& state) {
  DecodeWithReader(state, "long_ima.wav");
}
void BM_ReaderMsAdpcm(benchmark::State& state) {
  DecodeWithReader(state, "long_ms.wav");
}
void BM_SoxIma(benchmark::State& state) {
  DecodeWithSox(state, "long_ima.wav");
}
void BM_SoxMsAdpcm(benchmark::State& state) {
  DecodeWithSox(state, "long_ms.wav");
}
void BM_SoxStartUpOneSecondIma(benchmark::State& state) {
  DecodeWithSox(state, "short_ima.wav");
}

BENCHMARK(BM_ReaderIma)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReaderMsAdpcm)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SoxIma)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SoxMsAdpcm)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SoxStartUpOneSecondIma)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace rufo

BENCHMARK_MAIN();
