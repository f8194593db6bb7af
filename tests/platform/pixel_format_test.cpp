#include "platform/pixel_format.h"

#include <gtest/gtest.h>

namespace rufo::platform {
namespace {

TEST(PixelFormatTest, LayoutIsRecognisedFromBitCountAndRedMaskOnly) {
  EXPECT_EQ(LayoutOf({16, 0xF800, 0, 0}), PixelLayout::kRgb565);
  EXPECT_EQ(LayoutOf({16, 0x7C00, 0, 0}), PixelLayout::kRgb555);
  EXPECT_EQ(LayoutOf({16, 0x1234, 0, 0}), PixelLayout::kRgb555);
  EXPECT_EQ(LayoutOf({24, 0xFF0000, 0, 0}), PixelLayout::kBgr24);
  EXPECT_EQ(LayoutOf({24, 0x0000FF, 0, 0}), PixelLayout::kRgb24);
  EXPECT_EQ(LayoutOf({32, 0xFF0000, 0, 0}), PixelLayout::kBgrx32);
  EXPECT_EQ(LayoutOf({32, 0x0000FF, 0, 0}), PixelLayout::kRgbx32);
  EXPECT_EQ(LayoutOf({8, 0, 0, 0}), PixelLayout::kUnsupported);
  for (auto layout : {PixelLayout::kRgb565, PixelLayout::kRgb555, PixelLayout::kBgr24,
                      PixelLayout::kRgb24, PixelLayout::kBgrx32, PixelLayout::kRgbx32}) {
    EXPECT_EQ(LayoutOf(FormatOf(layout)), layout);
  }
}

TEST(PixelFormatTest, GdiColoursConvertForEveryLayout) {
  const uint32_t white = Rgb(255, 255, 255), magenta = Rgb(255, 0, 255);
  EXPECT_EQ(GdiColorToPixel(white, FormatOf(PixelLayout::kRgb565)), 0xFFFFu);
  EXPECT_EQ(GdiColorToPixel(white, FormatOf(PixelLayout::kRgb555)), 0x7FFFu);
  EXPECT_EQ(GdiColorToPixel(magenta, FormatOf(PixelLayout::kRgb565)), 0xF81Fu);
  EXPECT_EQ(GdiColorToPixel(magenta, FormatOf(PixelLayout::kRgb555)), 0x7C1Fu);
  const uint32_t orange = Rgb(0xFF, 0x80, 0x10);
  EXPECT_EQ(GdiColorToPixel(orange, FormatOf(PixelLayout::kBgr24)), 0xFF8010u);
  EXPECT_EQ(GdiColorToPixel(orange, FormatOf(PixelLayout::kBgrx32)), 0xFF8010u);
  EXPECT_EQ(GdiColorToPixel(orange, FormatOf(PixelLayout::kRgb24)), orange);
  EXPECT_EQ(GdiColorToPixel(orange, FormatOf(PixelLayout::kRgbx32)), orange);
  EXPECT_EQ(GdiColorToPixel(orange, PixelFormat{8, 0, 0, 0}), 0u);
  // Low bits that a 16-bit layout cannot hold are dropped, not rounded.
  EXPECT_EQ(GdiColorToPixel(Rgb(0x07, 0x03, 0x07), FormatOf(PixelLayout::kRgb565)), 0u);
}

}  // namespace
}  // namespace rufo::platform
