#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>

#include "engine/interface.h"
#include "tests/display/real_display_test.h"
#include "tests/display/x_display.h"
#include "tests/support/process.h"

namespace rufo {
namespace {

using SecondCopyTest = test::RealDisplayTest;

// A child's window is the one copy on the desktop: a second one started beside it ends at once
// and says why, while headless runs (tests, scripted players) are never turned away.
TEST_F(SecondCopyTest, SecondWindowEndsAtOnceAndSaysSoWhileHeadlessRunsGoOn) {
  const auto window = OpenWindow("Rufo - Tirlim");
  ASSERT_NE(window, nullptr);

  test::Process second(test::BuiltProgram("rufo"), {},
                       {{"RUFO_WINDOWED", "1"}, {"SDL_AUDIODRIVER", "dummy"}});
  ASSERT_TRUE(second.Start());
  EXPECT_EQ(second.Wait(), 0);
  EXPECT_NE(second.StandardError().find("already running"), std::string::npos)
      << second.StandardError();

  test::Process headless(test::BuiltProgram("rufo"), {},
                         {{"RUFO_HEADLESS", "1"}, {"RUFO_RUN_MS", "500"}});
  ASSERT_TRUE(headless.Start());
  EXPECT_EQ(headless.Wait(), 0) << headless.StandardError();
  EXPECT_EQ(headless.StandardError().find("already running"), std::string::npos);
  window->RequestQuit();
}

// A copy with a runtime folder of its own that would save into the folder the window's copy
// saves in is refused as well: it shows why in a box, adds the reason to the running copy's log
// (which keeps its own lines) and ends once the box is closed.
TEST_F(SecondCopyTest, ACopyWithItsOwnRuntimeFolderSavingIntoTheSameFolderIsRefused) {
  const auto window = OpenWindow("Rufo - Tirlim");
  ASSERT_NE(window, nullptr);

  test::TempFolder elsewhere;
  test::Process second(test::BuiltProgram("rufo"), {},
                       {{"RUFO_WINDOWED", "1"},
                        {"SDL_AUDIODRIVER", "dummy"},
                        {"XDG_RUNTIME_DIR", elsewhere.Root()}});
  ASSERT_TRUE(second.Start());
  // The reason shows in a box, which is closed here, or on standard error where no box can be
  // shown on this display.
  std::string box;
  for (int tries = 0; tries < 200 && box.empty() && second.Running(); ++tries) {
    box = test::Shell("xdotool search --name '^Chyba$' 2>/dev/null");
    if (box.empty()) std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  if (!box.empty()) {
    test::Shell("xdotool windowactivate --sync " + box.substr(0, box.find('\n')) + " key Return");
  }
  for (int tries = 0; tries < 100 && second.Running(); ++tries)
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  if (second.Running()) second.Kill();
  EXPECT_EQ(second.Wait(), 0) << second.StandardError();
  const std::string reason =
      "Rufo už hraje v jiném okně a ukládá dětem nálepky do stejné složky (" +
      folder_.Path().string() + ").";
  EXPECT_TRUE(!box.empty() || second.StandardError().find("Chyba: " + reason) != std::string::npos)
      << second.StandardError();

  const std::string log = folder_.Read("Debug.log");
  EXPECT_NE(log.find("Interface::Init () OK\n"), std::string::npos) << log;
  EXPECT_GT(log.find(reason), log.find("Interface::Init () OK\n")) << log;
  window->RequestQuit();
}

}  // namespace
}  // namespace rufo
