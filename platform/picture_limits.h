#pragma once

#include <algorithm>
#include <cstdint>

namespace rufo::platform {

// The largest picture any loader accepts. Game pictures are at most screen-sized; the bound
// keeps a damaged or hostile header from asking for gigabytes.
inline constexpr int kMaxPictureSide = 16384;
inline constexpr long long kMaxPicturePixels = 1LL << 24;

inline bool PictureSizeAllowed(long long width, long long height) {
  return width > 0 && height > 0 && width <= kMaxPictureSide && height <= kMaxPictureSide &&
         width * height <= kMaxPicturePixels;
}

// Positions read from data files (controls, cursor hot spots) are held within this distance of
// the screen's origin, so that adding a picture's size or the mouse position never overflows.
inline constexpr int32_t kMaxCoordinate = 32767;

inline int32_t BoundCoordinate(int32_t value) {
  return std::clamp(value, -kMaxCoordinate, kMaxCoordinate);
}

}  // namespace rufo::platform
