#pragma once

#include <filesystem>
#include <map>
#include <string>

#include "tests/support/temp_folder.h"

namespace rufo::test {

// The generated demo data tree that black-box runs play on (never written to).
std::filesystem::path DemoData();
bool HaveDemoData();

// A headless run of the program on the demo data with its own configuration folder and runtime
// root (rt/ of the temporary folder), where Debug.log and the user file go.
class DemoRun {
 public:
  DemoRun();

  // The environment of a run: headless, this folder's configuration, a fixed seed and the game
  // time given; add RUFO_INPUT, RUFO_TRACE and the like to it.
  std::map<std::string, std::string> Env(uint32_t runMs) const;
  const TempFolder& Folder() const { return folder_; }
  std::string Path(const std::string& relative) const { return folder_.Root() + relative; }
  std::string Read(const std::string& relative) const { return folder_.Read(relative); }

 private:
  TempFolder folder_;
};

}  // namespace rufo::test
