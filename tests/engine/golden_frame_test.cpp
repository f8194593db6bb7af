#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "controls/bitmap_control.h"
#include "controls/button_control.h"
#include "controls/control_list.h"
#include "platform/cp1250.h"
#include "tests/support/headless_engine.h"
#include "tests/support/pictures.h"
#include "tools/assetkit/frame_capture.h"
#include "tools/assetkit/png_writer.h"

namespace rufo {
namespace {

const char* const kGoldenPath = RUFO_SOURCE_DIR "/tests/data/golden_frame.png";

void WriteDataPicture(const test::TempFolder& folder, const std::string& name, int w, int h,
                      const test::Painter& paint) {
  ASSERT_TRUE(test::WritePicture(folder, "data/" + name, w, h, paint));
}

bool InCircle(int x, int y, int cx, int cy, int r) {
  return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r;
}

// The pictures of the scene, drawn from formulas so that the test needs no data files.
void WriteScenePictures(const test::TempFolder& folder) {
  WriteDataPicture(folder, "bg.png", 640, 480, [](int x, int y) {
    return static_cast<uint32_t>((x * 255 / 639) << 16 | (y * 255 / 479) << 8 | 0x80);
  });
  static const uint32_t kFrames[] = {0xE03030, 0x30C040, 0x3050E0};
  WriteDataPicture(folder, "strip.png", 180, 60, [](int x, int y) {
    return InCircle(x % 60, y, 30, 30, 24) ? kFrames[x / 60] : 0xF0F0D0;
  });
  WriteDataPicture(folder, "ball.png", 60, 60,
                   [](int x, int y) { return InCircle(x, y, 30, 30, 20) ? 0xFFD800u : 0xFF00FFu; });
  static const uint32_t kStates[] = {0x4060C0, 0x60A0F0, 0x203060, 0x808080};
  WriteDataPicture(folder, "button.png", 100, 120, [](int x, int y) {
    const bool stripe = (y % 30) >= 12 && (y % 30) < 18 && x >= 10 && x < 90;
    return stripe ? 0xFFFFFFu : kStates[y / 30];
  });
}

// Background, two bitmaps (one keyed and framed), a button in each state, a text button with the
// focus, a hint and the cursor, composed full screen in 5-6-5 and compared with a stored frame.
// RUFO_UPDATE_GOLDEN=1 rewrites the stored frame instead.
TEST(GoldenFrameTest, FixedSceneComposesToTheStoredFrame) {
  test::HeadlessEngine engine;
  WriteScenePictures(engine.Folder());
  Interface& e = engine.Start(true);
  ASSERT_TRUE(e.SetBackground("bg", false));
  e.SetCursor(0);

  auto* strip = new BitmapControl(1);
  strip->Init(40, 40, "strip", 3, 0, 0);
  strip->SetCurrentFrame(1);
  auto* ball = new BitmapControl(2);
  ball->Init(130, 40, "ball", 1, 0, kCfTransparent | kCfFramed);
  std::vector<ButtonControl*> buttons;
  for (int i = 0; i < 4; ++i) {
    buttons.push_back(new ButtonControl(10 + i));
    buttons[i]->Init(40 + 120 * i, 200, "button", 0, 4);
  }
  buttons[1]->SetHint(platform::Utf8ToCp1250("Žluté tlačítko"));
  buttons[2]->SetShortcutKey(0x1E);
  buttons[3]->SetFlags(kCfDisabled | kCfFramed);
  auto* label = new ButtonControl(20);
  label->SetBackColor(0x40C0FF);
  label->SetTextColor(0x000000);
  label->Init(40, 300, "no/label", 0, 4);
  for (Control* c :
       std::vector<Control*>{strip, ball, buttons[0], buttons[1], buttons[2], buttons[3], label}) {
    AddControl(c);
  }

  engine.Play("0 key A down");
  SetFocus(20);
  engine.Play("0 move 200 215");
  e.RunTick();
  e.ComposeFrame();
  engine.Clock().Advance(1000);
  e.ComposeFrame();

  const platform::Surface* frame = engine.Window().LastFrameSurface();
  ASSERT_NE(frame, nullptr);
  ASSERT_EQ(frame->Layout(), platform::PixelLayout::kRgb565);
  if (const char* update = std::getenv("RUFO_UPDATE_GOLDEN"); update && *update == '1') {
    ASSERT_TRUE(assetkit::WritePng(kGoldenPath, assetkit::PictureOfSurface(*frame)));
    GTEST_SKIP() << "stored a new golden frame";
  }
  const std::vector<uint32_t> expected = test::ReadPicture(kGoldenPath);
  const std::vector<uint32_t> actual = engine.Window().LastFrame();
  ASSERT_EQ(expected.size(), actual.size()) << "cannot read " << kGoldenPath;
  int differing = 0;
  for (size_t i = 0; i < actual.size(); ++i)
    differing += actual[i] != expected[i];
  if (differing != 0) {
    const std::string out = std::string(RUFO_BINARY_DIR) + "/golden_frame_actual.png";
    assetkit::WritePng(out, assetkit::PictureOfSurface(*frame));
    FAIL() << differing << " pixels differ; the composed frame is in " << out;
  }
}

}  // namespace
}  // namespace rufo
