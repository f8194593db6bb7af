#include "tools/rufo_play/region_map.h"

#include <gtest/gtest.h>

#include <tuple>

#include "tests/play/play_fixtures.h"

namespace rufo::play {
namespace {

using test::MaskDrawing;

TEST(RegionMapTest, AClickLandsDeepInsideTheLargestPiece) {
  // A frame-shaped region: its centre of mass is in the hole, which belongs to another region.
  MaskDrawing frame;
  frame.Fill({100, 100, 300, 300}, 4).Fill({120, 120, 280, 280}, 9);
  const RegionMap map = frame.Map();
  const auto ring = map.ClickPoint(4);
  ASSERT_TRUE(ring);
  EXPECT_EQ(map.At(ring->x, ring->y), 4);
  // The deepest pixels of a 20-pixel band are its middle lines.
  const int inset = std::min({ring->x - 100, 299 - ring->x, ring->y - 100, 299 - ring->y});
  EXPECT_GE(inset, 9);
  const auto hole = map.ClickPoint(9);
  ASSERT_TRUE(hole);
  EXPECT_TRUE((Rect{199, 199, 201, 201}.Contains(hole->x, hole->y))) << "the middle of a square";

  // Two pieces of one region: the larger one is clicked.
  MaskDrawing pieces;
  pieces.Fill({0, 0, 10, 10}, 2).Fill({400, 50, 500, 150}, 2);
  const auto big = pieces.Map().ClickPoint(2);
  ASSERT_TRUE(big);
  EXPECT_TRUE((Rect{440, 90, 460, 110}.Contains(big->x, big->y))) << big->x << "," << big->y;

  EXPECT_FALSE(map.ClickPoint(7)) << "a region the map lacks";
  EXPECT_FALSE(map.ClickPoint(RegionMap::kNone));
}

TEST(RegionMapTest, PlacesToAvoidAreLeftOut) {
  MaskDrawing drawing;
  drawing.Fill({100, 400, 300, 480}, 3).Fill({500, 460, 600, 480}, 5);
  const RegionMap map = drawing.Map();
  const std::vector<Rect> toolbar = {{144, 455, 496, 480}};
  const auto left = map.ClickPoint(3, toolbar);
  ASSERT_TRUE(left);
  EXPECT_FALSE(toolbar[0].Contains(left->x, left->y));
  EXPECT_EQ(map.At(left->x, left->y), 3);
  EXPECT_FALSE(map.ClickPoint(5, {{480, 440, 640, 480}})) << "wholly covered";

  const Rect edge{590, 30, 640, 380};
  const auto free = map.FreePoint(edge, {{600, 0, 640, 480}});
  ASSERT_TRUE(free);
  EXPECT_TRUE(edge.Contains(free->x, free->y));
  EXPECT_LT(free->x, 600);
  EXPECT_EQ(map.At(free->x, free->y), RegionMap::kNone);
  EXPECT_FALSE(MaskDrawing().Fill({0, 0, 640, 480}, 1).Map().FreePoint(edge));
}

TEST(RegionMapTest, AHitMapPictureIsReadWithItsValues) {
  rufo::test::TempFolder folder;
  MaskDrawing().Fill({10, 20, 30, 40}, 0).Fill({600, 400, 640, 480}, 125).Write(folder, "m.png");
  const auto map = RegionMap::Load((folder.Path() / "m.png").string());
  ASSERT_TRUE(map);
  EXPECT_EQ(map->Values(), (std::vector<int>{0, 125}));
  // Edges of the regions, and outside the screen.
  EXPECT_EQ(std::tuple(map->At(10, 20), map->At(9, 20), map->At(639, 479), map->At(640, 0)),
            std::tuple(0, RegionMap::kNone, 125, RegionMap::kNone));

  folder.Write("not.png", "not a picture");
  EXPECT_FALSE(RegionMap::Load((folder.Path() / "not.png").string()));
  EXPECT_FALSE(RegionMap::Load((folder.Path() / "none.png").string()));
}

}  // namespace
}  // namespace rufo::play
