#include "platform/surface.h"

#include <gtest/gtest.h>

#include "platform/video_device.h"

namespace rufo::platform {
namespace {

class SurfaceTest : public ::testing::TestWithParam<PixelLayout> {
 protected:
  std::unique_ptr<Surface> Make(int w, int h) {
    std::unique_ptr<Surface> surface;
    EXPECT_EQ(device_.CreateSurface(w, h, FormatOf(GetParam()), SurfaceMemory::kSystem, &surface),
              kDdOk);
    return surface;
  }
  VideoDevice device_;
};

TEST_P(SurfaceTest, KeyedBlitSkipsKeyPixelsAndClipsAtEveryEdge) {
  auto dst = Make(8, 6);
  auto src = Make(4, 4);
  const uint32_t key = GdiColorToPixel(Rgb(255, 0, 255), src->Format());
  const uint32_t red = GdiColorToPixel(Rgb(255, 0, 0), src->Format());
  const uint32_t blue = GdiColorToPixel(Rgb(0, 0, 255), src->Format());
  dst->Fill(nullptr, blue);
  src->Fill(nullptr, red);
  src->SetPixel(1, 1, key);
  src->SetColorKey(key);

  ASSERT_EQ(dst->Blit(-2, 4, *src, nullptr, true), kDdOk);
  // Rows 4 and 5 of dst get source rows 0 and 1, columns 0 and 1 get source columns 2 and 3.
  EXPECT_EQ(dst->PixelAt(0, 4), red);
  EXPECT_EQ(dst->PixelAt(1, 5), red);
  EXPECT_EQ(dst->PixelAt(2, 4), blue);
  EXPECT_EQ(dst->PixelAt(0, 3), blue);

  ASSERT_EQ(dst->Blit(6, -1, *src, nullptr, true), kDdOk);
  EXPECT_EQ(dst->PixelAt(7, 0), blue) << "source (1, 1) is the key colour";
  EXPECT_EQ(dst->PixelAt(6, 0), red);

  Rect part{1, 1, 3, 3};
  ASSERT_EQ(dst->Blit(3, 0, *src, &part, false), kDdOk);
  EXPECT_EQ(dst->PixelAt(3, 0), key) << "without the key flag the key colour is copied";
  EXPECT_EQ(dst->Blit(100, 100, *src, nullptr, false), kDdOk);
}

// Whole-row blits go as one block; they must land exactly where row-by-row copies would, clipped
// at the top and bottom, and a surface blitted onto itself keeps copying top row first.
TEST_P(SurfaceTest, WholeRowBlitsLandAsRowByRowCopies) {
  constexpr int kW = 8, kH = 6;
  auto pixel = [](int x, int y) { return static_cast<uint32_t>(0x010203 * (y * kW + x + 1)); };
  auto dst = Make(kW, kH);
  auto src = Make(kW, kH);
  const uint32_t mask =
      GetParam() == PixelLayout::kRgb565 || GetParam() == PixelLayout::kRgb555 ? 0xFFFF : 0xFFFFFF;
  for (int y = 0; y < kH; ++y) {
    for (int x = 0; x < kW; ++x)
      src->SetPixel(x, y, pixel(x, y) & mask);
  }
  dst->Fill(nullptr, 0);

  const Rect lower{0, 2, kW, kH};
  ASSERT_EQ(dst->Blit(0, -1, *src, &lower, false), kDdOk);
  ASSERT_EQ(dst->Blit(0, 4, *src, nullptr, false), kDdOk);
  for (int x = 0; x < kW; ++x) {
    EXPECT_EQ(dst->PixelAt(x, 0), pixel(x, 3) & mask) << "source row 2 is clipped away above";
    EXPECT_EQ(dst->PixelAt(x, 2), pixel(x, 5) & mask);
    EXPECT_EQ(dst->PixelAt(x, 3), 0u) << "untouched between the two blits";
    EXPECT_EQ(dst->PixelAt(x, 4), pixel(x, 0) & mask);
    EXPECT_EQ(dst->PixelAt(x, 5), pixel(x, 1) & mask) << "clipped at the bottom";
  }

  ASSERT_EQ(src->Blit(0, 1, *src, nullptr, false), kDdOk);
  for (int y = 0; y < kH; ++y) {
    EXPECT_EQ(src->PixelAt(kW - 1, y), pixel(kW - 1, 0) & mask)
        << "row " << y << " repeats the first row, as copies top row first give";
  }
}

INSTANTIATE_TEST_SUITE_P(Layouts, SurfaceTest,
                         ::testing::Values(PixelLayout::kRgb565, PixelLayout::kRgb555,
                                           PixelLayout::kBgr24, PixelLayout::kRgb24,
                                           PixelLayout::kBgrx32, PixelLayout::kRgbx32));

TEST(SurfaceDeviceTest, LostSurfacesRefuseWorkFormatsMustMatchAndVideoMemoryCanRunOut) {
  VideoDevice device;
  std::unique_ptr<Surface> a, b;
  device.CreateSurface(2, 2, FormatOf(PixelLayout::kRgb565), SurfaceMemory::kVideo, &a);
  device.CreateSurface(2, 2, FormatOf(PixelLayout::kBgrx32), SurfaceMemory::kSystem, &b);
  EXPECT_EQ(a->Blit(0, 0, *b, nullptr, false), kDdErrInvalidParams);
  EXPECT_EQ(b->Blit(0, 0, *b, nullptr, false), kDdOk);

  device.LoseAllSurfaces();
  EXPECT_EQ(b->Blit(0, 0, *b, nullptr, false), kDdErrSurfaceLost);
  EXPECT_EQ(b->Fill(nullptr, 0), kDdErrSurfaceLost);
  EXPECT_EQ(b->Lock(nullptr), nullptr);
  device.RestoreAllSurfaces();
  EXPECT_EQ(b->Blit(0, 0, *b, nullptr, false), kDdOk);
  EXPECT_EQ(device.LiveSurfaceCount(), 2);
  b.reset();
  EXPECT_EQ(device.LiveSurfaceCount(), 1);

  device.SetVideoMemoryAvailable(false);
  const PixelFormat format = a->Format();
  EXPECT_EQ(device.CreateSurface(2, 2, format, SurfaceMemory::kVideo, &a), kDdErrOutOfVideoMemory);
  EXPECT_EQ(a, nullptr);
  EXPECT_EQ(device.CreateSurface(0, 2, format, SurfaceMemory::kSystem, &a), kDdErrInvalidParams);
}

}  // namespace
}  // namespace rufo::platform
