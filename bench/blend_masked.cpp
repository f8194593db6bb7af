// Blending a 32 × 32 cursor with a soft-edged mask into a 640 × 480 back buffer, in the 5-6-5
// full-screen layout and the 32-bit windowed one.
#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "gfx/blend.h"

namespace {

using rufo::platform::PixelLayout;
using rufo::platform::Surface;

void BlendCursor(benchmark::State& state) {
  const auto layout = static_cast<PixelLayout>(state.range(0));
  const auto format = rufo::platform::FormatOf(layout);
  Surface backBuffer(640, 480, format, rufo::platform::SurfaceMemory::kSystem, nullptr);
  Surface cursor(32, 32, format, rufo::platform::SurfaceMemory::kSystem, nullptr);
  backBuffer.Fill(nullptr, rufo::platform::GdiColorToPixel(0x3060A0, format));
  cursor.Fill(nullptr, rufo::platform::GdiColorToPixel(0x20E0F0, format));
  // A disc with a two-pixel soft edge: transparent, soft and opaque pixels as a cursor has.
  std::vector<uint8_t> mask(32 * 32);
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) {
      const double edge = 14 - std::hypot(x - 15.5, y - 15.5);
      mask[y * 32 + x] = static_cast<uint8_t>(edge <= 0 ? 0 : edge >= 2 ? 255 : edge * 127);
    }
  }
  const rufo::platform::Rect rect{0, 0, 32, 32};
  for (auto _ : state) {
    rufo::gfx::BlendMasked(&backBuffer, 300, 200, &cursor, &rect, mask.data());
    benchmark::DoNotOptimize(backBuffer.Pixels());
  }
}
BENCHMARK(BlendCursor)
    ->ArgName("layout")
    ->Arg(static_cast<int>(PixelLayout::kRgb565))
    ->Arg(static_cast<int>(PixelLayout::kBgrx32));

}  // namespace

BENCHMARK_MAIN();
