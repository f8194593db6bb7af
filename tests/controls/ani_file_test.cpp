#include "controls/ani_file.h"

#include <gtest/gtest.h>

#include <cstring>

#include "platform/surface.h"
#include "tools/assetkit/ani_file.h"

namespace rufo {
namespace {

using assetkit::Rgb565;
using platform::PixelLayout;

std::FILE* MemoryFile(std::string& bytes) {
  return fmemopen(bytes.data(), bytes.size(), "rb");
}

void PutU32(std::string& bytes, size_t at, uint32_t value) {
  for (int i = 0; i < 4; ++i)
    bytes[at + i] = static_cast<char>(value >> (8 * i));
}

// A 4 x 2 animation of three frames, with a run in every row.
assetkit::Animation ThreeFrames() {
  assetkit::Animation animation;
  animation.width = 4;
  animation.height = 2;
  animation.frameSeconds = 0.25f;
  animation.colorKey = 0xF800F8;
  const uint16_t red = Rgb565(255, 0, 0), green = Rgb565(0, 255, 0), blue = Rgb565(0, 0, 255);
  const uint16_t grey = Rgb565(100, 150, 200);
  animation.frames = {{red, red, red, red, grey, grey, grey, grey},
                      {green, green, green, green, blue, red, green, grey},
                      {blue, blue, blue, blue, blue, blue, blue, blue}};
  return animation;
}

// The pixel value a 5-6-5 word becomes in a layout, through the surface format's own colour
// conversion of the word's 8-bit channels.
uint32_t Expected(uint16_t p, PixelLayout layout) {
  const auto r = static_cast<uint8_t>((p & 0xF800) >> 8);
  const auto g = static_cast<uint8_t>((p & 0x7E0) >> 3);
  const auto b = static_cast<uint8_t>((p & 0x1F) << 3);
  return platform::GdiColorToPixel(platform::Rgb(r, g, b), platform::FormatOf(layout));
}

TEST(AniFileTest, ReadsHeaderAndLoadsEachFrameOnDemand) {
  std::string bytes = assetkit::EncodeAni(ThreeFrames());
  AniFile ani;
  ASSERT_TRUE(ani.Open(MemoryFile(bytes)));
  EXPECT_EQ(ani.Header().width, 4u);
  EXPECT_EQ(ani.Header().height, 2u);
  EXPECT_EQ(ani.Header().colorKey, 0xF800F8u);
  EXPECT_FLOAT_EQ(ani.Header().frameSeconds, 0.25f);
  EXPECT_EQ(ani.FrameCount(), 3);
  EXPECT_EQ(ani.CachedFrame(1), nullptr);
  ASSERT_TRUE(ani.LoadFrame(1));
  ASSERT_NE(ani.CachedFrame(1), nullptr);
  EXPECT_EQ(ani.CachedFrame(0), nullptr) << "only the frame asked for is read";
  EXPECT_FALSE(ani.LoadFrame(3));
  EXPECT_FALSE(ani.LoadFrame(-1));
}

TEST(AniFileTest, RefusesMalformedHeaders) {
  const std::string good = assetkit::EncodeAni(ThreeFrames());
  const auto opens = [](std::string bytes) {
    AniFile ani;
    return ani.Open(MemoryFile(bytes));
  };
  std::string eightBit = good;
  PutU32(eightBit, 12, 8);
  EXPECT_FALSE(opens(eightBit));
  std::string magic = good;
  magic[3] = '1';
  EXPECT_FALSE(opens(magic));
  EXPECT_FALSE(opens(good.substr(0, 20))) << "short header";
  EXPECT_FALSE(opens(good.substr(0, 40))) << "offset table cut short";
  std::string huge = good;
  PutU32(huge, 24, 0x40000000);
  EXPECT_FALSE(opens(huge)) << "an offset table longer than the file";
  std::string wide = good;
  PutU32(wide, 4, 20000);
  EXPECT_FALSE(opens(wide)) << "wider than any picture of the game";
  EXPECT_TRUE(opens(good));
}

TEST(AniFileTest, BadFrameRecordsFailOnlyThatFrame) {
  std::string bytes = assetkit::EncodeAni(ThreeFrames());
  PutU32(bytes, 32, 0x7FFFFFF0);  // frame 0 lies beyond the end of the file
  uint32_t second = 0;
  std::memcpy(&second, bytes.data() + 36, 4);
  bytes[second] = 'X';  // frame 1 lacks "AF"
  uint32_t third = 0;
  std::memcpy(&third, bytes.data() + 40, 4);
  std::string tooLong = bytes;
  PutU32(tooLong, third + 2, 1000);  // frame 2 claims more bytes than the file holds

  AniFile ani;
  ASSERT_TRUE(ani.Open(MemoryFile(bytes)));
  EXPECT_FALSE(ani.LoadFrame(0));
  EXPECT_FALSE(ani.LoadFrame(1));
  EXPECT_TRUE(ani.LoadFrame(2));
  AniFile cut;
  ASSERT_TRUE(cut.Open(MemoryFile(tooLong)));
  EXPECT_FALSE(cut.LoadFrame(2));
  EXPECT_EQ(cut.CachedFrame(2), nullptr);
}

class AniDecodeTest : public ::testing::TestWithParam<PixelLayout> {};

TEST_P(AniDecodeTest, DecodesEveryFrameIntoTheSurfaceLayout) {
  const assetkit::Animation animation = ThreeFrames();
  std::string bytes = assetkit::EncodeAni(animation);
  AniFile ani;
  ASSERT_TRUE(ani.Open(MemoryFile(bytes)));
  platform::Surface surface(4, 2, platform::FormatOf(GetParam()), platform::SurfaceMemory::kSystem,
                            nullptr);
  std::memset(surface.Row(0), 0xFF, static_cast<size_t>(surface.Pitch()) * 2);
  for (int f = 0; f < 3; ++f) {
    ASSERT_TRUE(ani.LoadFrame(f));
    int pitch = 0;
    uint8_t* pixels = surface.Lock(&pitch);
    DecodeAniFrame(*ani.CachedFrame(f), ani.Header().runMarker, 4, 2, pixels, pitch, GetParam());
    for (int i = 0; i < 8; ++i) {
      const uint32_t want = Expected(animation.frames[f][i], GetParam());
      const uint32_t got = surface.PixelAt(i % 4, i / 4);
      if (platform::BytesPerPixel(surface.Format()) == 4) {
        EXPECT_EQ(got >> 24, 0xFFu) << "the fourth byte is left as it was";
        EXPECT_EQ(got & 0xFFFFFF, want) << "frame " << f << " pixel " << i;
      } else {
        EXPECT_EQ(got, want) << "frame " << f << " pixel " << i;
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Layouts, AniDecodeTest,
                         ::testing::Values(PixelLayout::kRgb565, PixelLayout::kRgb555,
                                           PixelLayout::kBgr24, PixelLayout::kRgb24,
                                           PixelLayout::kBgrx32, PixelLayout::kRgbx32));

TEST(AniRunTest, RunsStopAtTheRowEndAndShortDataLeavesTheRest) {
  constexpr uint16_t kMarker = 0xABCD;
  std::vector<uint16_t> pixels(3 * 2, 7);
  const auto decode = [&](const std::vector<uint16_t>& data, uint32_t marker) {
    std::fill(pixels.begin(), pixels.end(), 7);
    DecodeAniFrame(data, marker, 3, 2, reinterpret_cast<uint8_t*>(pixels.data()), 6,
                   PixelLayout::kRgb565);
  };

  // A run of 5 in a row of 3 fills the row only; the next row starts with the next word.
  decode({1, kMarker, 5, 9, 2, 3, 4}, kMarker);
  EXPECT_EQ(pixels, (std::vector<uint16_t>{1, 9, 9, 2, 3, 4}));

  // The data ends inside the second row, then inside a run's count and pixel.
  decode({1, 2, 3, 4}, kMarker);
  EXPECT_EQ(pixels, (std::vector<uint16_t>{1, 2, 3, 4, 7, 7}));
  decode({kMarker, 3, 5, kMarker, 2}, kMarker);
  EXPECT_EQ(pixels, (std::vector<uint16_t>{5, 5, 5, 7, 7, 7}));

  // A marker above 0xFFFF never matches a word: every word is a pixel.
  decode({0xABCD, 3, 5, 1, 2, 3}, 0x1ABCD);
  EXPECT_EQ(pixels, (std::vector<uint16_t>{0xABCD, 3, 5, 1, 2, 3}));
}

}  // namespace
}  // namespace rufo
