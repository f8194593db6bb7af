#include "controls/ani_file.h"

#include "platform/picture_limits.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace rufo {
namespace {

bool ReadU32(std::FILE* file, uint32_t* value) {
  uint8_t bytes[4];
  if (std::fread(bytes, 1, 4, file) != 4) return false;
  *value = bytes[0] | (bytes[1] << 8) | (bytes[2] << 16) | (static_cast<uint32_t>(bytes[3]) << 24);
  return true;
}

// Runs are filled eight 16-bit or four 32-bit pixels at a time: most of a frame's pixels come
// from runs, and the compiler does not vectorise these loops by itself at every optimisation
// level.
typedef uint16_t Lanes16 __attribute__((vector_size(16)));
typedef uint32_t Lanes32 __attribute__((vector_size(16)));

// Short runs, the most common, take two overlapping stores instead of a loop. Long runs, which
// cover most of a frame, take four stores a step and end with four that overlap the last step.
void FillWords(uint16_t* d, int count, uint16_t p) {
  const Lanes16 lanes = Lanes16{} + p;
  const auto put8 = [&](int at) { std::memcpy(d + at, &lanes, sizeof lanes); };
  if (count >= 32) {
    for (int i = 0; i + 32 <= count; i += 32) {
      put8(i);
      put8(i + 8);
      put8(i + 16);
      put8(i + 24);
    }
    put8(count - 32);
    put8(count - 24);
    put8(count - 16);
    put8(count - 8);
  } else if (count >= 16) {
    put8(0);
    put8(8);
    put8(count - 16);
    put8(count - 8);
  } else if (count >= 8) {
    put8(0);
    put8(count - 8);
  } else if (count >= 4) {
    const uint64_t four = 0x0001000100010001ull * p;
    std::memcpy(d, &four, sizeof four);
    std::memcpy(d + count - 4, &four, sizeof four);
  } else if (count >= 2) {
    const uint32_t two = 0x00010001u * p;
    std::memcpy(d, &two, sizeof two);
    std::memcpy(d + count - 2, &two, sizeof two);
  } else if (count == 1) {
    *d = p;
  }
}

// Sets the three low-address bytes of each 32-bit pixel and keeps the fourth.
void FillKeepingFourthByte(uint8_t* d, int count, uint32_t bytes) {
  constexpr uint32_t kKept = std::endian::native == std::endian::little ? 0xFF000000u : 0xFFu;
  const uint32_t value =
      std::endian::native == std::endian::little ? bytes : __builtin_bswap32(bytes);
  const Lanes32 kept = Lanes32{} + kKept;
  const Lanes32 lanes = Lanes32{} + value;
  int i = 0;
  for (; i + 4 <= count; i += 4) {
    Lanes32 old;
    std::memcpy(&old, d + i * 4, sizeof old);
    const Lanes32 out = (old & kept) | lanes;
    std::memcpy(d + i * 4, &out, sizeof out);
  }
  for (; i < count; ++i) {
    d[i * 4] = static_cast<uint8_t>(bytes);
    d[i * 4 + 1] = static_cast<uint8_t>(bytes >> 8);
    d[i * 4 + 2] = static_cast<uint8_t>(bytes >> 16);
  }
}

// Pixel writers for each destination layout: Put writes one pixel, Fill a run of one pixel.
struct Write565 {
  static void Put(uint8_t* row, int x, uint16_t p) { reinterpret_cast<uint16_t*>(row)[x] = p; }
  static void Fill(uint8_t* row, int x, int count, uint16_t p) {
    FillWords(reinterpret_cast<uint16_t*>(row) + x, count, p);
  }
};

struct Write555 {
  static uint16_t Convert(uint16_t p) {
    return static_cast<uint16_t>((p & 0x1F) | ((p & 0xFFC0) >> 1));
  }
  static void Put(uint8_t* row, int x, uint16_t p) { Write565::Put(row, x, Convert(p)); }
  static void Fill(uint8_t* row, int x, int count, uint16_t p) {
    Write565::Fill(row, x, count, Convert(p));
  }
};

// 24 and 32 bits: red = (p & 0xF800) >> 8, green = (p & 0x7E0) >> 3, blue = (p & 0x1F) * 8, in
// the order blue, green, red or red, green, blue; a fourth byte is left as it is.
template <int kBytes, bool kBgr>
struct WriteBytes {
  // The three bytes in memory order, the first in the low byte.
  static uint32_t Bytes(uint16_t p) {
    const uint32_t r = (p & 0xF800u) >> 8;
    const uint32_t g = (p & 0x7E0u) >> 3;
    const uint32_t b = (p & 0x1Fu) << 3;
    return kBgr ? b | g << 8 | r << 16 : r | g << 8 | b << 16;
  }
  static void Put(uint8_t* row, int x, uint16_t p) {
    const uint32_t bytes = Bytes(p);
    uint8_t* d = row + static_cast<size_t>(x) * kBytes;
    d[0] = static_cast<uint8_t>(bytes);
    d[1] = static_cast<uint8_t>(bytes >> 8);
    d[2] = static_cast<uint8_t>(bytes >> 16);
  }
  static void Fill(uint8_t* row, int x, int count, uint16_t p) {
    if constexpr (kBytes == 4) {
      FillKeepingFourthByte(row + static_cast<size_t>(x) * 4, count, Bytes(p));
    } else {
      for (int i = 0; i < count; ++i)
        Put(row, x + i, p);
    }
  }
};

// One step per literal word or run: most literal stretches in drawn art are a pixel or two
// long, and most runs are short.
template <typename Writer>
void Decode(std::span<const uint16_t> data, uint32_t marker, int width, int height, uint8_t* row,
            int pitch) {
  const uint16_t* words = data.data();
  const size_t count = data.size();
  size_t at = 0;
  for (int y = 0; y < height; ++y, row += pitch) {
    int x = 0;
    while (x < width) {
      if (at >= count) return;
      const uint16_t word = words[at];
      if (word != marker) {
        Writer::Put(row, x++, word);
        ++at;
        continue;
      }
      if (count - at < 3) return;
      const int run = std::min<int>(words[at + 1], width - x);
      Writer::Fill(row, x, run, words[at + 2]);
      x += run;
      at += 3;
    }
  }
}

}  // namespace

AniFile::~AniFile() {
  Close();
}

void AniFile::Close() {
  if (file_) std::fclose(file_);
  file_ = nullptr;
  offsets_.clear();
  cache_.clear();
  header_ = {};
}

bool AniFile::Open(std::FILE* file) {
  Close();
  if (!file) return false;
  file_ = file;
  if (std::fseek(file_, 0, SEEK_END) != 0 || (fileSize_ = std::ftell(file_)) < 0 ||
      std::fseek(file_, 0, SEEK_SET) != 0) {
    Close();
    return false;
  }
  char magic[4];
  uint32_t seconds = 0;
  const bool headerRead = std::fread(magic, 1, 4, file_) == 4 && ReadU32(file_, &header_.width) &&
                          ReadU32(file_, &header_.height) &&
                          ReadU32(file_, &header_.bitsPerPixel) &&
                          ReadU32(file_, &header_.colorKey) && ReadU32(file_, &header_.runMarker) &&
                          ReadU32(file_, &header_.frameCount) && ReadU32(file_, &seconds);
  // The offset table must lie within the file; a longer one could only end in a short read.
  if (!headerRead || std::memcmp(magic, "RA10", 4) != 0 || header_.bitsPerPixel != 16 ||
      !platform::PictureSizeAllowed(header_.width, header_.height) ||
      header_.frameCount > (static_cast<uint64_t>(fileSize_) - kHeaderSize) / 4) {
    Close();
    return false;
  }
  std::memcpy(&header_.frameSeconds, &seconds, sizeof seconds);
  offsets_.resize(header_.frameCount);
  for (uint32_t& offset : offsets_) {
    if (!ReadU32(file_, &offset)) {
      Close();
      return false;
    }
  }
  cache_.resize(offsets_.size());
  return true;
}

bool AniFile::LoadFrame(int index) {
  if (!file_ || index < 0 || index >= FrameCount()) return false;
  Frame& frame = cache_[index];
  if (frame.loaded) return true;
  const uint64_t offset = offsets_[index];
  char tag[2];
  uint32_t size = 0;
  if (offset + 6 > static_cast<uint64_t>(fileSize_) ||
      std::fseek(file_, static_cast<long>(offset), SEEK_SET) != 0 ||
      std::fread(tag, 1, 2, file_) != 2 || tag[0] != 'A' || tag[1] != 'F' ||
      !ReadU32(file_, &size) || offset + 6 + size > static_cast<uint64_t>(fileSize_)) {
    return false;
  }
  // Read as bytes into the words, then put each word in the machine's order.
  std::vector<uint16_t> words((size + 1) / 2);
  if (std::fread(words.data(), 1, size, file_) != size) return false;
  words.resize(size / 2);
  if constexpr (std::endian::native == std::endian::big) {
    for (uint16_t& word : words)
      word = static_cast<uint16_t>((word >> 8) | (word << 8));
  }
  frame.words = std::move(words);
  frame.loaded = true;
  return true;
}

const std::vector<uint16_t>* AniFile::CachedFrame(int index) const {
  if (index < 0 || index >= FrameCount() || !cache_[index].loaded) return nullptr;
  return &cache_[index].words;
}

void DecodeAniFrame(std::span<const uint16_t> data, uint32_t runMarker, int width, int height,
                    uint8_t* pixels, int pitch, platform::PixelLayout layout) {
  using platform::PixelLayout;
  switch (layout) {
    case PixelLayout::kRgb565:
      return Decode<Write565>(data, runMarker, width, height, pixels, pitch);
    case PixelLayout::kRgb555:
      return Decode<Write555>(data, runMarker, width, height, pixels, pitch);
    case PixelLayout::kBgr24:
      return Decode<WriteBytes<3, true>>(data, runMarker, width, height, pixels, pitch);
    case PixelLayout::kRgb24:
      return Decode<WriteBytes<3, false>>(data, runMarker, width, height, pixels, pitch);
    case PixelLayout::kBgrx32:
      return Decode<WriteBytes<4, true>>(data, runMarker, width, height, pixels, pitch);
    case PixelLayout::kRgbx32:
      return Decode<WriteBytes<4, false>>(data, runMarker, width, height, pixels, pitch);
    case PixelLayout::kUnsupported:
      return;
  }
}

}  // namespace rufo
