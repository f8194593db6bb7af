#include "platform/data_file.h"

#include <fcntl.h>
#include <strings.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <vector>

namespace rufo::platform {
namespace {

namespace fs = std::filesystem;

// Entries of folder whose names equal name ignoring case, an exact match first.
std::vector<std::string> CaseInsensitiveMatches(const fs::path& folder, const std::string& name) {
  std::vector<std::string> matches;
  std::error_code error;
  for (fs::directory_iterator it(folder.empty() ? fs::path(".") : folder, error), end;
       !error && it != end; it.increment(error)) {
    const std::string entry = it->path().filename().string();
    if (strcasecmp(entry.c_str(), name.c_str()) != 0) continue;
    if (entry == name) {
      matches.insert(matches.begin(), entry);
    } else {
      matches.push_back(entry);
    }
  }
  return matches;
}

// Finds an existing path for components[index...] below resolved, trying every spelling of
// each component (folders may exist in several spellings); false when none exists.
bool ResolveExisting(const fs::path& resolved, const std::vector<std::string>& components,
                     size_t index, int depthBudget, fs::path* out) {
  if (index == components.size()) {
    *out = resolved;
    return true;
  }
  if (depthBudget <= 0) return false;
  const std::string& component = components[index];
  if (component == "." || component == "..") {
    return ResolveExisting(resolved / component, components, index + 1, depthBudget - 1, out);
  }
  for (const std::string& match : CaseInsensitiveMatches(resolved, component)) {
    if (ResolveExisting(resolved / match, components, index + 1, depthBudget - 1, out)) {
      return true;
    }
  }
  return false;
}

}  // namespace

std::string ResolveDataPath(const std::string& path) {
  std::string slashed = path;
  for (char& c : slashed) {
    if (c == '\\') c = '/';
  }
  std::error_code error;
  if (slashed.empty() || fs::exists(slashed, error)) return slashed;

  const bool absolute = slashed[0] == '/';
  std::vector<std::string> components;
  for (size_t start = 0; start <= slashed.size();) {
    size_t end = std::min(slashed.find('/', start), slashed.size());
    if (end > start) components.push_back(slashed.substr(start, end - start));
    start = end + 1;
  }
  const fs::path base = absolute ? fs::path("/") : fs::path();
  fs::path found;
  constexpr int kMaxDepth = 64;
  if (ResolveExisting(base, components, 0, kMaxDepth, &found)) return found.string();

  // No such file: find the folder it would go in (to write a new file there) and keep the
  // spelling of the last component.
  const std::vector<std::string> folders(components.begin(), components.end() - 1);
  fs::path resolved;
  if (components.empty() || !ResolveExisting(base, folders, 0, kMaxDepth, &resolved)) {
    return slashed;
  }
  resolved /= components.back();
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

std::FILE* OpenLogFile(const std::string& path, bool replace) {
  const int flags = O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC | (replace ? O_TRUNC : 0);
  const int fd = ::open(ResolveDataPath(path).c_str(), flags, 0666);
  if (fd < 0) return nullptr;
  std::FILE* file = ::fdopen(fd, "a");
  if (!file) ::close(fd);
  return file;
}

}  // namespace rufo::platform
