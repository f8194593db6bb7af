#include "controls/screen_script.h"

#include <gtest/gtest.h>

#include "controls/bitmap_control.h"
#include "controls/button_control.h"
#include "controls/control_list.h"
#include "controls/scripted_animation_control.h"
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
  // Two separators in a row give an empty field; the double quote and CR separate too.
  const std::string line = "ANI=1,,\"x\"\rend";
  const std::tuple<std::string, int, bool, std::string> cases[] = {
      {line, 0, true, "ANI"}, {line, 2, true, ""}, {line, 4, true, "x"}, {line, 6, true, "end"},
      {line, 7, false, ""},   {"", 0, true, ""},   {"", 1, false, ""}};
  for (const auto& [text, index, found, expected] : cases) {
    std::string field = "stale";
    EXPECT_EQ(ScreenScript::GetField(text, &field, index), found) << index;
    EXPECT_EQ(field, expected) << index;
  }
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
  Control* const second = reinterpret_cast<Control*>(0x2000);
  script.Entry(2).control = reinterpret_cast<Control*>(0x1000);
  script.Entry(3).control = second;
  EXPECT_EQ(script.FindEntry("MLUVI"), 1);
  EXPECT_EQ(script.FindEntry("mluvi"), -1);
  EXPECT_EQ(script.FindEntry("MYS2"), 2);
  EXPECT_EQ(script.FindEntry("MYS"), -1);
  EXPECT_EQ(script.MatchEvent(second, 256, "MYS2", 256), 3);
  EXPECT_EQ(script.MatchEvent(second, 512, "MYS2", 256), -1);
  EXPECT_EQ(script.MatchEvent(second, 256, "MLUVI", 256), -1);
}

TEST(ScreenScriptLoadTest, CreatesAControlForEachEntryWithItsIdAndHitIndexWhileTheListHasRoom) {
  test::HeadlessEngine headless;
  headless.Start();
  const test::TempFolder& folder = headless.Folder();
  test::WriteBands(folder, "data/Bitmaps/pozadi.png", 640, 480, 1, false);
  test::WriteBands(folder, "runtime/Bitmaps/logo.png", 30, 20, 1, false);
  test::WriteBands(folder, "data/Bitmaps/faces.png", 300, 50, 3, false);
  test::WriteBands(folder, "data/Bitmaps/ok.png", 80, 160, 4, true);
  test::WriteAnimation(folder, "data/Anim/mluvi.ani", test::PlainFrames(2));
  folder.Write("runtime/Data/Test/screen.dat",
               "EMPTY\r\n"
               "BG=Bitmaps\\pozadi,POZADI\r\n"
               "PATH_ANI=Anim\\\r\n"
               "ANI=30,40,MLUVI,flags=CLK_PLAY\r\n"
               "BITMAP=10,20,Bitmaps\\logo,LOGO,flags=CF_HIDDEN\r\n"
               "ABITMAP=100,20,Bitmaps\\faces,FACES,3\r\n"
               "BUTTON=200,20,Bitmaps\\ok,OK,0\r\n"
               "ANI=0,0,CHYBI\r\n");
  ScreenScript script;
  EXPECT_FALSE(script.Parse("Data\\Chybi\\screen.dat"));
  EXPECT_NE(headless.LogText().find("Cannot load file"), std::string::npos);
  ASSERT_TRUE(script.Load("Data\\Test\\screen.dat")) << "found in the runtime root";
  ASSERT_EQ(script.Count(), 7);
  EXPECT_EQ(headless.TakeMessageBoxes(),
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
  EXPECT_EQ(Engine().Primary()->PixelAt(600, 400), Engine().ColorToPixel(test::FrameColor(0)))
      << "the background is shown";

  // A control the full list refuses is deleted, not kept (leak-checked builds see a kept copy).
  folder.Write("data/Data/Full/screen.dat", "BITMAP=10,20,Bitmaps\\logo,LOGO\r\n");
  for (int i = Engine().Controls().Count(); i < ControlList::kCapacity; ++i)
    ASSERT_TRUE(AddControl(new Control(1000 + i)));
  ScreenScript full;
  ASSERT_TRUE(full.Load("Data\\Full\\screen.dat"));
  EXPECT_EQ(full.Entry(0).control, nullptr);
}

// Positions are held within 16 bits, so that a control's position plus its size, or the mouse's
// position minus it, never overflows while it is drawn or tested.
TEST(ScreenScriptLoadTest, FarPositionsAreHeldSoControlsDrawAndTestTheMouseSafely) {
  test::HeadlessEngine headless;
  headless.Start();
  test::WriteBands(headless.Folder(), "data/Bitmaps/logo.png", 30, 20, 1, false);
  test::WriteAnimation(headless.Folder(), "data/Anim/mluvi.ani", test::PlainFrames(2));
  headless.Folder().Write("data/Data/Far/screen.dat",
                          "BITMAP=99999999999,-99999999999,Bitmaps\\logo,FAR1\r\n"
                          "BUTTON=-2147483648,2147483647,Bitmaps\\logo,FAR2\r\n"
                          "ANI=2147483647,2147483647,Anim\\mluvi,FAR3\r\n"
                          "ABITMAP=-32768,32768,Bitmaps\\logo,FAR4,2\r\n");
  ScreenScript script;
  ASSERT_TRUE(script.Load("Data\\Far\\screen.dat"));
  const std::pair<int, int> held[] = {
      {32767, -32767}, {-32767, 32767}, {32767, 32767}, {-32767, 32767}};
  ASSERT_EQ(script.Count(), 4);
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(std::pair(script.Entry(i).x, script.Entry(i).y), held[i]) << i;
    ASSERT_NE(script.Entry(i).control, nullptr) << i;
    script.Entry(i).control->ClearFlags(kCfHidden);
  }
  headless.Play("0 move 0 0");
  Engine().ComposeFrame();
  for (int i = 0; i < 4; ++i) {
    const Control& control = *script.Entry(i).control;
    EXPECT_FALSE(control.MouseInside(control.Rectangle())) << i;
  }
}

}  // namespace
}  // namespace rufo
