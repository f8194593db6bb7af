// The demo data's pictures that a child counts: each chick of a nest is one whole shape, apart
// from the others, so that the picture of n chicks shows n of them to count.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/pictures.h"

namespace rufo {
namespace {

namespace fs = std::filesystem;

const fs::path kArtTree = fs::path(RUFO_BINARY_DIR) / "data";

bool NearColour(uint32_t pixel, uint32_t colour) {
  for (int shift = 0; shift < 24; shift += 8) {
    if (std::abs(int((pixel >> shift) & 0xFF) - int((colour >> shift) & 0xFF)) > 6) return false;
  }
  return true;
}

// The sizes of the connected groups (side by side or one above the other) of pixels of a
// colour within columns x0 to x0 + w of a picture, leaving out specks at smoothed edges.
std::vector<int> ColourBlobs(const std::vector<uint32_t>& pixels, int width, int x0, int w,
                             uint32_t colour) {
  const int height = static_cast<int>(pixels.size()) / width;
  std::vector<bool> seen(pixels.size(), false);
  // Marks the pixel seen when it is one of the group's not yet seen.
  const auto take = [&](int x, int y) -> bool {
    if (x < x0 || x >= x0 + w || y < 0 || y >= height || seen[y * width + x]) return false;
    return seen[y * width + x] = NearColour(pixels[y * width + x], colour);
  };
  std::vector<int> sizes;
  for (int y = 0; y < height; ++y) {
    for (int x = x0; x < x0 + w; ++x) {
      if (!take(x, y)) continue;
      int size = 0;
      for (std::vector<std::pair<int, int>> open{{x, y}}; !open.empty(); ++size) {
        const auto [px, py] = open.back();
        open.pop_back();
        const std::pair<int, int> next[] = {{px + 1, py}, {px - 1, py}, {px, py + 1}, {px, py - 1}};
        for (const auto& [nx, ny] : next)
          if (take(nx, ny)) open.push_back({nx, ny});
      }
      if (size >= 10) sizes.push_back(size);
    }
  }
  return sizes;
}

TEST(CountedArt, EachNestPictureShowsAsManyWholeChicksAsItsNumber) {
  if (!fs::exists(kArtTree / ".demogen")) GTEST_SKIP() << "no generated data (RUFO_BUILD_DATA=OFF)";
  constexpr uint32_t kChick = 0xFFDB40;
  for (const char* nest : {"LN", "PN", "LD", "PD"}) {
    SCOPED_TRACE(nest);
    int width = 0;
    const std::vector<uint32_t> strip = test::ReadPicture(
        (kArtTree / "Bitmaps/Garden4/nad" / (std::string(nest) + ".png")).string(), &width);
    ASSERT_FALSE(strip.empty());
    const int frame = width / 10;
    const std::vector<int> lone = ColourBlobs(strip, width, frame, frame, kChick);
    ASSERT_EQ(lone.size(), 1u);
    for (int chicks = 0; chicks < 10; ++chicks) {
      const std::vector<int> blobs = ColourBlobs(strip, width, chicks * frame, frame, kChick);
      EXPECT_EQ(static_cast<int>(blobs.size()), chicks) << "picture " << chicks;
      for (int size : blobs) {
        EXPECT_GE(size, lone[0] * 9 / 10) << "a chick partly hidden in picture " << chicks;
      }
    }
  }
}

}  // namespace
}  // namespace rufo
