#include "tools/assetkit/screen_script.h"

#include <gtest/gtest.h>

#include "tools/assetkit/screen_entries.h"

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
  EXPECT_NE(text.find("ANI=10,20,A_SPEEK,flags=CLK_PLAY\r\n"), std::string::npos);
  EXPECT_NE(text.find("BITMAP=165,274,Bitmaps\\Start\\cepka,CEPKA,flags=CF_HIDDEN\r\n"),
            std::string::npos);
  EXPECT_NE(text.find("\x8E\xC1"
                      "BA"),
            std::string::npos)
      << "names are Windows-1250";

  const auto entries = ReadScreenEntries(text);
  ASSERT_EQ(entries.size(), 9u);
  EXPECT_EQ(entries[0].keyword, "BG");
  EXPECT_EQ(entries[0].path, "Bitmaps\\Start\\bg");
  EXPECT_EQ(entries[1].path, "Bitmaps\\Start\\Ani\\MLUVI");
  EXPECT_EQ(entries[2].name, "A_SPEEK");
  EXPECT_EQ(entries[3].path, "DOG");
  EXPECT_EQ(entries[4].name, "PES");
  EXPECT_EQ(entries[4].path, "Bitmaps\\Start\\Ani\\dog");
  EXPECT_EQ(entries[5].keyword, "EMPTY");
  EXPECT_EQ(entries[6].name, "CEPKA");
  EXPECT_EQ(entries[7].keyword, "ABITMAP");
  EXPECT_EQ(entries[8].name, "OK");
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

TEST(ScreenEntries, FollowTheGameLineRules) {
  // Tabs vanish, a comment is no entry, ANIMAL reads as ANI, a line over 254 characters goes on
  // as the next line.
  const std::string longLine = "; " + std::string(252, 'x') + "EMPTY\n";
  const auto entries =
      ReadScreenEntries("; comment\nBITMAP=1,2,p,A\tB\r\nANIMAL=1,2,CAT\n" + longLine);
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[0].name, "AB");
  EXPECT_EQ(entries[1].name, "CAT");
  EXPECT_EQ(entries[2].keyword, "EMPTY");
}

}  // namespace
}  // namespace rufo::assetkit
