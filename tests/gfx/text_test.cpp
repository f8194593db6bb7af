#include <gtest/gtest.h>

#include "engine/graphics.h"
#include "platform/cp1250.h"
#include "platform/device_context.h"
#include "tests/support/headless_engine.h"

namespace rufo {
namespace {

using platform::DeviceContext;
using platform::Font;
using platform::Surface;
using platform::TextSize;

TEST(TextExtentTest, MeasuresOnThePrimaryWithTheDefaultFontUnlessOneIsGiven) {
  test::HeadlessEngine engine;
  engine.Start(true);
  TextSize size{-1, -1};
  EXPECT_FALSE(TextExtent(nullptr, nullptr, &size));
  EXPECT_FALSE(TextExtent("Rufo", nullptr, nullptr));
  EXPECT_EQ(size.width, -1);

  ASSERT_TRUE(TextExtent("Rufo", nullptr, &size));
  EXPECT_EQ(size.height, 16) << "the classic system font's cell";
  EXPECT_GT(size.width, 4 * 5);
  EXPECT_LT(size.width, 4 * 12);
  const TextSize rufo = size;

  const std::unique_ptr<Font> big = Font::Create(30, false);
  ASSERT_NE(big, nullptr);
  ASSERT_TRUE(TextExtent("Rufo", big.get(), &size));
  EXPECT_EQ(size.height, 30);
  EXPECT_GT(size.width, rufo.width);
  // Every measurement takes a new context, so the big font is not carried over.
  ASSERT_TRUE(TextExtent("Rufo", nullptr, &size));
  EXPECT_EQ(std::pair(size.width, size.height), std::pair(rufo.width, rufo.height));
  ASSERT_TRUE(TextExtent("", nullptr, &size));
  EXPECT_EQ(std::pair(size.width, size.height), std::pair(0, 16));

  engine.Engine().Primary()->MarkLost();
  size = {-1, -1};
  EXPECT_FALSE(TextExtent("Rufo", nullptr, &size));
  EXPECT_EQ(size.width, -1);
}

class DeviceContextTest : public ::testing::Test {
 protected:
  Surface surface_{80, 40, platform::FormatOf(platform::PixelLayout::kRgb565),
                   platform::SurfaceMemory::kSystem, nullptr};

  int Count(uint32_t pixel, const platform::Rect& area) const {
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y) {
      for (int x = area.left; x < area.right; ++x)
        count += surface_.PixelAt(x, y) == pixel;
    }
    return count;
  }
};

TEST_F(DeviceContextTest, TextFillsItsCellInksOnlyInsideAndShowsCzechLetters) {
  surface_.Fill(nullptr, 0x001F);
  DeviceContext context(surface_);
  ASSERT_TRUE(context.Valid());
  context.SetTextColor(platform::Rgb(255, 0, 0));
  context.SetBackgroundColor(platform::Rgb(255, 255, 255));
  TextSize size;
  ASSERT_TRUE(context.TextExtent("Ahoj", &size));
  ASSERT_TRUE(context.TextOut(10, 5, "Ahoj"));
  const platform::Rect cell{10, 5, 10 + size.width, 5 + size.height};
  const int ink = Count(0xF800, cell), paper = Count(0xFFFF, cell);
  EXPECT_GT(ink, 20);
  EXPECT_EQ(ink + paper, size.width * size.height) << "the cell holds only ink and background";
  EXPECT_EQ(Count(0x001F, surface_.Bounds()), 80 * 40 - size.width * size.height);

  // Transparent text leaves the background; the same glyphs land in the same places.
  surface_.Fill(nullptr, 0x001F);
  context.SetTransparentBackground(true);
  ASSERT_TRUE(context.TextOut(10, 5, "Ahoj"));
  EXPECT_EQ(Count(0xF800, cell), ink);
  EXPECT_EQ(Count(0x001F, surface_.Bounds()), 80 * 40 - ink);

  // Text hanging over any edge is clipped.
  EXPECT_TRUE(context.TextOut(-7, -9, "Ahoj Ahoj Ahoj"));
  EXPECT_TRUE(context.TextOut(70, 35, "Ahoj"));

  // Czech letters are drawn from Windows-1250 bytes.
  const std::string word = platform::Utf8ToCp1250("žlutý kůň");
  ASSERT_EQ(word.size(), 9u);
  const auto drawn = [&](const std::string& text) {
    surface_.Fill(nullptr, 0xFFFF);
    context.TextOut(0, 0, text);
    std::vector<uint32_t> pixels;
    for (int y = 0; y < 16; ++y) {
      for (int x = 0; x < 80; ++x)
        pixels.push_back(surface_.PixelAt(x, y));
    }
    return pixels;
  };
  EXPECT_NE(drawn(word), drawn("?lut? k??"));
  EXPECT_NE(drawn(word), drawn("zluty kun"));
  EXPECT_NE(drawn(word), drawn(platform::Utf8ToCp1250("šlutý kůň"))) << "each letter its glyph";
}

TEST_F(DeviceContextTest, LinesStopBeforeTheirEndAndAreClipped) {
  surface_.Fill(nullptr, 0);
  DeviceContext context(surface_);
  context.SelectPen({platform::Rgb(255, 255, 255)});
  context.MoveTo(2, 3);
  context.LineTo(12, 3);
  EXPECT_EQ(Count(0xFFFF, {2, 3, 12, 4}), 10);
  EXPECT_EQ(surface_.PixelAt(12, 3), 0u);
  context.LineTo(12, 13);  // continues from the last end
  EXPECT_EQ(Count(0xFFFF, {12, 3, 13, 13}), 10);
  context.MoveTo(0, 20);
  context.LineTo(10, 30);
  EXPECT_EQ(Count(0xFFFF, {0, 20, 10, 30}), 10) << "a diagonal has one pixel per step";
  context.MoveTo(-50, -50);
  context.LineTo(200, 200);
  EXPECT_EQ(surface_.PixelAt(39, 39), 0xFFFFu);

  surface_.MarkLost();
  DeviceContext lost(surface_);
  EXPECT_FALSE(lost.Valid());
  EXPECT_FALSE(lost.TextOut(0, 0, "x"));
  lost.LineTo(5, 5);
}

}  // namespace
}  // namespace rufo
