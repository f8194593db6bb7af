#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace rufo::assetkit {

// One frame of an animation: width × height pixels in 5-6-5 RGB, row after row from the top.
using AniFrame = std::vector<uint16_t>;

struct Animation {
  uint32_t width = 0;
  uint32_t height = 0;
  uint32_t colorKey = 0xFF00FF;  // GDI colour 0x00BBGGRR of the transparent pixels
  float frameSeconds = 0.1f;
  std::vector<AniFrame> frames;
};

// 5-6-5 pixel of an 8-bit RGB colour.
constexpr uint16_t Rgb565(uint8_t r, uint8_t g, uint8_t b) {
  return static_cast<uint16_t>(((r & 0xF8) << 8) | ((g & 0xFC) << 3) | (b >> 3));
}

// The bytes of an ".ani" file: the "RA10" header, the frame offset table and one "AF" record
// per frame. Rows are run-length encoded with a run marker that no pixel of the animation
// uses; runs never cross a row end. Every frame must hold width × height pixels.
std::string EncodeAni(const Animation& animation);

}  // namespace rufo::assetkit
