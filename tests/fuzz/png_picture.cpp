// Feeds arbitrary bytes to the PNG picture loader (in a 5-6-5 surface) and the hit-map loader.
#include <cstdint>
#include <cstdio>
#include <memory>

#include "gfx/hit_map.h"
#include "gfx/picture_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using rufo::platform::Surface;
  const rufo::gfx::SurfaceFactory create =
      rufo::gfx::FixedLayoutFactory(rufo::platform::PixelLayout::kRgb565);
  if (std::FILE* file = fmemopen(const_cast<uint8_t*>(data), size, "rb")) {
    std::unique_ptr<Surface> surface;
    rufo::gfx::ReadPngPicture(file, create, &surface);
    std::fclose(file);
  }
  if (std::FILE* file = fmemopen(const_cast<uint8_t*>(data), size, "rb")) {
    rufo::gfx::HitMap map;
    if (map.Load(file, 16, 16)) map.Value(15, 15);
    std::fclose(file);
  }
  return 0;
}
