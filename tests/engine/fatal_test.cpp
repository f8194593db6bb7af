#include <gtest/gtest.h>

#include "platform/cp1250.h"
#include "tests/support/headless_engine.h"

namespace rufo {
namespace {

using ::testing::ExitedWithCode;

class FatalTest : public ::testing::Test {
 protected:
  void SetUp() override {  // Forked without re-running the test, so the child writes into this
                           // test's folder.
    GTEST_FLAG_SET(death_test_style, "fast");
  }
  test::HeadlessEngine engine_;
};

TEST_F(FatalTest, DisplayFailureLogsTheStepAndExitsWithTheResultCode) {
  engine_.Engine().Video().InjectFailure(platform::VideoStep::kBackBuffer,
                                         platform::kDdErrOutOfMemory);
  EXPECT_EXIT(engine_.Start(), ExitedWithCode(0x8007000E & 0xFF), "BCreateSurface");
  EXPECT_EQ(engine_.LogText(),
            "CD=" + engine_.DataRoot() + "\nHD=" + engine_.RuntimeRoot() + "\n" +
                platform::Utf8ToCp1250("Chyba při inicializaci Direct draw (BCreateSurface)") +
                "\nExit code: 8007000e\n");
}

TEST_F(FatalTest, DeviceCreationFailureExitsWithMinusOne) {
  engine_.Engine().Video().InjectFailure(platform::VideoStep::kCreateDevice,
                                         platform::kDdErrUnsupported);
  EXPECT_EXIT(engine_.Start(), ExitedWithCode(255), "Direct draw");
  EXPECT_NE(engine_.LogText().find("Exit code: ffffffff\n"), std::string::npos);
}

TEST_F(FatalTest, BadPropertiesAreFatalBeforeTheLogExists) {
  InterfaceProperties properties = test::HeadlessEngine::Properties(true);
  properties.canFullScreen = false;
  EXPECT_EXIT(engine_.Engine().Init(&properties), ExitedWithCode(255), "Bad properties");
  EXPECT_EXIT(engine_.Engine().Init(nullptr), ExitedWithCode(255), "Bad properties");
  EXPECT_EQ(engine_.LogText(), "");
}

TEST_F(FatalTest, FullScreenPrimaryFailureNamesTheStep) {
  engine_.Engine().Video().InjectFailure(platform::VideoStep::kDisplayMode,
                                         platform::kDdErrNoExclusiveMode);
  EXPECT_EXIT(engine_.Start(true), ExitedWithCode(0xE1), "SetDisplayMode");
}

}  // namespace
}  // namespace rufo
