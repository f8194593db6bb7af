#include "tools/assetkit/ani_file.h"

#include <array>
#include <cstring>
#include <stdexcept>

namespace rufo::assetkit {
namespace {

constexpr size_t kHeaderSize = 32;
constexpr size_t kMinRun = 4;  // a run costs three words, so shorter runs do not pay
constexpr uint64_t kMaxPixels = uint64_t{1} << 26;

void PutU32(std::string& out, uint32_t value) {
  for (int i = 0; i < 4; ++i)
    out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

void PutU16(std::string& out, uint16_t value) {
  out.push_back(static_cast<char>(value & 0xFF));
  out.push_back(static_cast<char>(value >> 8));
}

uint32_t GetU32(const std::string& bytes, size_t at) {
  uint32_t value = 0;
  for (int i = 3; i >= 0; --i)
    value = (value << 8) | static_cast<uint8_t>(bytes[at + i]);
  return value;
}

uint16_t GetU16(const std::string& bytes, size_t at) {
  return static_cast<uint16_t>(static_cast<uint8_t>(bytes[at]) |
                               (static_cast<uint8_t>(bytes[at + 1]) << 8));
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

std::optional<Animation> DecodeAni(const std::string& bytes) {
  if (bytes.size() < kHeaderSize || bytes.compare(0, 4, "RA10") != 0) return std::nullopt;
  Animation animation;
  animation.width = GetU32(bytes, 4);
  animation.height = GetU32(bytes, 8);
  if (GetU32(bytes, 12) != 16) return std::nullopt;
  animation.colorKey = GetU32(bytes, 16);
  const uint32_t marker = GetU32(bytes, 20);
  const uint32_t count = GetU32(bytes, 24);
  const uint32_t seconds = GetU32(bytes, 28);
  std::memcpy(&animation.frameSeconds, &seconds, sizeof seconds);
  const uint64_t pixels = uint64_t{animation.width} * animation.height;
  if (pixels > kMaxPixels || count > (bytes.size() - kHeaderSize) / 4) return std::nullopt;
  for (uint32_t i = 0; i < count; ++i) {
    const uint64_t offset = GetU32(bytes, kHeaderSize + 4 * size_t{i});
    if (offset + 6 > bytes.size() || bytes.compare(offset, 2, "AF") != 0) return std::nullopt;
    const uint64_t size = GetU32(bytes, offset + 2);
    if (offset + 6 + size > bytes.size() || size % 2 != 0) return std::nullopt;
    AniFrame frame;
    frame.reserve(pixels);
    for (uint64_t at = offset + 6; at < offset + 6 + size; at += 2) {
      const uint16_t word = GetU16(bytes, at);
      if (word != marker) {
        if (frame.size() == pixels) return std::nullopt;
        frame.push_back(word);
        continue;
      }
      if (at + 6 > offset + 6 + size) return std::nullopt;
      const uint16_t run = GetU16(bytes, at + 2);
      if (frame.size() + run > pixels) return std::nullopt;
      frame.insert(frame.end(), run, GetU16(bytes, at + 4));
      at += 4;
    }
    if (frame.size() != pixels) return std::nullopt;
    animation.frames.push_back(std::move(frame));
  }
  return animation;
}

}  // namespace rufo::assetkit
