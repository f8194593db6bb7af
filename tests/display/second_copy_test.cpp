#include <gtest/gtest.h>

#include <string>

#include "engine/interface.h"
#include "tests/display/real_display_test.h"
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

}  // namespace
}  // namespace rufo
