#include "platform/pixel_format.h"

namespace rufo::platform {

PixelLayout LayoutOf(const PixelFormat& format) {
  bool redHigh = format.redMask == (format.bits == 16 ? 0xF800u : 0xFF0000u);
  switch (format.bits) {
    case 16:
      return redHigh ? PixelLayout::kRgb565 : PixelLayout::kRgb555;
    case 24:
      return redHigh ? PixelLayout::kBgr24 : PixelLayout::kRgb24;
    case 32:
      return redHigh ? PixelLayout::kBgrx32 : PixelLayout::kRgbx32;
    default:
      return PixelLayout::kUnsupported;
  }
}

PixelFormat FormatOf(PixelLayout layout) {
  switch (layout) {
    case PixelLayout::kRgb565:
      return {16, 0xF800, 0x07E0, 0x001F};
    case PixelLayout::kRgb555:
      return {16, 0x7C00, 0x03E0, 0x001F};
    case PixelLayout::kBgr24:
      return {24, 0xFF0000, 0x00FF00, 0x0000FF};
    case PixelLayout::kRgb24:
      return {24, 0x0000FF, 0x00FF00, 0xFF0000};
    case PixelLayout::kBgrx32:
      return {32, 0xFF0000, 0x00FF00, 0x0000FF};
    case PixelLayout::kRgbx32:
      return {32, 0x0000FF, 0x00FF00, 0xFF0000};
    case PixelLayout::kUnsupported:
      break;
  }
  return {};
}

int BytesPerPixel(const PixelFormat& format) {
  return (format.bits + 7) / 8;
}

uint32_t GdiColorToPixel(uint32_t c, const PixelFormat& format) {
  switch (format.bits) {
    case 16:
      if (format.redMask == 0xF800) {
        return ((c & 0xF80000) >> 19) | ((c & 0xFC00) >> 5) | ((c & 0xF8) << 8);
      }
      return ((c & 0xF80000) >> 19) | ((c & 0xF800) >> 6) | ((c & 0xF8) << 7);
    case 24:
    case 32:
      if (format.redMask == 0xFF0000) {
        return ((c & 0xFF0000) >> 16) | (c & 0xFF00) | ((c & 0xFF) << 16);
      }
      return c;
    default:
      return 0;
  }
}

}  // namespace rufo::platform
