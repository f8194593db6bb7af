#pragma once

namespace rufo::platform {

// The largest picture any loader accepts. Game pictures are at most screen-sized; the bound
// keeps a damaged or hostile header from asking for gigabytes.
inline constexpr int kMaxPictureSide = 16384;
inline constexpr long long kMaxPicturePixels = 1LL << 24;

inline bool PictureSizeAllowed(long long width, long long height) {
  return width > 0 && height > 0 && width <= kMaxPictureSide && height <= kMaxPictureSide &&
         width * height <= kMaxPicturePixels;
}

}  // namespace rufo::platform
