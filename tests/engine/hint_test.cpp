#include <gtest/gtest.h>

#include <vector>

#include "controls/button_control.h"
#include "controls/control_list.h"
#include "engine/interface.h"
#include "tests/support/headless_engine.h"
#include "tests/support/pictures.h"

namespace rufo {
namespace {

// Rows of the last frame that hold the hint's background colour, 0x00RRGGBB pixels.
std::vector<int> HintRows(const std::vector<uint32_t>& frame) {
  std::vector<int> rows;
  for (int y = 0; y < 480; ++y) {
    for (int x = 0; x < 640; ++x) {
      const uint32_t c = frame[y * 640 + x];  // the hint's yellow background
      if ((c >> 16) > 0xE0 && ((c >> 8) & 0xFF) > 0xE0 && (c & 0xFF) < 0x20) {
        rows.push_back(y);
        break;
      }
    }
  }
  return rows;
}

// A button's hint shows beside the cursor, below the mouse's line; near the bottom edge it
// flips above the mouse so that it stays whole on the screen.
TEST(HintTest, NearTheBottomEdgeTheHintFlipsAboveTheMouse) {
  test::HeadlessEngine engine;
  test::WritePicture(engine.Folder(), "data/button.png", 200, 240,
                     [](int, int) { return 0x204080u; });
  Interface& e = engine.Start(true);
  e.SetCursor(0);
  e.SetHintStyle(0x000000, 0x00FCF8, 0x000000, 0.5f);  // GDI colours: blue first
  auto* button = new ButtonControl(10);
  button->Init(100, 0, "button", 0, 4);
  button->SetHint("hint");
  AddControl(button);

  for (int mouseY : {100, 476}) {
    SCOPED_TRACE(mouseY);
    button->SetPosition(100, mouseY - 30);
    engine.Play("0 move 150 " + std::to_string(mouseY));
    e.RunTick();
    e.ComposeFrame();
    engine.Clock().Advance(1000);
    e.ComposeFrame();
    const std::vector<int> rows = HintRows(engine.Window().LastFrame());
    ASSERT_FALSE(rows.empty());
    if (mouseY < 400) {
      EXPECT_GT(rows.back(), mouseY) << "the hint reaches below the mouse's line";
    } else {
      EXPECT_LE(rows.back(), mouseY) << "the hint stays above the mouse";
      EXPECT_LT(rows.back(), 479);
    }
  }
}

}  // namespace
}  // namespace rufo
