#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace rufo::assetkit {

enum class PngColor { kGrey, kRgb, kRgba };

// An 8-bit picture with its rows packed one after another, top row first: one byte per pixel
// for kGrey, three (R, G, B) for kRgb, four (R, G, B, A) for kRgba.
struct PngPicture {
  int width = 0;
  int height = 0;
  PngColor color = PngColor::kRgb;
  std::vector<uint8_t> pixels;
};

int SamplesPerPixel(PngColor color);

// Encodes the picture as a PNG file without time or gamma chunks, so the same picture always
// gives the same bytes. Empty when the picture's size and pixels do not agree.
std::vector<uint8_t> EncodePng(const PngPicture& picture);
// EncodePng written to a file; false when encoding or writing fails.
bool WritePng(const std::string& path, const PngPicture& picture);

}  // namespace rufo::assetkit
