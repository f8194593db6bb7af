#include "platform/data_file.h"

#include <strings.h>

#include <filesystem>
#include <system_error>

namespace rufo::platform {
namespace {

namespace fs = std::filesystem;

// The entry of folder whose name equals name ignoring case; empty when there is none.
std::string FindCaseInsensitive(const fs::path& folder, const std::string& name) {
  std::error_code error;
  for (fs::directory_iterator it(folder.empty() ? fs::path(".") : folder, error), end;
       !error && it != end; it.increment(error)) {
    const std::string entry = it->path().filename().string();
    if (strcasecmp(entry.c_str(), name.c_str()) == 0) return entry;
  }
  return {};
}

}  // namespace

std::string ResolveDataPath(const std::string& path) {
  std::string slashed = path;
  for (char& c : slashed) {
    if (c == '\\') c = '/';
  }
  std::error_code error;
  if (slashed.empty() || fs::exists(slashed, error)) return slashed;

  fs::path resolved = slashed[0] == '/' ? fs::path("/") : fs::path();
  size_t start = slashed[0] == '/' ? 1 : 0;
  while (start <= slashed.size()) {
    size_t end = slashed.find('/', start);
    if (end == std::string::npos) end = slashed.size();
    const std::string component = slashed.substr(start, end - start);
    start = end + 1;
    if (component.empty()) continue;
    fs::path exact = resolved / component;
    if (component == "." || component == ".." || fs::exists(exact, error)) {
      resolved = exact;
      continue;
    }
    const std::string match = FindCaseInsensitive(resolved, component);
    resolved /= match.empty() ? component : match;
  }
  return resolved.string();
}

std::FILE* OpenFile(const std::string& path, const char* mode) {
  std::string cleanMode;
  for (const char* m = mode; *m; ++m) {
    if (*m == 'r' || *m == 'w' || *m == 'a' || *m == '+' || *m == 'b') cleanMode += *m;
  }
  if (cleanMode.empty()) return nullptr;
  return std::fopen(ResolveDataPath(path).c_str(), cleanMode.c_str());
}

}  // namespace rufo::platform
