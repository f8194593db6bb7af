#include "controls/screen_script.h"

#include <gtest/gtest.h>

#include "controls/bitmap_control.h"
#include "controls/button_control.h"
#include "controls/control_list.h"
#include "controls/scripted_animation_control.h"
#include "platform/message_box.h"
#include "tests/controls/control_assets.h"
#include "tests/support/headless_engine.h"

namespace rufo {
namespace {

ScreenScript Parsed(std::string text) {
  ScreenScript script;
  std::FILE* file = fmemopen(text.data(), text.size(), "rb");
  script.Parse(file);
  std::fclose(file);
  return script;
}

TEST(ScreenScriptTest, GetFieldSplitsAtEverySeparator) {
  const std::string line = "ANI=1,,\"x\"\rend";
  std::string field = "stale";
  ASSERT_TRUE(ScreenScript::GetField(line, &field, 0));
  EXPECT_EQ(field, "ANI");
  ASSERT_TRUE(ScreenScript::GetField(line, &field, 2));
  EXPECT_EQ(field, "") << "two separators in a row give an empty field";
  ASSERT_TRUE(ScreenScript::GetField(line, &field, 4));
  EXPECT_EQ(field, "x") << "the double quote separates too";
  ASSERT_TRUE(ScreenScript::GetField(line, &field, 6));
  EXPECT_EQ(field, "end");
  EXPECT_FALSE(ScreenScript::GetField(line, &field, 7));
  EXPECT_EQ(field, "");
  EXPECT_TRUE(ScreenScript::GetField("", &field, 0));
  EXPECT_FALSE(ScreenScript::GetField("", &field, 1));
}

TEST(ScreenScriptTest, KeywordsAreRecognisedByTheirFirstCharacters) {
  const ScreenScript script = Parsed(
      "; a comment line\r\n"
      "\r\n"
      "EMPTYISH\r\n"
      "BGX=Bitmaps\\bg,POZADI\r\n"
      "BUTTONS=5,6,Bitmaps\\ok,OK,17\r\n"
      "ABITMAX=1,2,Bitmaps\\faces,FACES,8\r\n"
      "PATH_AX=anim\\\r\n"
      "ANIMAL=100,50,DOG\r\n"
      "ani=1,1,lower\r\n"
      "BITMA=1,1,short\r\n");
  ASSERT_EQ(script.Count(), 5);
  EXPECT_EQ(script.Entry(0).type, kEntryEmpty);
  EXPECT_EQ(script.Entry(1).type, kEntryBackground);
  EXPECT_EQ(script.Entry(1).path, "Bitmaps\\bg");
  EXPECT_EQ(script.Entry(1).name, "POZADI");
  EXPECT_EQ(script.Entry(2).type, kEntryButton);
  EXPECT_EQ(script.Entry(2).x, 5);
  EXPECT_EQ(script.Entry(2).y, 6);
  EXPECT_EQ(script.Entry(2).number, 0) << "the button's last field is not read";
  EXPECT_EQ(script.Entry(3).type, kEntryAnimatedBitmap);
  EXPECT_EQ(script.Entry(3).number, 8);
  EXPECT_EQ(script.Entry(4).type, kEntryAnimation);
  EXPECT_EQ(script.Entry(4).path, "anim\\DOG");
  EXPECT_EQ(script.Entry(4).flags, 0x8000u);
}

TEST(ScreenScriptTest, BitmapFlagListsEndAtTheFirstOtherWord) {
  const ScreenScript script = Parsed(
      "BITMAP=10,20,pic,A,flags=CF_HIDDEN,CF_HIDDEN\n"
      "BITMAP=10,20,pic,B,flags=X,CF_HIDDEN\n"
      "BITMAP=10,20,pic,C,CF_HIDDEN\n"
      "BITMAP=120,40,pic,LOGO,flags=CF_HIDDENX\n"
      "ABITMAP=-3, 4,pic,D,3,flags=CF_HIDDEN\n"
      "ABITMAP=1,2,pic,E,flags=CF_HIDDEN\n");
  ASSERT_EQ(script.Count(), 6);
  EXPECT_EQ(script.Entry(0).flags, 0x80u);
  EXPECT_EQ(script.Entry(1).flags, 0u);
  EXPECT_EQ(script.Entry(2).flags, 0u) << "flag words need the word flags before them";
  EXPECT_EQ(script.Entry(3).flags, 0x80u) << "nine characters are compared";
  EXPECT_EQ(script.Entry(4).flags, 0x80u);
  EXPECT_EQ(script.Entry(4).x, -3);
  EXPECT_EQ(script.Entry(4).y, 4);
  EXPECT_EQ(script.Entry(5).number, 0) << "the frame count field reads flags as 0";
  EXPECT_EQ(script.Entry(5).flags, 0u);
}

TEST(ScreenScriptTest, AnimationPathsNamesAndFlags) {
  const ScreenScript script = Parsed(
      "ANI=1,1,NOPREFIX\n"
      "PATH_ANI=anim\\\n"
      "ANI=100,50,DOG\n"
      "ANI=100,50,DOG,flags=HD_PATH\n"
      "ANI=0,0,source,dog,PES,flags=CLK_PLAY\n"
      "ANI=0,0,sourcery,x,Y,flags=CLK_PL,END_PLAY_NH\n"
      "ANI=0,0,source,cat,KOCKA,flags=HD_PATH,CLK_PLAY\n"
      "ANI=0,0,KRTEK,flags=END_PLAY_NH,BOGUS,CLK_PLAY\n"
      "PATH_ANI=other\\\n"
      "ANI=0,0,MYS\n");
  ASSERT_EQ(script.Count(), 8);
  EXPECT_EQ(script.Entry(0).path, "NOPREFIX") << "the prefix starts empty";
  EXPECT_EQ(script.Entry(1).path, "anim\\DOG");
  EXPECT_EQ(script.Entry(1).name, "DOG");
  EXPECT_EQ(script.Entry(1).x, 100);
  EXPECT_EQ(script.Entry(1).y, 50);
  EXPECT_EQ(script.Entry(2).path, "DOG");
  EXPECT_EQ(script.Entry(3).path, "anim\\dog");
  EXPECT_EQ(script.Entry(3).name, "PES");
  EXPECT_EQ(script.Entry(3).flags, 0xC000u);
  EXPECT_EQ(script.Entry(4).path, "anim\\x") << "five characters of \"source\" are compared";
  EXPECT_EQ(script.Entry(4).flags, 0x4000u);
  EXPECT_EQ(script.Entry(5).path, "anim\\cat") << "HD_PATH ends the list after a source";
  EXPECT_EQ(script.Entry(5).flags, 0x8000u);
  EXPECT_EQ(script.Entry(6).flags, 0u) << "an unknown word ends the list";
  EXPECT_EQ(script.Entry(7).path, "other\\MYS");
}

TEST(ScreenScriptTest, LinesAreCleanedCutAndBounded) {
  const std::string longName(300, 'N');
  std::string text = "BITMAP=1,2,pi\tc,MY S\tNAME\r\n";
  // 254 characters are read of this line; the rest is read as the next line, an "EMPTY".
  text += "BITMAP=1,2,p," + std::string(241, 'L') + "EMPTY\n";
  text += "PATH_ANI=" + std::string(200, 'p') + "\n";
  text += "ANI=0,0,source,file" + std::string(100, 'f') + ",ANI\n";
  for (int i = 0; i < 120; ++i)
    text += "EMPTY\n";
  const ScreenScript script = Parsed(text);
  ASSERT_EQ(script.Count(), ScreenScript::kCapacity);
  EXPECT_EQ(script.Entry(0).path, "pic");
  EXPECT_EQ(script.Entry(0).name, "MY SNAME") << "tabs go, spaces stay";
  EXPECT_EQ(script.Entry(1).name, std::string(241, 'L'));
  EXPECT_EQ(script.Entry(2).type, kEntryEmpty);
  EXPECT_EQ(script.Entry(3).path.size(), ScreenScript::kTextLimit);
}

TEST(ScreenScriptTest, LookupsCompareNamesExactly) {
  ScreenScript script = Parsed("EMPTY\nANI=0,0,MLUVI\nBITMAP=0,0,p,MYS2\nBITMAP=0,0,p,MYS2\n");
  Control* const first = reinterpret_cast<Control*>(0x1000);
  Control* const second = reinterpret_cast<Control*>(0x2000);
  script.Entry(2).control = first;
  script.Entry(3).control = second;
  EXPECT_EQ(script.FindEntry("MLUVI"), 1);
  EXPECT_EQ(script.FindEntry("mluvi"), -1);
  EXPECT_EQ(script.FindEntry("MYS2"), 2);
  EXPECT_EQ(script.FindEntry("MYS"), -1);
  EXPECT_EQ(script.MatchEvent(second, 256, "MYS2", 256), 3);
  EXPECT_EQ(script.MatchEvent(second, 512, "MYS2", 256), -1);
  EXPECT_EQ(script.MatchEvent(second, 256, "MLUVI", 256), -1);
}

TEST(ScreenScriptTest, ParseReadsFromTheDataRootThenTheRuntimeRoot) {
  test::HeadlessEngine headless;
  headless.Start();
  headless.Folder().Write("runtime/Data/Start/screen.dat", "EMPTY\nBG=pozadi,POZADI\n");
  ScreenScript script;
  ASSERT_TRUE(script.Parse("Data\\Start\\screen.dat"));
  EXPECT_EQ(script.Count(), 2);
  EXPECT_FALSE(script.Parse("Data\\Missing\\screen.dat"));
  EXPECT_EQ(script.Count(), 0);
  EXPECT_NE(headless.LogText().find("Cannot load file"), std::string::npos);
}

TEST(ScreenScriptLoadTest, CreatesAControlForEachEntryWithItsIdAndHitIndex) {
  test::HeadlessEngine headless;
  headless.Start();
  const test::TempFolder& folder = headless.Folder();
  test::WriteBands(folder, "data/Bitmaps/pozadi.png", 640, 480, 1, false);
  test::WriteBands(folder, "runtime/Bitmaps/logo.png", 30, 20, 1, false);
  test::WriteBands(folder, "data/Bitmaps/faces.png", 300, 50, 3, false);
  test::WriteBands(folder, "data/Bitmaps/ok.png", 80, 160, 4, true);
  test::WriteAnimation(folder, "data/Anim/mluvi.ani", test::PlainFrames(2));
  folder.Write("data/Data/Test/screen.dat",
               "EMPTY\r\n"
               "BG=Bitmaps\\pozadi,POZADI\r\n"
               "PATH_ANI=Anim\\\r\n"
               "ANI=30,40,MLUVI,flags=CLK_PLAY\r\n"
               "BITMAP=10,20,Bitmaps\\logo,LOGO,flags=CF_HIDDEN\r\n"
               "ABITMAP=100,20,Bitmaps\\faces,FACES,3\r\n"
               "BUTTON=200,20,Bitmaps\\ok,OK,0\r\n"
               "ANI=0,0,CHYBI\r\n");
  platform::TakeRecordedMessageBoxes();
  ScreenScript script;
  ASSERT_TRUE(script.Load("Data\\Test\\screen.dat"));
  ASSERT_EQ(script.Count(), 7);
  EXPECT_EQ(platform::TakeRecordedMessageBoxes(),
            std::vector<std::string>{"Chyba pri vytvareni kontrolu: CHYBI"});

  for (int i : {0, 1})
    EXPECT_EQ(script.Entry(i).control, nullptr);
  for (int i = 2; i < 7; ++i) {
    ASSERT_NE(script.Entry(i).control, nullptr) << i;
    EXPECT_EQ(script.Entry(i).control->GetId(), 0xFF00 + i);
    EXPECT_EQ(FindControl(0xFF00 + i), script.Entry(i).control);
  }
  auto* speaker = dynamic_cast<ScriptedAnimationControl*>(script.Entry(2).control);
  ASSERT_NE(speaker, nullptr);
  EXPECT_EQ(speaker->GetFlags(),
            kCfClickPlays | kCfHideAtEnd | kCfHitMap | kCfTransparent | kCfHidden);
  EXPECT_EQ(speaker->HitIndex(), 1);
  EXPECT_EQ(speaker->Path(), "Anim\\MLUVI.ani");
  EXPECT_EQ(speaker->Position().x, 30);

  auto* logo = dynamic_cast<BitmapControl*>(script.Entry(3).control);
  ASSERT_NE(logo, nullptr);
  EXPECT_EQ(logo->GetFlags(), kCfHidden | kCfTransparent | kRuntimeRoot);
  EXPECT_NE(logo->Surface(), nullptr) << "a bitmap is looked for in the runtime root first";
  auto* faces = dynamic_cast<BitmapControl*>(script.Entry(4).control);
  ASSERT_NE(faces, nullptr);
  EXPECT_EQ(faces->GetFrameCount(), 3);
  EXPECT_EQ(faces->Rectangle().right, 100);
  EXPECT_NE(dynamic_cast<ButtonControl*>(script.Entry(5).control), nullptr);
  EXPECT_EQ(script.Entry(5).control->Rectangle().bottom, 40);

  auto* missing = dynamic_cast<ScriptedAnimationControl*>(script.Entry(6).control);
  ASSERT_NE(missing, nullptr) << "an animation that fails to open is still listed";
  EXPECT_EQ(missing->Surface(), nullptr);
  EXPECT_EQ(missing->HitIndex(), 5);

  Engine().ComposeFrame();
  EXPECT_EQ(Engine().BackBuffer()->PixelAt(600, 400), Engine().ColorToPixel(test::FrameColor(0)))
      << "the background is selected";
}

}  // namespace
}  // namespace rufo
