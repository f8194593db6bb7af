#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "tests/support/demo_run.h"
#include "tests/support/process.h"
#include "tests/support/temp_folder.h"

namespace rufo {
namespace {

// The scripted player explores Garden1 in a real window in real time: every click and drag made
// with the X pointer, every decision taken from the trace, and some of its answers judged by the
// game.
TEST(PlayedInAWindowTest, TheScriptedPlayerExploresAndAnswersInARealWindow) {
  if (!std::getenv("DISPLAY")) GTEST_SKIP() << "needs an X display (run under xvfb-run)";
  if (!test::HaveDemoData()) GTEST_SKIP() << "no generated data";
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
  // Real-time play paces its clicks for a game running at full speed; a sanitized game lags
  // behind them. The headless plays cover the same path in the sanitized builds.
  GTEST_SKIP() << "real-time play needs a game built without sanitizers";
#endif
  test::ScopedEnv audio("SDL_AUDIODRIVER", "dummy");
  int exitCode = -1;
  const std::string output = test::RunCommand(
      test::BuiltProgram("rufo-play") + " --explore 0.75 --garden 1 --window --seed 7 --data " +
          std::filesystem::absolute(test::DemoData()).string(),
      &exitCode);
  EXPECT_EQ(exitCode, 0) << output;
  EXPECT_NE(output.find("result: ok"), std::string::npos) << output;
  EXPECT_NE(output.find("0x201 Garden1"), std::string::npos) << output;
  EXPECT_EQ(output.find("questions answered: 0 "), std::string::npos) << output;
}

}  // namespace
}  // namespace rufo
