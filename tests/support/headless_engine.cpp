#include "tests/support/headless_engine.h"

#include "tests/support/test_cursors.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace rufo::test {

HeadlessEngine::HeadlessEngine(RunOptions options, Platform platform)
    : configDir_("RUFO_CONFIG_DIR", folder_.Root() + "config"),
      runtimeDir_("XDG_RUNTIME_DIR", folder_.Root()) {
  std::filesystem::create_directories(folder_.Path() / "data");
  std::filesystem::create_directories(folder_.Path() / "runtime");
  WriteTestCursors(folder_, "data/");
  WriteTestCursors(folder_, "runtime/");
  WriteTestCursors(folder_, "work/");
  previousDirectory_ = std::filesystem::current_path();
  std::filesystem::current_path(folder_.Path() / "work");
  // Tests repeat exactly: without a seed of their own the game would draw from the time.
  if (!options.seed) options.seed = 1;
  engine_ = std::make_unique<Interface>(std::move(platform), std::move(options));
}

HeadlessEngine::~HeadlessEngine() {
  engine_.reset();
  std::filesystem::current_path(previousDirectory_);
}

void HeadlessEngine::WriteIni() const {
  folder_.Write("config/rufo.ini", "[Rufo I]\nCD=" + DataRoot() + "\nHD=" + RuntimeRoot() + "\n");
}

InterfaceProperties HeadlessEngine::Properties(bool fullScreen) {
  InterfaceProperties properties;
  properties.startFullScreen = fullScreen;
  return properties;
}

Interface& HeadlessEngine::Start(bool fullScreen) {
  WriteIni();
  const InterfaceProperties properties = Properties(fullScreen);
  engine_->Init(&properties);
  return *engine_;
}

void HeadlessEngine::Play(const std::string& script) {
  InputScript input;
  std::string error;
  ASSERT_TRUE(input.Parse(script, &error)) << error;
  ASSERT_TRUE(input.Deliver(UINT32_MAX, *engine_->InputFeed(), &error)) << error;
  engine_->PumpInput();
}

platform::VirtualClock& HeadlessEngine::Clock() {
  return static_cast<platform::VirtualClock&>(engine_->Clock());
}

platform::HeadlessWindow& HeadlessEngine::Window() {
  return static_cast<platform::HeadlessWindow&>(engine_->Window());
}

std::vector<std::string> HeadlessEngine::TakeMessageBoxes() {
  return static_cast<platform::HeadlessMessageBox&>(engine_->MessageBox()).TakeShown();
}

}  // namespace rufo::test
