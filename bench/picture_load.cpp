// Loading a 640 × 480 PNG into a 5-6-5 surface through the game's loader, against libpng's
// simplified API decoding the same file to RGB. Target: the loader no slower than libpng.
#include <benchmark/benchmark.h>
#include <png.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <vector>

#include "gfx/picture_file.h"
#include "tools/assetkit/png_writer.h"

namespace {

using rufo::platform::Surface;

// A scene-like picture: smooth gradients with some texture, so it compresses like drawn art.
const std::string& PicturePath() {
  static const std::string path = [] {
    rufo::assetkit::PngPicture picture{640, 480, rufo::assetkit::PngColor::kRgb, {}};
    uint32_t noise = 12345;
    for (int y = 0; y < 480; ++y) {
      for (int x = 0; x < 640; ++x) {
        noise = noise * 1103515245 + 12345;
        const int grain = static_cast<int>((noise >> 16) & 15);
        picture.pixels.push_back(static_cast<uint8_t>(x * 255 / 639));
        picture.pixels.push_back(
            static_cast<uint8_t>(128 + 100 * std::sin(x / 40.0 + y / 25.0) + grain));
        picture.pixels.push_back(static_cast<uint8_t>(y * 255 / 479 ^ (grain << 2)));
      }
    }
    const std::string file =
        (std::filesystem::temp_directory_path() / "rufo_bench_picture.png").string();
    rufo::assetkit::WritePng(file, picture);
    return file;
  }();
  return path;
}

void LoadInto565(benchmark::State& state) {
  const rufo::gfx::SurfaceFactory create =
      rufo::gfx::FixedLayoutFactory(rufo::platform::PixelLayout::kRgb565);
  for (auto _ : state) {
    std::unique_ptr<Surface> surface;
    if (!rufo::gfx::LoadPngPicture(PicturePath(), create, &surface))
      state.SkipWithError("load failed");
    benchmark::DoNotOptimize(surface->Pixels());
  }
}
BENCHMARK(LoadInto565)->Unit(benchmark::kMillisecond);

void LibpngSimplifiedToRgb(benchmark::State& state) {
  for (auto _ : state) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, PicturePath().c_str())) {
      state.SkipWithError("begin read failed");
      break;
    }
    image.format = PNG_FORMAT_RGB;
    std::vector<png_byte> pixels(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr))
      state.SkipWithError("read failed");
    benchmark::DoNotOptimize(pixels.data());
  }
}
BENCHMARK(LibpngSimplifiedToRgb)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
