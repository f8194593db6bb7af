#include "gfx/bmp_file.h"

#include "platform/bmp_decoder.h"
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

// Checks the file and information headers before the decoder sees them, so a declared size outside
// the limits never reaches an allocation.
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
  return file && out && HeaderAllowed(file) && DecodeBmpPixels(file, out);
}

}  // namespace rufo::platform
