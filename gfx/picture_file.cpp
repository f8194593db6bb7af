#include "gfx/picture_file.h"

#include <vector>

#include "gfx/bmp_file.h"
#include "gfx/png_reader.h"
#include "gfx/rgb_rows.h"
#include "platform/data_file.h"

namespace rufo::gfx {
namespace {

using platform::Surface;

constexpr size_t kReadBuffer = 64 * 1024;

using Reader = bool (*)(std::FILE*, const SurfaceFactory&, std::unique_ptr<Surface>*);

bool LoadFile(const std::string& path, Reader read, const SurfaceFactory& create,
              std::unique_ptr<Surface>* out) {
  out->reset();
  std::FILE* file = platform::OpenFile(path, "rb");
  if (!file) return false;
  // Pictures are read whole: a larger buffer reads them in a few calls instead of a hundred.
  // It is given, as the C library would make one of its default size only.
  std::vector<char> buffer(kReadBuffer);
  std::setvbuf(file, buffer.data(), _IOFBF, buffer.size());
  const bool loaded = read(file, create, out);
  std::fclose(file);
  return loaded;
}

// The surface's row writer, or one that leaves the pixels unwritten for a layout the loaders
// do not know.
RgbRowWriter WriterFor(const Surface& surface) {
  RgbRowWriter writer = RgbRowWriterFor(surface.Layout());
  return writer ? writer : [](uint8_t*, const uint8_t*, int) {};
}

// Creates the picture's surface and locks it for writing; nullptr (and no surface) on failure.
uint8_t* CreateLocked(const SurfaceFactory& create, int width, int height,
                      std::unique_ptr<Surface>* out, int* pitch) {
  uint8_t* pixels = nullptr;
  if (create(width, height, out) == platform::kDdOk && *out) pixels = (*out)->Lock(pitch);
  if (!pixels) out->reset();
  return pixels;
}

}  // namespace

SurfaceFactory FixedLayoutFactory(platform::PixelLayout layout) {
  return [layout](int width, int height, std::unique_ptr<Surface>* out) {
    *out = std::make_unique<Surface>(width, height, platform::FormatOf(layout),
                                     platform::SurfaceMemory::kSystem, nullptr);
    return platform::kDdOk;
  };
}

bool ReadPngPicture(std::FILE* file, const SurfaceFactory& create, std::unique_ptr<Surface>* out) {
  out->reset();
  PngReader reader(file);
  if (!reader.ReadHeader()) return false;
  int pitch = 0;
  uint8_t* pixels = CreateLocked(create, reader.Width(), reader.Height(), out, &pitch);
  if (!pixels) return false;
  const RgbRowWriter write = WriterFor(**out);
  const int width = reader.Width();
  const bool decoded = reader.ReadRows([&](int y, const uint8_t* rgb) {
    write(pixels + static_cast<size_t>(y) * pitch, rgb, width);
  });
  (*out)->Unlock();
  if (!decoded) out->reset();
  return decoded;
}

bool ReadBmpPicture(std::FILE* file, const SurfaceFactory& create, std::unique_ptr<Surface>* out) {
  out->reset();
  platform::RgbPicture picture;
  if (!platform::DecodeBmp(file, &picture)) return false;
  int pitch = 0;
  uint8_t* pixels = CreateLocked(create, picture.width, picture.height, out, &pitch);
  if (!pixels) return false;
  const RgbRowWriter write = WriterFor(**out);
  const size_t rowBytes = static_cast<size_t>(picture.width) * 3;
  for (int y = 0; y < picture.height; ++y) {
    write(pixels + static_cast<size_t>(y) * pitch, picture.rgb.data() + y * rowBytes,
          picture.width);
  }
  (*out)->Unlock();
  return true;
}

bool LoadPngPicture(const std::string& path, const SurfaceFactory& create,
                    std::unique_ptr<Surface>* out) {
  return LoadFile(path, ReadPngPicture, create, out);
}

bool LoadBmpPicture(const std::string& path, const SurfaceFactory& create,
                    std::unique_ptr<Surface>* out) {
  return LoadFile(path, ReadBmpPicture, create, out);
}

}  // namespace rufo::gfx
