#include "gfx/rgb_rows.h"

#include <cstring>

namespace rufo::gfx {
namespace {

void Store565(uint8_t* row, const uint8_t* rgb, int count) {
  for (int i = 0; i < count; ++i, rgb += 3, row += 2) {
    const unsigned pixel = ((rgb[0] & 0xF8u) << 8) | ((rgb[1] & 0xFCu) << 3) | (rgb[2] >> 3);
    row[0] = static_cast<uint8_t>(pixel);
    row[1] = static_cast<uint8_t>(pixel >> 8);
  }
}

void Store555(uint8_t* row, const uint8_t* rgb, int count) {
  for (int i = 0; i < count; ++i, rgb += 3, row += 2) {
    const unsigned pixel = ((rgb[0] & 0xF8u) << 7) | ((rgb[1] & 0xF8u) << 2) | (rgb[2] >> 3);
    row[0] = static_cast<uint8_t>(pixel);
    row[1] = static_cast<uint8_t>(pixel >> 8);
  }
}

void StoreBgr24(uint8_t* row, const uint8_t* rgb, int count) {
  for (int i = 0; i < count; ++i, rgb += 3, row += 3) {
    row[0] = rgb[2];
    row[1] = rgb[1];
    row[2] = rgb[0];
  }
}

void StoreRgb24(uint8_t* row, const uint8_t* rgb, int count) {
  std::memcpy(row, rgb, static_cast<size_t>(count) * 3);
}

void StoreBgrx32(uint8_t* row, const uint8_t* rgb, int count) {
  for (int i = 0; i < count; ++i, rgb += 3, row += 4) {
    row[0] = rgb[2];
    row[1] = rgb[1];
    row[2] = rgb[0];
  }
}

void StoreRgbx32(uint8_t* row, const uint8_t* rgb, int count) {
  for (int i = 0; i < count; ++i, rgb += 3, row += 4) {
    row[0] = rgb[0];
    row[1] = rgb[1];
    row[2] = rgb[2];
  }
}

}  // namespace

RgbRowWriter RgbRowWriterFor(platform::PixelLayout layout) {
  switch (layout) {
    case platform::PixelLayout::kRgb565:
      return Store565;
    case platform::PixelLayout::kRgb555:
      return Store555;
    case platform::PixelLayout::kBgr24:
      return StoreBgr24;
    case platform::PixelLayout::kRgb24:
      return StoreRgb24;
    case platform::PixelLayout::kBgrx32:
      return StoreBgrx32;
    case platform::PixelLayout::kRgbx32:
      return StoreRgbx32;
    case platform::PixelLayout::kUnsupported:
      break;
  }
  return nullptr;
}

}  // namespace rufo::gfx
