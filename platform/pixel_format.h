#pragma once

#include <cstdint>

namespace rufo::platform {

// A surface's pixel format as DirectDraw describes it: bit count and channel masks.
struct PixelFormat {
  int bits = 0;
  uint32_t redMask = 0;
  uint32_t greenMask = 0;
  uint32_t blueMask = 0;

  friend bool operator==(const PixelFormat&, const PixelFormat&) = default;
};

// The RGB layouts the graphics code recognises, from the bit count and the red mask only.
enum class PixelLayout {
  kRgb565,  // 16 bits, red mask 0xF800
  kRgb555,  // 16 bits, any other red mask; bit 15 stays 0
  kBgr24,   // 24 bits, red mask 0xFF0000: bytes B, G, R
  kRgb24,   // 24 bits, any other red mask: bytes R, G, B
  kBgrx32,  // 32 bits, red mask 0xFF0000: bytes B, G, R, unused
  kRgbx32,  // 32 bits, any other red mask: bytes R, G, B, unused
  kUnsupported,
};

PixelLayout LayoutOf(const PixelFormat& format);
PixelFormat FormatOf(PixelLayout layout);
int BytesPerPixel(const PixelFormat& format);

// Windows GDI colour value 0x00BBGGRR to a pixel value of the format (0 when unsupported).
uint32_t GdiColorToPixel(uint32_t color, const PixelFormat& format);

inline constexpr uint32_t Rgb(uint8_t r, uint8_t g, uint8_t b) {
  return r | (static_cast<uint32_t>(g) << 8) | (static_cast<uint32_t>(b) << 16);
}

}  // namespace rufo::platform
