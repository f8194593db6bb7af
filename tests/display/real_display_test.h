#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "engine/interface.h"

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

  // The engine on the real platform, started in a window with that title; null when it fails.
  static std::unique_ptr<Interface> OpenWindow(const char* title) {
    auto engine = std::make_unique<Interface>(Platform::Real());
    InterfaceProperties properties;
    properties.startFullScreen = false;
    std::snprintf(properties.title, sizeof properties.title, "%s", title);
    if (!engine->Init(&properties)) return nullptr;
    return engine;
  }

  TempFolder folder_;
  ScopedEnv config_{"RUFO_CONFIG_DIR", folder_.Root() + "config"};
  ScopedEnv runtime_{"XDG_RUNTIME_DIR", folder_.Root()};
};

}  // namespace rufo::test
