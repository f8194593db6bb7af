#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "controls/control.h"
#include "controls/control_list.h"
#include "engine/cursor_file.h"
#include "tests/support/headless_engine.h"
#include "tests/support/pictures.h"

namespace rufo {
namespace {

constexpr uint32_t kHintBack = 0x00FFFF;  // the hint's background as 0x00RRGGBB

void WriteSolid(const test::TempFolder& folder, const std::string& name, int w, int h,
                uint32_t rgb) {
  ASSERT_TRUE(test::WritePicture(folder, name, w, h, [rgb](int, int) { return rgb; }));
}

// The parsed fields as one comparable value.
auto Fields(const CursorLine& c) {
  return std::tuple(c.name, c.picture, c.mask, c.hotspotX, c.hotspotY, c.loop, c.delay);
}

TEST(CursorLineTest, FieldsKindsAndMalformedLines) {
  CursorLine c;
  ASSERT_EQ(ParseCursorLine("Arrow:cur\\arrow.png,3, -4,static", &c), CursorLineKind::kCursor);
  EXPECT_EQ(Fields(c), std::tuple("Arrow", "cur\\arrow.png", "", 3, -4, false, 0));
  // No digits give 0; reading stops at the first non-digit.
  ASSERT_EQ(ParseCursorLine("Walk:walk:walk_m,x,7z,loop,150", &c), CursorLineKind::kCursor);
  EXPECT_EQ(Fields(c), std::tuple("Walk", "walk", "walk_m", 0, 7, true, 150));

  ASSERT_EQ(ParseCursorLine(std::string(60, 'n') + ":p,0,0,static", &c), CursorLineKind::kCursor);
  EXPECT_EQ(c.name.size(), 50u);
  EXPECT_EQ(ParseCursorNumber("99999999999"), INT32_MAX);
  EXPECT_EQ(ParseCursorNumber("-99999999999"), INT32_MIN);
  ASSERT_EQ(ParseCursorLine("Far:p,-99999999999,2147483647,static", &c), CursorLineKind::kCursor);
  EXPECT_EQ(std::pair(c.hotspotX, c.hotspotY), std::pair(-32767, 32767)) << "held in 16 bits";

  for (const char* skipped : {"", ";Arrow:p,0,0,static"}) {
    EXPECT_EQ(ParseCursorLine(skipped, &c), CursorLineKind::kSkip) << skipped;
  }
  for (const char* bad : {"Arrow p,0,0,static", "Arrow:p", "Arrow:p,0", "Arrow:p,0,0",
                          "Arrow:p,0,0,Static", "Arrow:p,0,0,loop", "Arrow:p,0,0,"}) {
    EXPECT_EQ(ParseCursorLine(bad, &c), CursorLineKind::kError) << bad;
  }
}

class FrameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteSolid(engine_.Folder(), "data/bg.png", 640, 480, 0x336699);
    WriteSolid(engine_.Folder(), "data/box.png", 40, 40, 0xFF0000);
  }

  // Writes a cursor file of the given text into the runtime root and starts the engine.
  Interface& StartWithCursors(const std::string& text) {
    engine_.Folder().Write("runtime/Cursors.dat", text);
    return engine_.Start();
  }

  // A control with a hint, 100 x 40 at (x, y), added to the screen.
  static Control* AddHintedControl(int x, int y) {
    auto* control = new Control(1);
    control->SetSize(100, 40);
    control->SetPosition(x, y);
    control->SetHint("Klikni");
    AddControl(control);
    return control;
  }
  uint32_t Pixel(int x, int y) {
    return engine_.Window().LastFrame()[static_cast<size_t>(y) * 640 + x];
  }
  // The smallest rectangle holding every pixel of the hint's background; empty when none shows.
  platform::Rect HintArea() {
    const std::vector<uint32_t> frame = engine_.Window().LastFrame();
    platform::Rect area{640, 480, 0, 0};
    for (size_t i = 0; i < frame.size(); ++i) {
      if (frame[i] != kHintBack) continue;
      const int x = static_cast<int>(i % 640), y = static_cast<int>(i / 640);
      area = {std::min(area.left, x), std::min(area.top, y), std::max(area.right, x + 1),
              std::max(area.bottom, y + 1)};
    }
    return area.Empty() ? platform::Rect{} : area;
  }

  test::HeadlessEngine engine_;
};

TEST_F(FrameTest, CursorFileErrorsAreFatalAndBadMasksAreDropped) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  const std::string loading = "souboru 'Cursors.dat'";
  std::string many;
  for (int i = 0; i < 33; ++i)
    many += "c" + std::to_string(i) + ":box.png,0,0,static\n";
  for (const std::string& text :
       {std::string("Arrow:no-such.png,0,0,static\n"), std::string("Arrow:box.png;0,0,static\n"),
        std::string("Arrow:box.png,0,0,loop\n"), many,
        "Arrow" + std::string(300, 'x') + ":box.png,0,0,static\n"}) {
    EXPECT_EXIT(StartWithCursors(text), ::testing::ExitedWithCode(255),
                "Chyba při načítání " + loading)
        << text.substr(0, 60);
  }
  std::filesystem::remove(engine_.Folder().Path() / "runtime/Cursors.dat");
  std::filesystem::remove(engine_.Folder().Path() / "data/Cursors.dat");
  EXPECT_EXIT(engine_.Start(), ::testing::ExitedWithCode(255), "Chyba při otevírání " + loading);
}

TEST_F(FrameTest, CommentsDoNotCountTowardsTheLimitAndCursorsOffThePictureAreNotDrawn) {
  WriteSolid(engine_.Folder(), "data/mask.png", 20, 20, 0x0000FF);
  std::string text = ";" + std::string(400, 'x') + ":box.png,0,0,static\n\n";
  text += "Masked:box.png:mask.png,0,0,loop,100\n";
  // Hot spots so far off the picture that none of it is on the screen.
  text +=
      "Left:box.png,99999999999,0,static\nUp:box.png,0,-99999999999,static\n"
      "Right:box.png,-99999999999,0,static\nDown:box.png,0,99999999999,static\n";
  for (int i = 5; i < 32; ++i)
    text += "c" + std::to_string(i) + ":box.png,0,0,static\n";
  Interface& e = StartWithCursors(text);
  EXPECT_EQ(e.CursorCount(), 32);
  EXPECT_EQ(e.FindCursor("Masked"), 0);
  EXPECT_EQ(e.FindCursor(""), -1);
  EXPECT_EQ(e.FindCursor(nullptr), -1);
  EXPECT_FALSE(e.SetCursor(32));
  EXPECT_FALSE(e.SetCursor(-2));

  // The 20 x 20 mask does not fit the 40 x 40 picture: drawn with the colour key instead.
  ASSERT_TRUE(e.SetCursor(0));
  engine_.Play("0 move 100 100");
  e.ComposeFrame();
  EXPECT_EQ(Pixel(100 + 39, 100), 0xFF0000u) << "a loop cursor's frame is as wide as it is high";
  EXPECT_EQ(Pixel(100 + 40, 100), 0x000000u);
  ASSERT_TRUE(e.SetCursor(-1));
  e.ComposeFrame();
  EXPECT_EQ(Pixel(100, 100), 0x000000u);

  for (int cursor = 1; cursor <= 4; ++cursor) {
    ASSERT_TRUE(e.SetCursor(cursor));
    for (const char* place : {"0 move 0 0", "0 move 639 479"}) {
      engine_.Play(place);
      e.ComposeFrame();
      const std::vector<uint32_t> frame = engine_.Window().LastFrame();
      EXPECT_EQ(std::count(frame.begin(), frame.end(), 0xFF0000u), 0) << cursor << " " << place;
    }
  }
}

TEST_F(FrameTest, CursorIsClippedAtTheEdgesAndBlendedThroughItsMask) {
  // Mask: left half transparent, right half opaque.
  ASSERT_TRUE(test::WritePicture(engine_.Folder(), "data/mask.png", 40, 40,
                                 [](int x, int) { return x < 20 ? 0u : 0xFFFFFFu; }));
  Interface& e = StartWithCursors("Box:box.png:mask.png,30,30,static\n");
  e.SetCursor(0);

  // Off the top left: columns 5 to 39 and rows 25 to 39 of the cursor show, from (0, 0).
  engine_.Play("0 move 25 5");
  e.ComposeFrame();
  EXPECT_EQ(Pixel(0, 0), 0x000000u) << "transparent half";
  EXPECT_EQ(Pixel(14, 0), 0x000000u);
  EXPECT_EQ(Pixel(15, 0), 0xFF0000u);
  EXPECT_EQ(Pixel(34, 14), 0xFF0000u);
  EXPECT_EQ(Pixel(35, 0), 0x000000u);
  EXPECT_EQ(Pixel(15, 15), 0x000000u);

  // Off the bottom right: columns 0 to 30 and rows 0 to 30 show, from (609, 449).
  engine_.Play("0 move 639 479");
  e.ComposeFrame();
  EXPECT_EQ(Pixel(628, 449), 0x000000u);
  EXPECT_EQ(Pixel(629, 449), 0xFF0000u);
  EXPECT_EQ(Pixel(639, 479), 0xFF0000u);

  engine_.Play("0 move 700 5");
  e.ComposeFrame();
  EXPECT_EQ(Pixel(629, 449), 0x000000u) << "outside the game area the engine draws no cursor";
}

TEST_F(FrameTest, HintAppearsAfterTheMouseRestsAndFollowsTheRules) {
  Interface& e = engine_.Start();
  Control* control = AddHintedControl(200, 200);
  e.SetCursor(0);

  auto frameAfter = [&](uint32_t ms) {
    engine_.Clock().Advance(ms);
    e.ComposeFrame();
  };
  engine_.Play("0 move 250 220");
  frameAfter(0);
  EXPECT_EQ(e.HintControl(), 1);
  frameAfter(999);
  EXPECT_TRUE(HintArea().Empty());
  engine_.Play("0 move 251 220");
  frameAfter(1);
  frameAfter(999);
  EXPECT_TRUE(HintArea().Empty()) << "a move restarts the wait";
  frameAfter(1);
  EXPECT_GT(HintArea().left, 251 + 12) << "the hint sits right of the cursor";
  EXPECT_GT(HintArea().bottom, 221) << "and reaches below the mouse's line";

  engine_.Play("0 move 400 220");
  frameAfter(0);
  EXPECT_TRUE(HintArea().Empty()) << "leaving the control removes the hint at once";
  EXPECT_EQ(e.HintControl(), -1);

  // Near the right edge the hint goes left of the mouse, near the bottom above it.
  control->SetPosition(560, 440);
  engine_.Play("0 move 630 476");
  frameAfter(0);
  frameAfter(1000);
  const platform::Rect area = HintArea();
  ASSERT_FALSE(area.Empty());
  EXPECT_LE(area.right, 630);
  EXPECT_LE(area.bottom, 477);

  // A disabled or hidden control's hint goes at once and does not come back.
  for (const uint32_t flag : {kCfDisabled, kCfHidden}) {
    control->SetFlags(flag);
    frameAfter(0);
    EXPECT_TRUE(HintArea().Empty()) << flag;
    frameAfter(1000);
    EXPECT_TRUE(HintArea().Empty()) << flag;
    control->ClearFlags(flag);
  }
}

TEST_F(FrameTest, BackgroundIsKeptByNameAndComesBackAfterLostSurfaces) {
  Interface& e = engine_.Start();
  ASSERT_TRUE(e.SetBackground("bg", false));
  e.ComposeFrame();
  EXPECT_EQ(Pixel(320, 240), 0x336699u);
  // Replace the file: a second selection by the same name does not read it.
  WriteSolid(engine_.Folder(), "data/bg.png", 640, 480, 0x00FF00);
  EXPECT_TRUE(e.SetBackground("bg", false));
  e.ComposeFrame();
  EXPECT_EQ(Pixel(320, 240), 0x336699u);

  e.Video().LoseAllSurfaces();
  e.ComposeFrame();
  e.ComposeFrame();
  EXPECT_EQ(Pixel(320, 240), 0x00FF00u) << "lost surfaces reload the background by name";
  e.SetCursor(0);
  engine_.Play("0 move 10 10");
  e.ComposeFrame();
  EXPECT_EQ(Pixel(10, 10), 0x000000u) << "and the cursors";

  EXPECT_FALSE(e.SetBackground("no-such", false));
  e.ComposeFrame();
  EXPECT_EQ(Pixel(320, 240), 0x000000u);
  EXPECT_TRUE(e.SetBackground(nullptr, false)) << "nothing to remove";

  e.Video().LoseAllSurfaces();
  e.ComposeFrame();
  EXPECT_FALSE(e.BackBuffer()->IsLost()) << "a screen without a background comes back too";
}

// A frame equal to the one on screen is not presented again; every change of what it shows is.
// After each step the window shows what a frame composed from scratch shows.
TEST_F(FrameTest, OnlyAChangedFrameIsPresentedAgain) {
  Interface& e = engine_.Start();
  ASSERT_TRUE(e.SetBackground("bg", false));
  Control* box = AddHintedControl(100, 100);
  e.SetCursor(0);
  engine_.Play("0 move 300 300");
  e.ComposeFrame();
  platform::HeadlessWindow& window = engine_.Window();
  const auto repaint = [&] {
    window.PostMessage({platform::kWmPaint, 0, 0});
    e.PumpWindowMessages();
  };
  const struct {
    const char* change;
    std::function<void()> make;
    bool presented;
  } steps[] = {
      {"nothing", [] {}, false},
      {"time passed", [&] { engine_.Clock().Advance(500); }, false},
      {"the mouse moved onto the control", [&] { engine_.Play("0 move 110 110"); }, true},
      {"the hint's wait is not over", [&] { engine_.Clock().Advance(600); }, false},
      {"the hint's wait is over", [&] { engine_.Clock().Advance(400); }, true},
      {"a control moved", [&] { box->SetPosition(105, 100); }, true},
      {"a control's pixels changed", [&] { box->Surface()->Fill(nullptr, 0x1234); }, true},
      // Drawn anew, but with no key-coloured pixel the picture is the same.
      {"a control without key colour became transparent", [&] { box->SetFlags(kCfTransparent); },
       false},
      {"the background went", [&] { e.SetBackground(nullptr, false); }, true},
      {"the window must be drawn again", repaint, true},
      {"surfaces were lost", [&] { e.Video().LoseAllSurfaces(); }, true},
      {"the display mode switched", [&] { e.SwitchMode(); }, true},
      {"nothing after all that", [] {}, false},
  };
  for (const auto& step : steps) {
    const int before = window.PresentCount();
    step.make();
    e.ComposeFrame();
    EXPECT_EQ(window.PresentCount() - before, step.presented ? 1 : 0) << step.change;
    const std::vector<uint32_t> shown = window.LastFrame();
    repaint();
    e.ComposeFrame();
    EXPECT_TRUE(shown == window.LastFrame()) << "a stale frame after: " << step.change;
  }
}

TEST_F(FrameTest, FramesNobodySeesStillKeepTheHintsTime) {
  Interface& e = engine_.Start();
  AddHintedControl(0, 0);
  e.SetCursor(0);
  engine_.Play("0 move 20 20");
  e.KeepFrameState();
  engine_.Clock().Advance(1000);
  e.ComposeFrame();
  EXPECT_FALSE(HintArea().Empty()) << "the wait began with the frame nobody saw";
}

TEST_F(FrameTest, FrameRateCountsWholeSeconds) {
  Interface& e = engine_.Start();
  const auto framesEvery10Ms = [&](int count) {
    for (int i = 0; i < count; ++i) {
      engine_.Clock().Advance(10);
      e.ComposeFrame();
    }
    return e.FramesPerSecond();
  };
  EXPECT_EQ(framesEvery10Ms(50), 0) << "no full second yet";
  EXPECT_EQ(framesEvery10Ms(51), 100);
}

}  // namespace
}  // namespace rufo
