#include "tests/support/demo_run.h"

namespace rufo::test {

std::filesystem::path DemoData() {
  return std::filesystem::path(RUFO_BINARY_DIR) / "data";
}

bool HaveDemoData() {
  return std::filesystem::exists(DemoData() / ".demogen");
}

DemoRun::DemoRun() {
  std::filesystem::create_directories(folder_.Path() / "rt");
  folder_.Write("config/rufo.ini",
                "[Rufo I]\nCD=" + DemoData().string() + "/\nHD=" + folder_.Root() + "rt/\n");
}

std::map<std::string, std::string> DemoRun::Env(uint32_t runMs) const {
  return {{"RUFO_HEADLESS", "1"},
          {"RUFO_CONFIG_DIR", folder_.Root() + "config"},
          {"XDG_RUNTIME_DIR", folder_.Root()},
          {"RUFO_SEED", "7"},
          {"RUFO_RUN_MS", std::to_string(runMs)}};
}

}  // namespace rufo::test
