#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "engine/interface.h"
#include "platform/cp1250.h"
#include "platform/data_file.h"
#include "platform/folders.h"
#include "platform/system_error.h"

namespace rufo {

void Interface::MakeRuntimeFolder() {
  // A runtime folder the player removed comes back, so that the log and the children's
  // profiles still have a place; where it cannot be made, the run goes on without them.
  const std::string& root = roots_[kRuntimeRoot];
  if (root.empty()) return;
  std::error_code error;
  std::filesystem::create_directories(platform::ResolveDataPath(root), error);
}

void Interface::RequireDataFolder() {
  // The game's first file, the cursor set, is looked for in the runtime root, then the data
  // root; where neither has it and the data folder itself is missing, the data is not there.
  // A folder that is there but lacks files is left to the loaders, which name the file.
  for (int root : {kRuntimeRoot, kDataRoot}) {
    if (std::FILE* cursors = platform::OpenFile(MakeDataPath("Cursors.dat", root), "rt")) {
      std::fclose(cursors);
      return;
    }
  }
  const std::string& root = roots_[kDataRoot];
  const std::string ini =
      (platform::ConfigFolder() / (std::string(props_.appName) + ".ini")).string();
  if (root.empty()) {
    // No section or no CD= line: the data would be looked for in whatever folder the game was
    // started from.
    Fatal(platform::Utf8ToCp1250(
              props_.useRegistry
                  ? "Hru nelze spustit: v nastavení chybí hodnota „Data Path“, která říká, kde "
                    "jsou data hry. Nainstalujte hru znovu."
                  : "Hru nelze spustit: v souboru " + ini +
                        " chybí řádek CD= (v oddílu [Rufo I]), který říká, kde jsou data hry. "
                        "Doplňte ho, nebo soubor smažte a hra si ho při příštím spuštění "
                        "vytvoří znovu."),
          -1);
  }
  std::error_code error;
  if (std::filesystem::is_directory(platform::ResolveDataPath(root), error)) return;
  const std::string where =
      props_.useRegistry ? "hodnotu „Data Path“ v nastavení" : "řádek CD= v souboru " + ini;
  Fatal(platform::Utf8ToCp1250("Hru nelze spustit: ve složce „" + root +
                               "“ nejsou její data. Nainstalujte hru znovu, nebo opravte " + where +
                               "."),
        -1);
}

std::optional<std::filesystem::path> Interface::LockSaveFolders() {
  // The profiles go to the runtime root, and to the data root when the runtime root cannot take
  // them. A copy of the game with a runtime folder of its own (another $XDG_RUNTIME_DIR) passes
  // the window-title lock, so the folders themselves are locked: two copies saving into one
  // folder would each overwrite the stickers the other has saved.
  const std::filesystem::path runtime = RootFolder(kRuntimeRoot);
  if (!instanceLock_.AcquireFolder(runtime)) return runtime;
  std::error_code error;
  if (std::filesystem::is_directory(runtime, error) && ::access(runtime.c_str(), W_OK) == 0) {
    return std::nullopt;
  }
  const std::filesystem::path data = RootFolder(kDataRoot);
  if (!instanceLock_.AcquireFolder(data)) return data;
  return std::nullopt;
}

void Interface::RefuseSecondCopy(const std::filesystem::path& folder) {
  const std::string text = platform::Utf8ToCp1250(
      "Rufo už hraje v jiném okně a ukládá dětem nálepky do stejné složky (" + folder.string() +
      "). Dvě hry najednou by si je navzájem přepsaly, a tak se tahle nespustí. Hrajte prosím "
      "v okně, které už je otevřené.");
  // The running copy's log gets the line added at its end; it is not replaced.
  OpenLog(false);
  Log(text);
  MessageBox().ShowError("Chyba", text);
  Shutdown();
  std::exit(0);
}

void Interface::OpenWindow() {
  if (platform_.window->Open(platform::Cp1250ToUtf8(props_.title), props_.width, props_.height)) {
    return;
  }
  Fatal(platform::Utf8ToCp1250("Hru nelze spustit: nepodařilo se otevřít okno na obrazovce (" +
                               platform::LastSystemError() + ")."),
        -1);
}

}  // namespace rufo
