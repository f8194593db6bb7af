#include "gfx/bmp_file.h"

#include <SDL.h>

#include <cstdlib>
#include <cstring>

#include "platform/picture_limits.h"

namespace rufo::platform {
namespace {

int32_t ReadI32(const uint8_t* p) {
  return static_cast<int32_t>(p[0] | (p[1] << 8) | (p[2] << 16) |
                              (static_cast<uint32_t>(p[3]) << 24));
}

int ReadU16(const uint8_t* p) {
  return p[0] | (p[1] << 8);
}

// Checks the file and information headers before SDL sees them, so a declared size outside the
// limits never reaches an allocation.
bool HeaderAllowed(std::FILE* file) {
  uint8_t header[26];
  const long start = std::ftell(file);
  const bool read = std::fread(header, 1, sizeof header, file) == sizeof header;
  if (start < 0 || std::fseek(file, start, SEEK_SET) != 0 || !read) return false;
  if (header[0] != 'B' || header[1] != 'M') return false;
  const int32_t infoSize = ReadI32(header + 14);
  long long width = 0, height = 0;
  if (infoSize == 12) {  // the old core header: unsigned 16-bit sizes, always bottom-up
    width = ReadU16(header + 18);
    height = ReadU16(header + 20);
  } else if (infoSize >= 40) {
    width = ReadI32(header + 18);
    height = ReadI32(header + 22);
  } else {
    return false;
  }
  return PictureSizeAllowed(width, height < 0 ? -height : height);
}

}  // namespace

bool DecodeBmp(std::FILE* file, RgbPicture* out) {
  if (!file || !out || !HeaderAllowed(file)) return false;
  SDL_RWops* stream = SDL_RWFromFP(file, SDL_FALSE);
  if (!stream) return false;
  SDL_Surface* loaded = SDL_LoadBMP_RW(stream, 1);
  if (!loaded) return false;
  SDL_Surface* rgb = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_RGB24, 0);
  SDL_FreeSurface(loaded);
  if (!rgb) return false;
  out->width = rgb->w;
  out->height = rgb->h;
  const size_t rowBytes = static_cast<size_t>(rgb->w) * 3;
  out->rgb.resize(rowBytes * rgb->h);
  const auto* pixels = static_cast<const uint8_t*>(rgb->pixels);
  for (int y = 0; y < rgb->h; ++y) {
    std::memcpy(out->rgb.data() + y * rowBytes, pixels + static_cast<size_t>(y) * rgb->pitch,
                rowBytes);
  }
  SDL_FreeSurface(rgb);
  return true;
}

}  // namespace rufo::platform
