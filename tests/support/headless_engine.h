#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "engine/interface.h"
#include "tests/support/temp_folder.h"

namespace rufo::test {

// An engine on the headless platform with its own configuration folder, data root and runtime
// root in a temporary folder. Init is left to the test, so it can change the INI or properties.
// Both roots hold the test cursor set (WriteTestCursors), and so does the folder work/, the working
// directory while the engine lives, where roots left empty resolve.
class HeadlessEngine {
 public:
  explicit HeadlessEngine(RunOptions options = {}, Platform platform = Platform::Headless());
  ~HeadlessEngine();

  // Writes rufo.ini pointing CD= at data/ and HD= at runtime/ of the temporary folder.
  void WriteIni() const;
  // Windowed 32-bit display unless full screen is asked for.
  static InterfaceProperties Properties(bool fullScreen = false);
  // WriteIni, then Init with Properties(fullScreen).
  Interface& Start(bool fullScreen = false);

  // Delivers input script lines at once (their times are ignored), then runs one input pump.
  void Play(const std::string& script);

  Interface& Engine() { return *engine_; }
  platform::VirtualClock& Clock();
  platform::HeadlessWindow& Window();
  // The texts of the message boxes shown since the last call.
  std::vector<std::string> TakeMessageBoxes();
  const TempFolder& Folder() const { return folder_; }
  std::string DataRoot() const { return folder_.Root() + "data/"; }
  std::string RuntimeRoot() const { return folder_.Root() + "runtime/"; }
  std::string LogText() const { return folder_.Read("runtime/Debug.log"); }

 private:
  TempFolder folder_;
  ScopedEnv configDir_;
  ScopedEnv runtimeDir_;
  std::filesystem::path previousDirectory_;
  std::unique_ptr<Interface> engine_;
};

}  // namespace rufo::test
