#include "tests/gfx/image_magick.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>

namespace rufo::test {

bool RunConvert(const std::string& arguments) {
  const std::string command = "convert " + arguments + " 2>/dev/null";
  return std::system(command.c_str()) == 0;
}

std::vector<uint8_t> DecodeWithImageMagick(const std::string& path) {
  const std::string command = "convert '" + path + "' -depth 16 -endian MSB rgb:- 2>/dev/null";
  std::FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return {};
  std::vector<uint8_t> rgb;
  uint8_t sample[2];
  while (std::fread(sample, 1, 2, pipe) == 2)
    rgb.push_back(sample[0]);
  if (pclose(pipe) != 0) return {};
  return rgb;
}

PngHeader ReadPngHeader(const std::string& path) {
  const std::vector<uint8_t> bytes = ReadBytes(path);
  if (bytes.size() < 29 || bytes[1] != 'P' || bytes[2] != 'N' || bytes[3] != 'G') return {};
  return {bytes[24], bytes[25], bytes[28]};
}

namespace {

uint32_t ChunkLength(const std::vector<uint8_t>& png, size_t at) {
  return (static_cast<uint32_t>(png[at]) << 24) | (png[at + 1] << 16) | (png[at + 2] << 8) |
         png[at + 3];
}

bool IsChunk(const std::vector<uint8_t>& png, size_t at, const char* type) {
  return std::string(png.begin() + at + 4, png.begin() + at + 8) == type;
}

}  // namespace

std::vector<uint8_t> WithoutChunk(const std::vector<uint8_t>& png, const char* type) {
  std::vector<uint8_t> out(png.begin(), png.begin() + std::min<size_t>(8, png.size()));
  for (size_t at = 8; at + 8 <= png.size();) {
    const size_t end = std::min(png.size(), at + 12 + static_cast<size_t>(ChunkLength(png, at)));
    if (!IsChunk(png, at, type)) out.insert(out.end(), png.begin() + at, png.begin() + end);
    at = end;
  }
  return out;
}

bool PngHasChunk(const std::string& path, const char* type) {
  const std::vector<uint8_t> png = ReadBytes(path);
  return WithoutChunk(png, type).size() != png.size();
}

std::vector<uint8_t> NoiseBytes(size_t count, uint32_t seed) {
  std::vector<uint8_t> bytes(count);
  uint32_t state = seed * 2654435761u + 1;
  for (uint8_t& b : bytes) {
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    b = static_cast<uint8_t>(state >> 7);
  }
  return bytes;
}

void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

std::vector<uint8_t> ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace rufo::test
