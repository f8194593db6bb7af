// The generated demo data read through the game's own loaders.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "gfx/hit_map.h"
#include "gfx/picture_file.h"
#include "platform/video_device.h"
#include "tests/support/headless_engine.h"

namespace rufo {
namespace {

namespace fs = std::filesystem;

const fs::path kTree = fs::path(RUFO_BINARY_DIR) / "data";

class GameReaders : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!fs::exists(kTree / ".demogen")) GTEST_SKIP() << "no generated data (RUFO_BUILD_DATA=OFF)";
  }
};

TEST_F(GameReaders, EveryPictureLoadsIntoA16BitSurface) {
  platform::VideoDevice video;
  const gfx::SurfaceFactory factory = [&](int w, int h, std::unique_ptr<platform::Surface>* out) {
    return video.CreateSurface(w, h, platform::FormatOf(platform::PixelLayout::kRgb565),
                               platform::SurfaceMemory::kSystem, out);
  };
  int pictures = 0;
  for (const auto& entry : fs::recursive_directory_iterator(kTree)) {
    if (entry.path().extension() != ".png") continue;
    std::unique_ptr<platform::Surface> surface;
    EXPECT_TRUE(gfx::LoadPngPicture(entry.path().string(), factory, &surface)) << entry.path();
    ++pictures;
  }
  EXPECT_GT(pictures, 50);
}

// The Start screen's map: each face place and each sponge button where the picture has it.
TEST_F(GameReaders, StartHitMapMatchesThePicture) {
  std::FILE* file = std::fopen((kTree / "Bitmaps/Start/bg_mask.png").c_str(), "rb");
  ASSERT_NE(file, nullptr);
  gfx::HitMap map;
  ASSERT_TRUE(map.Load(file, 640, 480));
  std::fclose(file);
  const int faces[4][2] = {{71, 228}, {61, 58}, {200, 138}, {353, 65}};
  for (int slot = 0; slot < 4; ++slot) {
    const int x = faces[slot][0], y = faces[slot][1];
    EXPECT_EQ(map.Value(x + 45, y + 55), 20 + slot) << "face " << slot;
    EXPECT_EQ(map.Value(x, y), 20 + slot) << "face corner " << slot;
    EXPECT_EQ(map.Value(x + 89, y + 109), 20 + slot) << "face corner " << slot;
    EXPECT_EQ(map.Value(x - 1, y - 1), 255) << "outside face " << slot;
  }
  const int buttons[4][2] = {{182, 335}, {172, 165}, {311, 245}, {464, 172}};
  for (int slot = 0; slot < 4; ++slot) {
    EXPECT_EQ(map.Value(buttons[slot][0], buttons[slot][1]), 26 + slot) << "button " << slot;
  }
  EXPECT_EQ(map.Value(165 + 38, 274 + 23), 255) << "the cap's resting place is no region";
}

TEST_F(GameReaders, CursorSetLoadsWithItsNamesInOrder) {
  test::HeadlessEngine engine;
  // Data from the generated tree; the fixture's own runtime cursor file must not win.
  fs::remove(engine.Folder().Path() / "runtime" / "Cursors.dat");
  engine.Folder().Write("config/rufo.ini",
                        "[Rufo I]\nCD=" + kTree.string() + "/\nHD=" + engine.RuntimeRoot() + "\n");
  const InterfaceProperties properties = test::HeadlessEngine::Properties();
  ASSERT_TRUE(engine.Engine().Init(&properties));
  Interface& e = engine.Engine();
  ASSERT_EQ(e.CursorCount(), 6);
  EXPECT_EQ(e.FindCursor("Arrow"), 0);
  EXPECT_EQ(e.FindCursor("WaitArrow"), 1);
  EXPECT_EQ(e.FindCursor("SelArrow"), 5);
}

}  // namespace
}  // namespace rufo
