#include "gfx/hit_map.h"

#include "gfx/png_reader.h"

namespace rufo::gfx {
namespace {

std::string Size(int width, int height) {
  return std::to_string(width) + "x" + std::to_string(height);
}

}  // namespace

bool HitMap::Load(std::FILE* file, int width, int height, std::string* fault) {
  Free();
  std::string problem;
  PngReader reader(file);
  if (!reader.ReadHeader()) {
    problem = "is no PNG picture that can be read";
  } else if (reader.Width() != width || reader.Height() != height) {
    problem = "is " + Size(reader.Width(), reader.Height()) + " pixels, not " + Size(width, height);
  } else {
    bytes_.resize(static_cast<size_t>(width) * height);
    const bool decoded = reader.ReadRows([&](int y, const uint8_t* rgb) {
      uint8_t* row = bytes_.data() + static_cast<size_t>(y) * width;
      for (int x = 0; x < width; ++x)
        row[x] = rgb[3 * x];
    });
    if (decoded) {
      width_ = width;
      height_ = height;
      return true;
    }
    Free();
    problem = "is damaged";
  }
  if (fault) *fault = problem;
  return false;
}

void HitMap::Free() {
  bytes_ = {};
  width_ = height_ = 0;
}

uint8_t HitMap::Value(int x, int y) const {
  if (bytes_.empty() || x < 0 || y < 0 || x >= width_ || y >= height_) return kNoRegion;
  return bytes_[static_cast<size_t>(y) * width_ + x];
}

}  // namespace rufo::gfx
