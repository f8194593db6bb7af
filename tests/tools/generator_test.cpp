#include "tools/demogen/generator.h"

#include <gtest/gtest.h>

#include <set>

#include "tests/support/ani_frames.h"
#include "tests/support/pictures.h"
#include "tests/support/temp_folder.h"

namespace rufo::demogen {
namespace {

namespace fs = std::filesystem;

class GeneratorTest : public ::testing::Test {
 protected:
  void Generate(const std::string& description) {
    Generator generator(folder_.Path() / "data");
    generator.Add(ParseDescription(description, "test.txt"));
    generator.Finish();
  }
  std::string Fault(const std::string& description) {
    try {
      Generate(description);
    } catch (const DescriptionError& e) {
      return e.what();
    }
    return "no fault";
  }
  fs::path Out(const std::string& relative) const { return folder_.Path() / "data" / relative; }

  test::TempFolder folder_;
};

TEST_F(GeneratorTest, PicturesKeepTheKeyForEmptyPixelsOnly) {
  Generate(
      "picture strip 20 10 frames=3\n"
      "  panel 2 2 16 6 color=#ff00ff line=0\n"
      "picture Bitmaps\\bg 8 8 opaque\n"
      "  panel -5 -5 4 4 color=#102030 line=0\n");
  int w = 0;
  const std::vector<uint32_t> strip = test::ReadPicture(Out("strip.png").string(), &w);
  ASSERT_EQ(w, 60);
  ASSERT_EQ(strip.size(), 60u * 10);
  EXPECT_EQ(strip[0], 0xFF00FFu) << "empty pixels are the magenta key";
  for (int frame = 0; frame < 3; ++frame) {
    EXPECT_NE(strip[5 * w + frame * 20 + 10] & 0xFF00, 0u)
        << "a drawn magenta must not read as the key on a 16-bit display";
  }
  const std::vector<uint32_t> bg = test::ReadPicture(Out("Bitmaps/bg.png").string());
  ASSERT_FALSE(bg.empty());
  EXPECT_EQ(bg[0] >> 16, 0xFFu) << "an opaque picture is drawn over white";
}

TEST_F(GeneratorTest, HitMapsHoldOnlyTheirRegionValues) {
  Generate(
      "hitmap Bitmaps\\mask\n"
      "  ellipse 26 100 100 17 17\n"
      "  rect 20 10 10 30 40\n");
  int w = 0;
  const std::vector<uint32_t> map = test::ReadPicture(Out("Bitmaps/mask.png").string(), &w);
  ASSERT_EQ(w, 640);
  ASSERT_EQ(map.size(), 640u * 480);
  std::set<uint32_t> values;
  for (uint32_t pixel : map)
    values.insert(pixel >> 16);
  EXPECT_EQ(values, (std::set<uint32_t>{20, 26, 255})) << "no blended edges";
  EXPECT_EQ(map[100 * 640 + 100] >> 16, 26u);
  EXPECT_EQ(map[10 * 640 + 10] >> 16, 20u);
  EXPECT_EQ(map[49 * 640 + 39] >> 16, 20u);
  EXPECT_EQ(map[50 * 640 + 40] >> 16, 255u);
}

TEST_F(GeneratorTest, AnimationsScriptsAndScreens) {
  Generate(
      "scene bits\n"
      "  star 8 8 6\n"
      "animation Bitmaps\\Ani\\STAR 16 16 frames=4 time=0.05\n"
      "  use bits\n"
      "  use bits 4 0\n"
      "frames Bitmaps\\Ani\\STAR 0:0.1 3:0.25\n"
      "screen Data\\Test\\screen.dat title=\"Zkouška\"\n"
      "  bg Bitmaps\\bg BG\n"
      "  anifolder Bitmaps\\Ani\\\n"
      "  ani 10 20 STAR stay\n");
  const auto animation = test::DecodeAniBytes(test::ReadFile(Out("Bitmaps/Ani/STAR.ani")));
  ASSERT_TRUE(animation);
  EXPECT_EQ(animation->frames.size(), 4u);
  EXPECT_EQ(animation->header.frameSeconds, 0.05f);
  EXPECT_EQ(animation->header.colorKey, 0xF800F8u);
  EXPECT_EQ(animation->frames[0][0], 0xF81F) << "the corner is keyed";
  EXPECT_EQ(test::ReadFile(Out("Bitmaps/Ani/STAR.dat")), "-0,0.100\r\n-3,0.250\r\n");
  EXPECT_EQ(test::ReadFile(Out("Data/Test/screen.dat")),
            "; Zkou\x9Aka\r\nBG=Bitmaps\\bg,BG\r\nPATH_ANI=Bitmaps\\Ani\\\r\n"
            "ANI=10,20,STAR,flags=END_PLAY_NH\r\n");
}

TEST_F(GeneratorTest, FaultsNameTheirLine) {
  EXPECT_EQ(Fault("picture p 10 10\n  teapot 1 2\n"), "test.txt:2: no drawing named teapot");
  EXPECT_EQ(Fault("picture p 10 10\n  flower 1 2\n"),
            "test.txt:2: flower needs: x y size (color=)");
  EXPECT_EQ(Fault("picture p 10 10\n  flower 1 2 3 color=mauve\n"),
            "test.txt:2: unknown colour \"mauve\"");
  EXPECT_EQ(Fault("picture p 10 10\n  use nowhere\n"), "test.txt:2: no scene named nowhere");
  EXPECT_EQ(Fault("scene a\n  use a\npicture p 10 10\n  use a\n"),
            "test.txt:3: scenes use each other in a circle");
  EXPECT_EQ(Fault("screen s.dat\n  bitmap 1 2 a,b N\n"),
            "test.txt:2: screen script field holds a separator: a,b");
  EXPECT_EQ(Fault("speech robot x \"ahoj\"\n"),
            "test.txt:1: speech voice must be rufo or narrator");
  EXPECT_EQ(Fault("picture ..\\escape 10 10\n"),
            "test.txt:1: data path \"..\\escape\" leaves the data tree");
  EXPECT_EQ(Fault("sound s kazoo\n"), "test.txt:1: unknown sound effect \"kazoo\"");
  EXPECT_EQ(Fault("frames s 1-0.5\n"), "test.txt:1: a frame step is FRAME:SECONDS, not 1-0.5");
  EXPECT_EQ(Fault("bogus 1\n"), "test.txt:1: unknown keyword bogus");
  // What the description's reader refuses.
  EXPECT_EQ(Fault("  sky\n"), "test.txt:1: indented line without a block");
  EXPECT_EQ(Fault("a\nspeech rufo x \"open\n"), "test.txt:2: unclosed quote");
  EXPECT_EQ(Fault("a b\"c\"\n"), "test.txt:1: quote inside a word");
  EXPECT_EQ(Fault("=x\n"), "test.txt:1: '=' without a key");
  EXPECT_EQ(Fault("picture p 64x 48\n"), "test.txt:1: \"64x\" is not a whole number");
  EXPECT_EQ(Fault("picture p 64\n"), "test.txt:1: picture needs at least 3 plain values");
  EXPECT_EQ(Fault("picture p 6 4 frames=two\n"), "test.txt:1: frames= needs a whole number");
  EXPECT_EQ(Fault("speech rufo x ahoj\n"), "test.txt:1: speech needs a quoted text");
}

}  // namespace
}  // namespace rufo::demogen
