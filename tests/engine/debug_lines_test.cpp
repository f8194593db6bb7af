#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/headless_engine.h"

namespace rufo {
namespace {

// The frame-rate line at the top and the debug text line at the bottom: black text on white.
class DebugLinesTest : public ::testing::Test {
 protected:
  // Whether the rows from `top` on (16 of them) show the white of a diagnostic line.
  bool LineShows(int top) {
    engine_->Engine().ComposeFrame();
    const std::vector<uint32_t> frame = engine_->Window().LastFrame();
    const auto begin = frame.begin() + top * 640;
    return std::count(begin, begin + 16 * 640, 0xFFFFFFu) > 20;
  }
  // Whether the frame-rate line and the text line show.
  std::pair<bool, bool> Shown() { return {LineShows(0), LineShows(480 - 16)}; }

  // Starts with the lines shown from the start or not, tracing into the trace folder.
  void StartEngine(bool shownFromStart) {
    RunOptions options;
    options.debugLines = shownFromStart;
    options.tracePath = traceFolder_.Root() + "trace.txt";
    engine_ = std::make_unique<test::HeadlessEngine>(options);
    engine_->Start();
    engine_->Engine().SetDebugText("Count = 3");
  }

  test::TempFolder traceFolder_;
  std::unique_ptr<test::HeadlessEngine> engine_;
};

TEST_F(DebugLinesTest, HiddenUntilCtrlF11ShowsBothAndHidesThemAgain) {
  StartEngine(false);
  EXPECT_EQ(Shown(), std::pair(false, false));
  engine_->Play("0 key LCtrl down\n0 key F11 down\n0 key F11 up");
  EXPECT_EQ(Shown(), std::pair(true, true));
  engine_->Play("0 key F11 down\n0 key F11 up\n0 key LCtrl up");
  EXPECT_EQ(Shown(), std::pair(false, false));
  engine_->Play("0 key F11 down\n0 key F11 up");
  EXPECT_EQ(Shown(), std::pair(false, false)) << "F11 alone is the game's key";
}

TEST_F(DebugLinesTest, ShownFromTheStartAndEveryChangeOfTheTextIsTraced) {
  StartEngine(true);
  EXPECT_EQ(Shown(), std::pair(true, true));
  Interface& engine = engine_->Engine();
  engine.SetDebugText("Count = 3");  // unchanged: not traced again
  engine.SetDebugText("Count = 4");
  engine.SetDebugText(std::string(300, 'x'));
  engine.Shutdown();
  // The display set-up writes whether the background came back ("0": there is none yet).
  EXPECT_EQ(
      traceFolder_.Read("trace.txt"),
      "0 debug 0\n0 debug Count = 3\n0 debug Count = 4\n0 debug " + std::string(255, 'x') + "\n");
}

}  // namespace
}  // namespace rufo
