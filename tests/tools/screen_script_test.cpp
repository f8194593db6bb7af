#include "tools/assetkit/screen_script.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "controls/control.h"
#include "controls/screen_script.h"

namespace rufo::assetkit {
namespace {

TEST(ScreenScriptWriter, EntriesReadBackInOrderWithTheirFiles) {
  ScreenScriptWriter script;
  script.Comment("Start");
  script.Background("Bitmaps\\Start\\bg", "BG");
  script.AnimationFolder("Bitmaps\\Start\\Ani\\");
  script.Animation(485, 232, "MLUVI", {});
  script.Animation(10, 20, "A_SPEEK", {.clickToPlay = true});
  script.Animation(1, 2, "DOG", {.stayVisible = true, .withoutFolder = true});
  script.AnimationFromFile(3, 4, "dog", "PES", {.clickToPlay = true});
  script.Empty();
  script.Bitmap(165, 274, "Bitmaps\\Start\\cepka", "CEPKA", true);
  script.AnimatedBitmap(1, 1, "pic", "ŽÁBA", 3, false);
  script.Button(5, 6, "knoflik", "OK");
  EXPECT_EQ(script.EntryCount(), 9);

  const std::string& text = script.Text();
  EXPECT_NE(text.find("\x8E\xC1"
                      "BA"),
            std::string::npos)
      << "names are Windows-1250";

  // The game's parser reads the text back.
  std::string bytes = text;
  std::FILE* file = fmemopen(bytes.data(), bytes.size(), "rb");
  ASSERT_TRUE(file);
  ScreenScript entries;
  entries.Parse(file);
  std::fclose(file);
  ASSERT_EQ(entries.Count(), 9);
  EXPECT_EQ(entries.Entry(0).type, kEntryBackground);
  EXPECT_EQ(entries.Entry(0).path, "Bitmaps\\Start\\bg");
  EXPECT_EQ(entries.Entry(1).path, "Bitmaps\\Start\\Ani\\MLUVI");
  EXPECT_EQ(entries.Entry(2).name, "A_SPEEK");
  EXPECT_EQ(entries.Entry(2).flags & kCfClickPlays, kCfClickPlays);
  EXPECT_EQ(entries.Entry(3).path, "DOG");
  EXPECT_EQ(entries.Entry(3).flags & kCfHideAtEnd, 0u);
  EXPECT_EQ(entries.Entry(4).name, "PES");
  EXPECT_EQ(entries.Entry(4).path, "Bitmaps\\Start\\Ani\\dog");
  EXPECT_EQ(entries.Entry(5).type, kEntryEmpty);
  EXPECT_EQ(entries.Entry(6).name, "CEPKA");
  EXPECT_EQ(entries.Entry(6).flags, kCfHidden);
  EXPECT_EQ(entries.Entry(7).type, kEntryAnimatedBitmap);
  EXPECT_EQ(entries.Entry(7).number, 3);
  EXPECT_EQ(entries.Entry(8).name, "OK");
  EXPECT_EQ(entries.Entry(8).x, 5);
}

TEST(ScreenScriptWriter, RefusesWhatTheGameWouldMisread) {
  ScreenScriptWriter script;
  EXPECT_THROW(script.Bitmap(0, 0, "a,b", "X", false), std::invalid_argument);
  EXPECT_THROW(script.Background("bg", "B=G"), std::invalid_argument);
  EXPECT_THROW(script.Animation(0, 0, "say\"hi", {}), std::invalid_argument);
  EXPECT_THROW(script.Animation(0, 0, "sourcer", {}), std::invalid_argument);
  EXPECT_THROW(script.AnimationFromFile(0, 0, "f", "N", {.withoutFolder = true}),
               std::invalid_argument);
  EXPECT_THROW(script.Background(std::string(260, 'x'), "BG"), std::invalid_argument);
  EXPECT_EQ(script.EntryCount(), 0);
}

}  // namespace
}  // namespace rufo::assetkit
