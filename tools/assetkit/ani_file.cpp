#include "tools/assetkit/ani_file.h"

#include <cstring>
#include <stdexcept>

namespace rufo::assetkit {
namespace {

constexpr size_t kMinRun = 4;  // a run costs three words, so shorter runs do not pay

void PutU32(std::string& out, uint32_t value) {
  for (int i = 0; i < 4; ++i)
    out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

void PutU16(std::string& out, uint16_t value) {
  out.push_back(static_cast<char>(value & 0xFF));
  out.push_back(static_cast<char>(value >> 8));
}

// The lowest 16-bit value that no pixel of any frame uses.
uint16_t UnusedWord(const Animation& animation) {
  std::vector<bool> used(0x10000, false);
  for (const AniFrame& frame : animation.frames) {
    for (uint16_t pixel : frame)
      used[pixel] = true;
  }
  for (uint32_t word = 1; word < 0x10000; ++word) {
    if (!used[word]) return static_cast<uint16_t>(word);
  }
  throw std::invalid_argument("animation uses every 16-bit value; no run marker is left");
}

void EncodeRow(const uint16_t* row, uint32_t width, uint16_t marker, std::string& out) {
  uint32_t x = 0;
  while (x < width) {
    uint32_t run = 1;
    while (x + run < width && row[x + run] == row[x] && run < 0xFFFF)
      ++run;
    if (run >= kMinRun) {
      PutU16(out, marker);
      PutU16(out, static_cast<uint16_t>(run));
      PutU16(out, row[x]);
    } else {
      for (uint32_t i = 0; i < run; ++i)
        PutU16(out, row[x]);
    }
    x += run;
  }
}

}  // namespace

std::string EncodeAni(const Animation& animation) {
  const size_t pixels = size_t{animation.width} * animation.height;
  for (const AniFrame& frame : animation.frames) {
    if (frame.size() != pixels) throw std::invalid_argument("animation frame of the wrong size");
  }
  const uint16_t marker = UnusedWord(animation);
  std::string out;
  out.append("RA10");
  PutU32(out, animation.width);
  PutU32(out, animation.height);
  PutU32(out, 16);
  PutU32(out, animation.colorKey);
  PutU32(out, marker);
  PutU32(out, static_cast<uint32_t>(animation.frames.size()));
  uint32_t seconds = 0;
  std::memcpy(&seconds, &animation.frameSeconds, sizeof seconds);
  PutU32(out, seconds);
  const size_t table = out.size();
  out.append(4 * animation.frames.size(), '\0');
  for (size_t i = 0; i < animation.frames.size(); ++i) {
    const uint32_t offset = static_cast<uint32_t>(out.size());
    for (int b = 0; b < 4; ++b)
      out[table + 4 * i + b] = static_cast<char>((offset >> (8 * b)) & 0xFF);
    std::string data;
    for (uint32_t y = 0; y < animation.height; ++y) {
      EncodeRow(animation.frames[i].data() + size_t{y} * animation.width, animation.width, marker,
                data);
    }
    out.append("AF");
    PutU32(out, static_cast<uint32_t>(data.size()));
    out.append(data);
  }
  return out;
}

}  // namespace rufo::assetkit
