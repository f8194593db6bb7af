#pragma once

#include <gtest/gtest.h>

#include <cstdlib>

#include "tests/support/temp_folder.h"
#include "tests/support/test_cursors.h"

namespace rufo::test {

// A test with a real window on the X display (skipped without one): its own configuration
// folder, and the test cursor set in the runtime root.
class RealDisplayTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!std::getenv("DISPLAY")) GTEST_SKIP() << "needs an X display (run under xvfb-run)";
    folder_.Write("config/rufo.ini", "[Rufo I]\nHD=" + folder_.Root() + "\n");
    WriteTestCursors(folder_, "");
  }

  TempFolder folder_;
  ScopedEnv config_{"RUFO_CONFIG_DIR", folder_.Root() + "config"};
  ScopedEnv runtime_{"XDG_RUNTIME_DIR", folder_.Root()};
};

}  // namespace rufo::test
