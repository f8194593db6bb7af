#include "gfx/hit_map.h"

#include "gfx/png_reader.h"

namespace rufo::gfx {

bool HitMap::Load(std::FILE* file, int width, int height) {
  PngReader reader(file);
  if (!reader.ReadHeader() || reader.Width() != width || reader.Height() != height) return false;
  next_.resize(static_cast<size_t>(width) * height);
  const bool decoded = reader.ReadRows([&](int y, const uint8_t* rgb) {
    uint8_t* row = next_.data() + static_cast<size_t>(y) * width;
    for (int x = 0; x < width; ++x)
      row[x] = rgb[3 * x];
  });
  if (!decoded) return false;
  bytes_.swap(next_);
  width_ = width;
  height_ = height;
  return true;
}

void HitMap::Free() {
  bytes_ = {};
  next_ = {};
  width_ = height_ = 0;
}

uint8_t HitMap::Value(int x, int y) const {
  if (bytes_.empty() || x < 0 || y < 0 || x >= width_ || y >= height_) return kNoRegion;
  return bytes_[static_cast<size_t>(y) * width_ + x];
}

}  // namespace rufo::gfx
