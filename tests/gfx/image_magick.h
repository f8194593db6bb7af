#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace rufo::test {

// Runs ImageMagick's convert with the given arguments (already quoted as the shell needs);
// true when it succeeds.
bool RunConvert(const std::string& arguments);

// ImageMagick's own decoding of a picture file as 8-bit R, G, B rows, taking the high byte of
// its 16-bit samples. Empty when it cannot decode the file.
std::vector<uint8_t> DecodeWithImageMagick(const std::string& path);

// The bit depth, colour type and interlace method from a PNG file's header; {0, 0, 0} when the
// file is not a PNG.
struct PngHeader {
  int bitDepth = 0;
  int colorType = 0;
  int interlace = 0;
  bool operator==(const PngHeader&) const = default;
};
PngHeader ReadPngHeader(const std::string& path);
// Whether the PNG file holds a chunk of the given type.
bool PngHasChunk(const std::string& path, const char* type);
// The PNG bytes with every chunk of the given type taken out.
std::vector<uint8_t> WithoutChunk(const std::vector<uint8_t>& png, const char* type);

// A small deterministic pseudo-random byte pattern.
std::vector<uint8_t> NoiseBytes(size_t count, uint32_t seed);
void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes);
std::vector<uint8_t> ReadBytes(const std::string& path);

}  // namespace rufo::test
