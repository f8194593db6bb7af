// Decoding a full 640 x 480 animation frame into 5-6-5, against a plain copy of as many pixels.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <vector>

#include "controls/ani_file.h"
#include "tools/assetkit/ani_file.h"

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 480;

// A frame like the game's: a key-coloured background around a shaded figure, so that long
// runs, short runs and single pixels all occur.
rufo::assetkit::Animation FigureFrame() {
  rufo::assetkit::Animation animation;
  animation.width = kWidth;
  animation.height = kHeight;
  rufo::assetkit::AniFrame frame(kWidth * kHeight, rufo::assetkit::Rgb565(255, 0, 255));
  for (int y = 60; y < 420; ++y) {
    for (int x = 160; x < 480; ++x) {
      const int band = ((x - 160) / 6 + (y - 60) / 9) % 7;
      frame[y * kWidth + x] = (x + y) % 5 == 0 ? static_cast<uint16_t>(x * 31 + y * 7)
                                               : rufo::assetkit::Rgb565(40 * band, 120, 200);
    }
  }
  animation.frames.push_back(std::move(frame));
  return animation;
}

struct LoadedFrame {
  std::vector<uint16_t> data;
  uint32_t marker = 0;
};

LoadedFrame Load() {
  std::string bytes = rufo::assetkit::EncodeAni(FigureFrame());
  rufo::AniFile ani;
  ani.Open(fmemopen(bytes.data(), bytes.size(), "rb"));
  ani.LoadFrame(0);
  return {*ani.CachedFrame(0), ani.Header().runMarker};
}

void BM_DecodeFrame565(benchmark::State& state) {
  const LoadedFrame frame = Load();
  std::vector<uint16_t> surface(kWidth * kHeight);
  for (auto _ : state) {
    rufo::DecodeAniFrame(frame.data, frame.marker, kWidth, kHeight,
                         reinterpret_cast<uint8_t*>(surface.data()), kWidth * 2,
                         rufo::platform::PixelLayout::kRgb565);
    benchmark::ClobberMemory();
  }
  state.counters["compressed words"] = static_cast<double>(frame.data.size());
  state.SetItemsProcessed(state.iterations() * kWidth * kHeight);
}
BENCHMARK(BM_DecodeFrame565);

// The limit: copying the same number of 16-bit pixels row by row.
void BM_CopyPixels565(benchmark::State& state) {
  std::vector<uint16_t> source(kWidth * kHeight, 0x1234);
  std::vector<uint16_t> surface(kWidth * kHeight);
  for (auto _ : state) {
    for (int y = 0; y < kHeight; ++y)
      std::memcpy(&surface[y * kWidth], &source[y * kWidth], kWidth * 2);
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * kWidth * kHeight);
}
BENCHMARK(BM_CopyPixels565);

}  // namespace

BENCHMARK_MAIN();
