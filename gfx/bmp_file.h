#pragma once

#include <cstdint>
#include <cstdio>
#include <vector>

namespace rufo::platform {

// A decoded picture as 8-bit R, G, B bytes, rows packed top row first.
struct RgbPicture {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> rgb;
};

// Decodes a Windows BMP file from the stream's current position. False for anything that is
// not a BMP the decoder understands or whose size lies outside the picture limits. The stream
// stays open.
bool DecodeBmp(std::FILE* file, RgbPicture* out);

}  // namespace rufo::platform
