// Feeds arbitrary bytes to the BMP picture loader (in a 24-bit surface).
#include <cstdint>
#include <cstdio>
#include <memory>

#include "gfx/picture_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using rufo::platform::Surface;
  const rufo::gfx::SurfaceFactory create =
      rufo::gfx::FixedLayoutFactory(rufo::platform::PixelLayout::kBgr24);
  if (std::FILE* file = fmemopen(const_cast<uint8_t*>(data), size, "rb")) {
    std::unique_ptr<Surface> surface;
    rufo::gfx::ReadBmpPicture(file, create, &surface);
    std::fclose(file);
  }
  return 0;
}
