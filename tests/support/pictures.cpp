#include "tests/support/pictures.h"

#include <cstdio>

#include "gfx/png_reader.h"
#include "tools/assetkit/png_writer.h"

namespace rufo::test {

bool WritePicture(const TempFolder& folder, const std::string& relative, int width, int height,
                  const Painter& paint) {
  assetkit::PngPicture picture{width, height, assetkit::PngColor::kRgb, {}};
  picture.pixels.reserve(static_cast<size_t>(width) * height * 3);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const uint32_t c = paint(x, y);
      picture.pixels.insert(
          picture.pixels.end(),
          {static_cast<uint8_t>(c >> 16), static_cast<uint8_t>(c >> 8), static_cast<uint8_t>(c)});
    }
  }
  folder.Write(relative, "");
  return assetkit::WritePng((folder.Path() / relative).string(), picture);
}

std::vector<uint32_t> ReadPicture(const std::string& path, int* width) {
  std::vector<uint32_t> pixels;
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return pixels;
  gfx::PngReader reader(file);
  if (reader.ReadHeader()) {
    if (width) *width = reader.Width();
    reader.ReadRows([&](int, const uint8_t* rgb) {
      for (int x = 0; x < reader.Width(); ++x) {
        pixels.push_back((rgb[3 * x] << 16) | (rgb[3 * x + 1] << 8) | rgb[3 * x + 2]);
      }
    });
  }
  std::fclose(file);
  return pixels;
}

}  // namespace rufo::test
