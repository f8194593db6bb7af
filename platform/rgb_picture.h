#pragma once

#include <cstdint>
#include <vector>

namespace rufo::platform {

// A decoded picture as 8-bit R, G, B bytes, rows packed top row first.
struct RgbPicture {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> rgb;
};

}  // namespace rufo::platform
