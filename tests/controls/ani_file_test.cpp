#include "controls/ani_file.h"

#include <gtest/gtest.h>

#include <cstring>

#include "platform/surface.h"
#include "tests/controls/control_assets.h"
#include "tools/assetkit/ani_file.h"

namespace rufo {
namespace {

using assetkit::Rgb565;
using platform::PixelLayout;

void PutU32(std::string& bytes, size_t at, uint32_t value) {
  for (int i = 0; i < 4; ++i)
    bytes[at + i] = static_cast<char>(value >> (8 * i));
}

uint32_t GetU32(const std::string& bytes, size_t at) {
  uint32_t value = 0;
  std::memcpy(&value, bytes.data() + at, 4);
  return value;
}

bool Opens(AniFile& ani, std::string& bytes) {
  return ani.Open(fmemopen(bytes.data(), bytes.size(), "rb"));
}

// Three 4 x 2 frames: plain ones around one of runs and single pixels.
assetkit::Animation ThreeFrames() {
  assetkit::Animation animation = test::PlainFrames(3);
  const uint16_t r = Rgb565(255, 0, 0), g = Rgb565(0, 255, 0), b = Rgb565(0, 0, 255);
  animation.frames[1] = {g, g, g, g, b, r, g, Rgb565(100, 150, 200)};
  animation.colorKey = 0xF800F8;
  return animation;
}

TEST(AniFileTest, RefusesMalformedHeadersAndReadsFramesOnDemand) {
  const std::string good = assetkit::EncodeAni(ThreeFrames());
  const std::pair<size_t, uint32_t> patches[] = {
      {12, 8},           // 8 bits per pixel
      {0, 0x31314152},   // magic "RA11"
      {24, 0x40000000},  // an offset table longer than the file
      {4, 20000},        // wider than any picture of the game
  };
  for (const auto& [at, value] : patches) {
    std::string bytes = good;
    PutU32(bytes, at, value);
    AniFile ani;
    EXPECT_FALSE(Opens(ani, bytes)) << "offset " << at;
  }
  for (size_t cut : {20, 40}) {
    std::string bytes = good.substr(0, cut);
    AniFile ani;
    EXPECT_FALSE(Opens(ani, bytes)) << "cut at " << cut;
  }

  // Frames are read on demand, and bad frame records fail only their frame.
  std::string bytes = good;
  std::string noTag = bytes;
  noTag[GetU32(bytes, 36)] = 'X';              // frame 1 lacks "AF"
  PutU32(noTag, 32, 0x7FFFFFF0);               // frame 0 lies beyond the end of the file
  PutU32(noTag, GetU32(bytes, 40) + 2, 1000);  // frame 2 claims more bytes than there are

  AniFile ani;
  ASSERT_TRUE(Opens(ani, bytes));
  EXPECT_EQ(ani.Header().colorKey, 0xF800F8u);
  EXPECT_EQ(ani.FrameCount(), 3);
  ASSERT_TRUE(ani.LoadFrame(1));
  EXPECT_NE(ani.CachedFrame(1), nullptr);
  EXPECT_EQ(ani.CachedFrame(0), nullptr) << "only the frame asked for is read";
  EXPECT_FALSE(ani.LoadFrame(3));

  AniFile damaged;
  ASSERT_TRUE(Opens(damaged, noTag));
  for (int f = 0; f < 3; ++f) {
    EXPECT_FALSE(damaged.LoadFrame(f)) << f;
    EXPECT_EQ(damaged.CachedFrame(f), nullptr);
  }
}

class AniDecodeTest : public ::testing::TestWithParam<PixelLayout> {
 protected:
  // Decodes every frame into a surface of the layout, which starts with every byte 0xA5, and
  // checks that each 5-6-5 pixel shows as the layout's own colour conversion shows its 8-bit
  // channels, and that the fourth byte of 32-bit pixels is left as it was.
  static void ExpectDecodes(const assetkit::Animation& animation) {
    std::string bytes = assetkit::EncodeAni(animation);
    AniFile ani;
    ASSERT_TRUE(Opens(ani, bytes));
    const int w = static_cast<int>(animation.width), h = static_cast<int>(animation.height);
    const platform::PixelFormat format = platform::FormatOf(GetParam());
    platform::Surface surface(w, h, format, platform::SurfaceMemory::kSystem, nullptr);
    for (int f = 0; f < static_cast<int>(animation.frames.size()); ++f) {
      std::memset(surface.Row(0), 0xA5, static_cast<size_t>(surface.Pitch()) * h);
      ASSERT_TRUE(ani.LoadFrame(f));
      int pitch = 0;
      uint8_t* pixels = surface.Lock(&pitch);
      DecodeAniFrame(*ani.CachedFrame(f), ani.Header().runMarker, w, h, pixels, pitch, GetParam());
      for (int i = 0; i < w * h; ++i) {
        const uint16_t p = animation.frames[f][i];
        const uint32_t want = platform::GdiColorToPixel(
            platform::Rgb((p & 0xF800) >> 8, (p & 0x7E0) >> 3, (p & 0x1F) << 3), format);
        const uint32_t got = surface.PixelAt(i % w, i / w);
        if (format.bits == 32) {
          ASSERT_EQ(got >> 24, 0xA5u) << "the fourth byte is left as it was, pixel " << i;
        }
        ASSERT_EQ(got & 0xFFFFFF, want) << "frame " << f << " pixel " << i;
      }
    }
  }
};

TEST_P(AniDecodeTest, DecodesEveryFrameIntoTheSurfaceLayout) {
  ExpectDecodes(ThreeFrames());
}

// Rows wider than the decoder's vectors, with runs of every length from 1 to 40 (short ones stay
// single pixels in the file) starting at every alignment.
TEST_P(AniDecodeTest, DecodesRunsOfEveryLengthAtEveryAlignment) {
  assetkit::Animation animation;
  animation.width = 53;
  animation.height = 7;
  assetkit::AniFrame frame;
  for (int length = 1; static_cast<int>(frame.size()) < 53 * 7; ++length) {
    const auto colour = static_cast<uint16_t>(length * 0x0841 + 0x1234);
    frame.insert(frame.end(), length % 41, colour);
  }
  frame.resize(53 * 7);
  animation.frames = {frame};
  ExpectDecodes(animation);
}

INSTANTIATE_TEST_SUITE_P(Layouts, AniDecodeTest,
                         ::testing::Values(PixelLayout::kRgb565, PixelLayout::kRgb555,
                                           PixelLayout::kBgr24, PixelLayout::kRgb24,
                                           PixelLayout::kBgrx32, PixelLayout::kRgbx32));

TEST(AniRunTest, RunsStopAtTheRowEndAndShortDataLeavesTheRest) {
  constexpr uint16_t kMarker = 0xABCD;
  std::vector<uint16_t> pixels(3 * 2);
  const auto decode = [&](const std::vector<uint16_t>& data, uint32_t marker) {
    std::fill(pixels.begin(), pixels.end(), 7);
    DecodeAniFrame(data, marker, 3, 2, reinterpret_cast<uint8_t*>(pixels.data()), 6,
                   PixelLayout::kRgb565);
    return pixels;
  };
  using Pixels = std::vector<uint16_t>;
  EXPECT_EQ(decode({1, kMarker, 5, 9, 2, 3, 4}, kMarker), (Pixels{1, 9, 9, 2, 3, 4}))
      << "a run of 5 in a row of 3 fills the row only";
  EXPECT_EQ(decode({1, 2, 3, 4}, kMarker), (Pixels{1, 2, 3, 4, 7, 7}));
  EXPECT_EQ(decode({kMarker, 3, 5, kMarker, 2}, kMarker), (Pixels{5, 5, 5, 7, 7, 7}))
      << "a run cut short after its count";
  EXPECT_EQ(decode({0xABCD, 3, 5, 1, 2, 3}, 0x1ABCD), (Pixels{0xABCD, 3, 5, 1, 2, 3}))
      << "a marker above 0xFFFF never matches a word";
}

// The format read one word at a time, into 16-bit pixels that hold what was there before.
void DecodeWordByWord(const std::vector<uint16_t>& data, uint16_t marker, int width, int height,
                      int stride, bool to555, std::vector<uint16_t>& pixels) {
  const auto convert = [&](uint16_t p) {
    return to555 ? static_cast<uint16_t>((p & 0x1F) | ((p & 0xFFC0) >> 1)) : p;
  };
  size_t at = 0;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width;) {
      if (at >= data.size()) return;
      if (data[at] != marker) {
        pixels[y * stride + x++] = convert(data[at++]);
        continue;
      }
      if (data.size() - at < 3) return;
      for (int n = 0; n < data[at + 1] && x < width; ++n)
        pixels[y * stride + x++] = convert(data[at + 2]);
      at += 3;
    }
  }
}

// Runs are filled with wide, overlapping stores whose pattern depends on the length; none may
// reach past the run into the row's padding.
TEST(AniRunTest, RunsOfEveryLengthEndingARowLeaveItsPaddingAlone) {
  constexpr uint16_t kMarker = 0xABCD;
  constexpr int kWidth = 72, kPadded = 75;
  for (int length = 1; length <= kWidth; ++length) {
    std::vector<uint16_t> data;
    for (int x = 0; x < kWidth - length; ++x)
      data.push_back(static_cast<uint16_t>(x));
    data.insert(data.end(), {kMarker, static_cast<uint16_t>(length), 99});
    std::vector<uint16_t> want(kPadded, 7), got(kPadded, 7);
    DecodeWordByWord(data, kMarker, kWidth, 1, kPadded, false, want);
    DecodeAniFrame(data, kMarker, kWidth, 1, reinterpret_cast<uint8_t*>(got.data()), kPadded * 2,
                   PixelLayout::kRgb565);
    ASSERT_EQ(got, want) << "run of " << length;
  }
}

// Big frames take wide steps that store past a stretch's end and rely on the words after it;
// literal stretches and runs of many lengths, in rows with padding, cut short at many places,
// must give what a word-by-word reading gives, and leave the padding and the rest alone.
TEST(AniWideDecodeTest, MixedStretchesDecodeAsReadWordByWordAlsoWhenCutShort) {
  constexpr int kWidth = 101, kHeight = 186, kStride = 104;
  assetkit::Animation animation;
  animation.width = kWidth;
  animation.height = kHeight;
  assetkit::AniFrame frame;
  uint32_t seed = 12345;
  const auto next = [&](uint32_t below) {
    seed = seed * 1103515245u + 12345u;
    return (seed >> 16) % below;
  };
  const auto literals = [&](uint32_t count) {
    for (; count > 0; --count)
      frame.push_back(static_cast<uint16_t>(frame.size() * 2 % 256 + 1));
  };
  const auto run = [&](uint32_t count) {
    frame.insert(frame.end(), count, static_cast<uint16_t>(next(0x8000) * 2));
  };
  // Each row ends with a stretch of 1 to 31 literals and a run of 4 to 9, the cases where a
  // wide store comes closest to the row's end; random stretches and runs lead up to them.
  for (int y = 0; y < kHeight; ++y) {
    const size_t rowEnd = frame.size() + kWidth;
    const uint32_t tailLiterals = 1 + y % 31, tailRun = 4 + y / 31 % 6;
    while (frame.size() + tailLiterals + tailRun < rowEnd) {
      literals(1 + next(next(2) ? 6 : 40));
      run(4 + next(next(2) ? 6 : 70));
    }
    frame.resize(rowEnd - tailLiterals - tailRun - 4);
    run(4);
    literals(tailLiterals);
    run(tailRun);
  }
  animation.frames = {frame};
  std::string bytes = assetkit::EncodeAni(animation);
  AniFile ani;
  ASSERT_TRUE(Opens(ani, bytes));
  ASSERT_TRUE(ani.LoadFrame(0));
  const std::vector<uint16_t>& encoded = *ani.CachedFrame(0);
  const auto marker = static_cast<uint16_t>(ani.Header().runMarker);
  ASSERT_GT(encoded.size(), 1000u);
  // The same frame with 6 for its marker, which is then also many runs' length and every fifth
  // run's pixel: marker words that do not start a run. The literals are small odd numbers, so a
  // pixel misread as a run's start would be followed by a plausible length.
  constexpr uint16_t kRemarked = 6;
  std::vector<uint16_t> remarked = encoded;
  for (size_t at = 0, runs = 0; at + 2 < remarked.size(); ++at) {
    if (remarked[at] != marker) continue;
    remarked[at] = kRemarked;
    if (++runs % 5 == 0) remarked[at + 2] = kRemarked;
    at += 2;
  }
  ASSERT_NE(marker, kRemarked);
  for (const auto& [words, wordMarker] : {std::pair{encoded, marker}, {remarked, kRemarked}}) {
    for (const PixelLayout layout : {PixelLayout::kRgb565, PixelLayout::kRgb555}) {
      for (size_t cut = words.size(); cut > 0; cut = cut > 29 ? cut - 29 : 0) {
        const std::vector<uint16_t> data(words.begin(), words.begin() + cut);
        std::vector<uint16_t> want(kStride * kHeight, 7), got(kStride * kHeight, 7);
        DecodeWordByWord(data, wordMarker, kWidth, kHeight, kStride, layout == PixelLayout::kRgb555,
                         want);
        DecodeAniFrame(data, wordMarker, kWidth, kHeight, reinterpret_cast<uint8_t*>(got.data()),
                       kStride * 2, layout);
        ASSERT_EQ(got, want) << "marker " << wordMarker << ", words " << cut << " of "
                             << words.size();
      }
    }
  }
}

}  // namespace
}  // namespace rufo
