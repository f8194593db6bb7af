#include "gfx/blend.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/gfx/every_layout.h"

namespace rufo::gfx {
namespace {

using platform::FormatOf;
using platform::PixelLayout;
using platform::Rect;
using platform::Surface;
using platform::SurfaceMemory;

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

// Each field is (s × a + d × (256 − a)) >> 8 on the layout's own field values. Bits outside the
// fields are cleared in 16-bit layouts and left in the fourth byte of 32-bit ones.
TEST(BlendMaskedTest, EachFieldIsMixedOnItsOwnInEveryLayout) {
  const Rect one{0, 0, 1, 1};
  // The second source and destination are GDI (200, 40, 120) and (16, 240, 64).
  const struct {
    PixelLayout layout;
    uint32_t source, destination;
    uint8_t alpha;
    uint32_t mixed;
  } cases[] = {// Half white over black is slightly darker than grey.
               {PixelLayout::kRgb565, 0xFFFF, 0x0000, 128, 0x7BEF},
               {PixelLayout::kRgb555, 0x7FFF, 0x8000, 128, 0x3DEF},
               {PixelLayout::kBgrx32, 0xAAFFFFFF, 0x55000000, 128, 0x557F7F7F},
               {PixelLayout::kRgb565, 0xC94F, 0x1788, 77, (8u << 11) | (44u << 5) | 10u},
               {PixelLayout::kRgb555, 0x64AF, 0x0BC8, 77, (8u << 10) | (22u << 5) | 10u},
               {PixelLayout::kBgr24, 0xC82878, 0x10F040, 77, 0x47B250},
               {PixelLayout::kBgrx32, 0xC82878, 0x10F040, 77, 0x47B250},
               {PixelLayout::kRgb24, 0x7828C8, 0x40F010, 77, 0x50B247},
               {PixelLayout::kRgbx32, 0x7828C8, 0x40F010, 77, 0x50B247}};
  for (const auto& c : cases) {
    auto src = Filled(c.layout, 1, 1, c.source);
    auto dst = Filled(c.layout, 1, 1, c.destination);
    ASSERT_TRUE(BlendMasked(dst.get(), 0, 0, src.get(), &one, &c.alpha));
    EXPECT_EQ(dst->PixelAt(0, 0), c.mixed) << static_cast<int>(c.layout) << " alpha " << +c.alpha;
  }
}

TEST(BlendMaskedTest, MaskEndsCopyOrKeepAndOnlyTheRectangleIsTouched) {
  for (PixelLayout layout : test::kEveryLayout) {
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
