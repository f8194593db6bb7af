#include "engine/first_run.h"

#include <fstream>
#include <system_error>

#include "platform/folders.h"

namespace rufo {
namespace fs = std::filesystem;

fs::path InstalledDataFolder() {
  // The generator leaves its stamp in the tree it writes; an installed tree has none, so an
  // installed program never mistakes some "data" folder beside it for its own.
  // Otherwise the data lies where the install put it relative to the program's folder, so an
  // install moved to another prefix (a package is made for /usr) finds its own.
  std::error_code error;
  const fs::path exe = fs::read_symlink("/proc/self/exe", error);
  if (error) return RUFO_DATA_DIR;
  const fs::path beside = exe.parent_path() / "data";
  if (fs::exists(beside / ".demogen", error)) return beside;
  return (exe.parent_path() / RUFO_DATA_FROM_PROGRAM).lexically_normal();
}

void EnsureIniFile(const InterfaceProperties& properties) {
  const fs::path folder = platform::ConfigFolder();
  const fs::path ini = folder / (std::string(properties.appName) + ".ini");
  std::error_code error;
  if (fs::exists(ini, error)) return;
  const fs::path runtime = platform::UserDataFolder();
  fs::create_directories(runtime, error);
  fs::create_directories(folder, error);
  std::ofstream out(ini);
  // Roots are joined to names by plain concatenation, so each ends with a separator.
  out << "[Rufo I]\n"
      << "CD=" << (InstalledDataFolder() / "").string() << "\n"
      << "HD=" << (runtime / "").string() << "\n";
}

}  // namespace rufo
