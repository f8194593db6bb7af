#include "gfx/blend.h"

#include <gtest/gtest.h>

#include <vector>

namespace rufo::gfx {
namespace {

using platform::FormatOf;
using platform::PixelLayout;
using platform::Rect;
using platform::Surface;
using platform::SurfaceMemory;

constexpr PixelLayout kLayouts[] = {PixelLayout::kRgb565, PixelLayout::kRgb555,
                                    PixelLayout::kBgr24,  PixelLayout::kRgb24,
                                    PixelLayout::kBgrx32, PixelLayout::kRgbx32};

std::unique_ptr<Surface> Filled(PixelLayout layout, int w, int h, uint32_t pixel) {
  auto surface = std::make_unique<Surface>(w, h, FormatOf(layout), SurfaceMemory::kSystem, nullptr);
  surface->Fill(nullptr, pixel);
  return surface;
}

std::vector<uint32_t> Pixels(const Surface& surface) {
  std::vector<uint32_t> pixels;
  for (int y = 0; y < surface.Height(); ++y) {
    for (int x = 0; x < surface.Width(); ++x)
      pixels.push_back(surface.PixelAt(x, y));
  }
  return pixels;
}

TEST(BlendMaskedTest, HalfWhiteOverBlackIsSlightlyDarkerThanGrey) {
  const uint8_t half = 128;
  const Rect one{0, 0, 1, 1};
  // Per layout: white, a black with stray bits outside the colour fields, and the result.
  const struct {
    PixelLayout layout;
    uint32_t white, black, mixed;
  } cases[] = {{PixelLayout::kRgb565, 0xFFFF, 0x0000, 0x7BEF},  // red 15, green 31, blue 15
               {PixelLayout::kRgb555, 0x7FFF, 0x8000, 0x3DEF},  // bit 15 becomes 0
               {PixelLayout::kBgrx32, 0xAAFFFFFF, 0x55000000, 0x557F7F7F}};  // fourth byte stays
  for (const auto& c : cases) {
    auto white = Filled(c.layout, 1, 1, c.white);
    auto black = Filled(c.layout, 1, 1, c.black);
    ASSERT_TRUE(BlendMasked(black.get(), 0, 0, white.get(), &one, &half));
    EXPECT_EQ(black->PixelAt(0, 0), c.mixed);
  }
}

TEST(BlendMaskedTest, EachFieldIsMixedOnItsOwnInEveryLayout) {
  // Source and destination colours chosen so that every field differs and none is at an end.
  const uint32_t source = platform::Rgb(200, 40, 120), destination = platform::Rgb(16, 240, 64);
  const uint8_t a = 77;
  const Rect one{0, 0, 1, 1};
  // Each field is (s × 77 + d × 178) >> 8 on the layout's own field values.
  const std::pair<PixelLayout, uint32_t> cases[] = {
      {PixelLayout::kRgb565, (8u << 11) | (44u << 5) | 10u},  // s = (25, 10, 15), d = (2, 60, 8)
      {PixelLayout::kRgb555, (8u << 10) | (22u << 5) | 10u},  // s = (25, 5, 15), d = (2, 30, 8)
      {PixelLayout::kBgr24, 0x47B250},
      {PixelLayout::kBgrx32, 0x47B250},
      {PixelLayout::kRgb24, 0x50B247},
      {PixelLayout::kRgbx32, 0x50B247}};
  for (const auto& [layout, expected] : cases) {
    const platform::PixelFormat format = FormatOf(layout);
    auto src = Filled(layout, 1, 1, platform::GdiColorToPixel(source, format));
    auto dst = Filled(layout, 1, 1, platform::GdiColorToPixel(destination, format));
    ASSERT_TRUE(BlendMasked(dst.get(), 0, 0, src.get(), &one, &a));
    EXPECT_EQ(dst->PixelAt(0, 0), expected) << static_cast<int>(layout);
  }
}

TEST(BlendMaskedTest, MaskEndsCopyOrKeepAndOnlyTheRectangleIsTouched) {
  for (PixelLayout layout : kLayouts) {
    // A 6 × 5 source with a distinct value per pixel, and a mask of 0 and 255 in a pattern.
    auto src = Filled(layout, 6, 5, 0);
    std::vector<uint8_t> mask(30);
    for (int i = 0; i < 30; ++i) {
      src->SetPixel(i % 6, i / 6,
                    0x01020304u * (i + 1) & (layout == PixelLayout::kRgb555 ? 0x7FFF : 0xFFFFFFFF));
      mask[i] = (i % 3 == 0) ? 0 : 255;
    }
    auto dst = Filled(layout, 9, 8, 0x11223344);
    const std::vector<uint32_t> before = Pixels(*dst);
    const Rect rect{1, 2, 5, 5};
    ASSERT_TRUE(BlendMasked(dst.get(), 4, 3, src.get(), &rect, mask.data()));
    for (int y = 0; y < 8; ++y) {
      for (int x = 0; x < 9; ++x) {
        const int sx = x - 4 + rect.left, sy = y - 3 + rect.top;
        uint32_t expected = before[y * 9 + x];
        if (rect.Contains(sx, sy) && mask[sy * 6 + sx] == 255) expected = src->PixelAt(sx, sy);
        EXPECT_EQ(dst->PixelAt(x, y), expected)
            << static_cast<int>(layout) << " at " << x << "," << y;
      }
    }
  }
}

TEST(BlendMaskedTest, RefusesWhatItCannotDoAndTouchesNothing) {
  auto src = Filled(PixelLayout::kRgb565, 4, 4, 0xFFFF);
  auto dst = Filled(PixelLayout::kRgb565, 8, 8, 0x1234);
  const std::vector<uint32_t> before = Pixels(*dst);
  const std::vector<uint8_t> mask(16, 200);
  const Rect all{0, 0, 4, 4};
  EXPECT_FALSE(BlendMasked(nullptr, 0, 0, src.get(), &all, mask.data()));
  EXPECT_FALSE(BlendMasked(dst.get(), 0, 0, nullptr, &all, mask.data()));
  EXPECT_FALSE(BlendMasked(dst.get(), 0, 0, src.get(), nullptr, mask.data()));
  EXPECT_FALSE(BlendMasked(dst.get(), 0, 0, src.get(), &all, nullptr));
  // Rectangles that reach outside either surface.
  EXPECT_FALSE(BlendMasked(dst.get(), 5, 0, src.get(), &all, mask.data()));
  EXPECT_FALSE(BlendMasked(dst.get(), -1, 0, src.get(), &all, mask.data()));
  const Rect wide{0, 0, 5, 4}, inverted{2, 0, 1, 4};
  EXPECT_FALSE(BlendMasked(dst.get(), 0, 0, src.get(), &wide, mask.data()));
  EXPECT_FALSE(BlendMasked(dst.get(), 0, 0, src.get(), &inverted, mask.data()));
  // A source in another layout would be read past its end.
  auto other = Filled(PixelLayout::kBgrx32, 4, 4, 0);
  EXPECT_FALSE(BlendMasked(other.get(), 0, 0, src.get(), &all, mask.data()));
  Surface eightBit(4, 4, platform::PixelFormat{8, 0, 0, 0}, SurfaceMemory::kSystem, nullptr);
  Surface eightBitSource(4, 4, platform::PixelFormat{8, 0, 0, 0}, SurfaceMemory::kSystem, nullptr);
  EXPECT_FALSE(BlendMasked(&eightBit, 0, 0, &eightBitSource, &all, mask.data()));
  src->MarkLost();
  EXPECT_FALSE(BlendMasked(dst.get(), 0, 0, src.get(), &all, mask.data()));
  EXPECT_EQ(Pixels(*dst), before);

  // An empty rectangle is done at once, even at the far corner.
  const Rect empty{4, 4, 4, 4};
  src->Restore();
  EXPECT_TRUE(BlendMasked(dst.get(), 8, 8, src.get(), &empty, mask.data()));
  EXPECT_EQ(Pixels(*dst), before);
}

}  // namespace
}  // namespace rufo::gfx
