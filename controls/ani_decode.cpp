// Decoding a frame's run-length words into a surface of any pixel layout.
#include "controls/ani_file.h"

#include <algorithm>
#include <bit>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace rufo {
namespace {

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
  static uint16_t Convert(uint16_t p) { return p; }
  static Lanes16 Convert(Lanes16 p) { return p; }
  static void Put(uint8_t* row, int x, uint16_t p) { reinterpret_cast<uint16_t*>(row)[x] = p; }
  static void Fill(uint8_t* row, int x, int count, uint16_t p) {
    FillWords(reinterpret_cast<uint16_t*>(row) + x, count, p);
  }
};

struct Write555 {
  static uint16_t Convert(uint16_t p) {
    return static_cast<uint16_t>((p & 0x1F) | ((p & 0xFFC0) >> 1));
  }
  static Lanes16 Convert(Lanes16 p) { return (p & 0x1F) | ((p & 0xFFC0) >> 1); }
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

#if defined(__SSE2__)
// A wide step copies up to kWideLiterals literal words with whole 16-byte stores and may so
// store up to 31 pixels past the ones its words stand for; the next 31 words or runs of the row,
// each at least a pixel and together at most 93 words on, overwrite them. A batch of steps reads
// up to 96 words on: marker bits for 64, then a copy of 32 from the last stretch among them.
// Closer to the data's end than kWideSlack words only the exact steps are taken, so that no read
// passes the end and a frame cut short leaves the rest of the surface as it was.
constexpr int kWideLiterals = 32;
constexpr size_t kWideSlack = 192;

// Bit i says whether words[i] is the marker, for 64 words.
uint64_t MarkerBits64(const uint16_t* words, __m128i markers) {
  const auto hits = [&](int i) {
    return _mm_cmpeq_epi16(_mm_loadu_si128(reinterpret_cast<const __m128i*>(words + i)), markers);
  };
  const auto bits16 = [&](int i) {
    return static_cast<uint64_t>(
        static_cast<uint32_t>(_mm_movemask_epi8(_mm_packs_epi16(hits(i), hits(i + 8)))));
  };
  return bits16(0) | bits16(16) << 16 | bits16(32) << 32 | bits16(48) << 48;
}

// 16-bit layouts: each step copies the literal words before the next marker, up to 32, as
// whole 16-byte stores, then fills the run after them, a short one with one store of eight.
// The marker bits of the next 64 words are taken at once. The first marker word starts a run;
// when no two marker words lie within three words of each other, none is a run's length or
// pixel, so each starts a run and the steps up to the last of them follow one another without
// waiting on each other's lengths: in drawn art literal stretches and runs are mostly a few
// pixels long. Otherwise, and near a row's end, one step at a time; near the data's end the
// exact steps, written out here as in Decode: a shared inlined step made the wide loop a tenth
// slower.
template <typename Writer>
void DecodeWide(std::span<const uint16_t> data, uint16_t marker, int width, int height,
                uint8_t* row, int pitch) {
  const uint16_t* words = data.data();
  const size_t count = data.size();
  const size_t wideEnd = count > kWideSlack ? count - kWideSlack : 0;
  const __m128i markers = _mm_set1_epi16(static_cast<short>(marker));
  size_t at = 0;
  for (int y = 0; y < height; ++y, row += pitch) {
    uint16_t* d = reinterpret_cast<uint16_t*>(row);
    int x = 0;
    while (x < width) {
      if (at < wideEnd && x + kWideLiterals <= width) {
        uint64_t bits = MarkerBits64(words + at, markers);
        const auto copy32 = [&](const uint16_t* from) {
          const auto copy8 = [&](int i) {
            Lanes16 lanes;
            std::memcpy(&lanes, from + i, sizeof lanes);
            lanes = Writer::Convert(lanes);
            std::memcpy(d + x + i, &lanes, sizeof lanes);
          };
          // Four calls, not a loop: at -O2 the loop is not unrolled and costs a sixth more.
          copy8(0);
          copy8(8);
          copy8(16);
          copy8(24);
        };
        const auto fill = [&](int run, uint16_t pixel) {
          if (run <= 8 && x + 8 <= width) {
            const Lanes16 lanes = Lanes16{} + pixel;
            std::memcpy(d + x, &lanes, sizeof lanes);
          } else {
            FillWords(d + x, run, pixel);
          }
        };
        if ((bits & (bits >> 1 | bits >> 2)) == 0) {
          size_t next = 0;  // the first word of the window not yet decoded
          for (; bits != 0; bits &= bits - 1) {
            const int place = std::countr_zero(bits);
            const int literals = place - static_cast<int>(next);
            const int run = words[at + place + 1];
            if (literals > kWideLiterals || x + kWideLiterals > width ||
                x + literals + std::max(run, 8) > width)
              break;
            copy32(words + at + next);
            x += literals;
            fill(run, Writer::Convert(words[at + place + 2]));
            x += run;
            next = place + 3;
          }
          if (next > 0) {
            at += next;
            continue;
          }
        }
        const int literals = std::countr_zero(bits | uint64_t{1} << kWideLiterals);
        copy32(words + at);
        x += literals;
        at += literals;
        if (literals == kWideLiterals) continue;
        const int run = std::min<int>(words[at + 1], width - x);
        fill(run, Writer::Convert(words[at + 2]));
        at += 3;
        x += run;
        continue;
      }
      if (at >= count) return;
      const uint16_t word = words[at];
      if (word != marker) {
        d[x++] = Writer::Convert(word);
        ++at;
        continue;
      }
      if (count - at < 3) return;
      const int run = std::min<int>(words[at + 1], width - x);
      FillWords(d + x, run, Writer::Convert(words[at + 2]));
      x += run;
      at += 3;
    }
  }
}
#endif

// The wide steps need SSE2 to find the markers; a marker above 0xFFFF, which no word matches,
// is left to the plain steps.
template <typename Writer>
void Decode16(std::span<const uint16_t> data, uint32_t marker, int width, int height, uint8_t* row,
              int pitch) {
#if defined(__SSE2__)
  if (marker <= 0xFFFF) {
    return DecodeWide<Writer>(data, static_cast<uint16_t>(marker), width, height, row, pitch);
  }
#endif
  Decode<Writer>(data, marker, width, height, row, pitch);
}

}  // namespace

void DecodeAniFrame(std::span<const uint16_t> data, uint32_t runMarker, int width, int height,
                    uint8_t* pixels, int pitch, platform::PixelLayout layout) {
  using platform::PixelLayout;
  switch (layout) {
    case PixelLayout::kRgb565:
      return Decode16<Write565>(data, runMarker, width, height, pixels, pitch);
    case PixelLayout::kRgb555:
      return Decode16<Write555>(data, runMarker, width, height, pixels, pitch);
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
