#include "platform/folders.h"

#include <cstdlib>

namespace rufo::platform {
namespace {

std::filesystem::path FromEnvironment(const char* variable, const char* homeRelative) {
  const char* value = std::getenv(variable);
  if (value && *value) return std::filesystem::path(value) / "rufo";
  const char* home = std::getenv("HOME");
  return std::filesystem::path(home && *home ? home : ".") / homeRelative / "rufo";
}

}  // namespace

std::filesystem::path ConfigFolder() {
  const char* explicitFolder = std::getenv("RUFO_CONFIG_DIR");
  if (explicitFolder && *explicitFolder) return explicitFolder;
  return FromEnvironment("XDG_CONFIG_HOME", ".config");
}

std::filesystem::path UserDataFolder() {
  return FromEnvironment("XDG_DATA_HOME", ".local/share");
}

}  // namespace rufo::platform
