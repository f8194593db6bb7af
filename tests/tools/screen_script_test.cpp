#include "tools/assetkit/screen_script.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <tuple>
#include <vector>

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

  // The game's parser reads the text back; names are Windows-1250.
  std::string bytes = script.Text();
  std::FILE* file = fmemopen(bytes.data(), bytes.size(), "rb");
  ASSERT_TRUE(file);
  ScreenScript entries;
  entries.Parse(file);
  std::fclose(file);
  using Fields = std::tuple<int, std::string, std::string, int, int>;  // type name path x number
  std::vector<Fields> read;
  for (int i = 0; i < entries.Count(); ++i) {
    const ScreenEntry& e = entries.Entry(i);
    read.emplace_back(e.type, e.name, e.path, e.x, e.number);
  }
  EXPECT_EQ(read, (std::vector<Fields>{
                      {kEntryBackground, "BG", "Bitmaps\\Start\\bg", 0, 0},
                      {kEntryAnimation, "MLUVI", "Bitmaps\\Start\\Ani\\MLUVI", 485, 0},
                      {kEntryAnimation, "A_SPEEK", "Bitmaps\\Start\\Ani\\A_SPEEK", 10, 0},
                      {kEntryAnimation, "DOG", "DOG", 1, 0},
                      {kEntryAnimation, "PES", "Bitmaps\\Start\\Ani\\dog", 3, 0},
                      {kEntryEmpty, "", "", 0, 0},
                      {kEntryBitmap, "CEPKA", "Bitmaps\\Start\\cepka", 165, 0},
                      {kEntryAnimatedBitmap, "\x8E\xC1\x42\x41", "pic", 1, 3},
                      {kEntryButton, "OK", "knoflik", 5, 0},
                  }));
  ASSERT_EQ(entries.Count(), 9);
  EXPECT_EQ(entries.Entry(2).flags & kCfClickPlays, kCfClickPlays);
  EXPECT_EQ(entries.Entry(3).flags & kCfHideAtEnd, 0u);
  EXPECT_EQ(entries.Entry(6).flags, kCfHidden);
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
