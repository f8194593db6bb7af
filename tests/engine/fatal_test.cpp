#include <gtest/gtest.h>

#include "tests/support/headless_engine.h"
#include "tests/support/temp_folder.h"

namespace rufo {
namespace {

using ::testing::ExitedWithCode;

class FatalTest : public ::testing::Test {
 protected:
  // Forked without re-running the test, so the child writes into this test's folder.
  void SetUp() override { GTEST_FLAG_SET(death_test_style, "fast"); }

  // Starts an engine whose video device fails at the step and checks the exit and the log.
  static void ExpectDisplayFailure(platform::VideoStep step, platform::DdResult result,
                                   bool fullScreen, int exitCode, const std::string& stepName,
                                   const std::string& loggedCode) {
    SCOPED_TRACE(loggedCode);
    test::TempFolder traceFolder;
    RunOptions options;
    options.tracePath = traceFolder.Root() + "trace.txt";
    test::HeadlessEngine engine(options);
    engine.Engine().Video().InjectFailure(step, result);
    EXPECT_EXIT(engine.Start(fullScreen), ExitedWithCode(exitCode), "Direct draw");
    // The log is UTF-8, whatever the game's own texts are.
    const std::string message = "Chyba při inicializaci Direct draw" + stepName;
    EXPECT_EQ(engine.LogText(), "CD=" + engine.DataRoot() + "\nHD=" + engine.RuntimeRoot() + "\n" +
                                    message + "\nExit code: " + loggedCode + "\n");
    const auto code = static_cast<int32_t>(std::stoul(loggedCode, nullptr, 16));
    EXPECT_EQ(traceFolder.Read("trace.txt"),
              "0 fatal " + std::to_string(code) + " " + message + "\n");
  }
};

TEST_F(FatalTest, DisplayFailureLogsTheStepAndItsCodeAndExits) {
  ExpectDisplayFailure(platform::VideoStep::kBackBuffer, platform::kDdErrOutOfMemory, false, 0x0E,
                       " (BCreateSurface)", "8007000e");
  ExpectDisplayFailure(platform::VideoStep::kDisplayMode, platform::kDdErrNoExclusiveMode, true,
                       0xE1, " (SetDisplayMode)", "887600e1");
  // A device that cannot be made exits with -1 whatever the result was.
  ExpectDisplayFailure(platform::VideoStep::kCreateDevice, platform::kDdErrUnsupported, false, 255,
                       "", "ffffffff");
}

TEST_F(FatalTest, BadPropertiesAreFatalBeforeTheLogExists) {
  test::HeadlessEngine engine;
  InterfaceProperties properties = test::HeadlessEngine::Properties(true);
  properties.canFullScreen = false;
  EXPECT_EXIT(engine.Engine().Init(&properties), ExitedWithCode(255), "Bad properties");
  EXPECT_EXIT(engine.Engine().Init(nullptr), ExitedWithCode(255), "Bad properties");
  EXPECT_EQ(engine.LogText(), "");
}

}  // namespace
}  // namespace rufo
