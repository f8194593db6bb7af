#include "engine/first_run.h"

#include <fstream>
#include <system_error>

#include "platform/folders.h"

namespace rufo {
namespace fs = std::filesystem;

fs::path InstalledDataFolder() {
  std::error_code error;
  const fs::path exe = fs::read_symlink("/proc/self/exe", error);
  if (error) return "data";
  const fs::path beside = exe.parent_path() / "data";
  if (fs::is_directory(beside, error)) return beside;
  return exe.parent_path().parent_path() / "share" / "rufo";
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
