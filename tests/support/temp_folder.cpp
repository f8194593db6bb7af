#include "tests/support/temp_folder.h"

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <mutex>
#include <sstream>
#include <utility>
#include <vector>

namespace rufo::test {
namespace {

void RemoveFolder(const std::filesystem::path& path) {
  std::error_code error;
  std::filesystem::permissions(path, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, error);
  std::filesystem::remove_all(path, error);
}

// The folders alive in this process, with the process that made them. A death test's child that
// ends by exit() never runs its folders' destructors, so they are removed at exit; a forked
// child leaves its parent's folders alone.
std::mutex liveMutex;
std::vector<std::pair<std::filesystem::path, pid_t>>& LiveFolders() {
  static auto* live = new std::vector<std::pair<std::filesystem::path, pid_t>>;
  return *live;
}

void RemoveLiveFoldersAtExit() {
  std::lock_guard lock(liveMutex);
  for (const auto& [path, maker] : LiveFolders()) {
    if (maker == ::getpid()) RemoveFolder(path);
  }
}

}  // namespace

TempFolder::TempFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "rufo-test-XXXXXX").string();
  path_ = ::mkdtemp(pattern.data());
  static const bool registered = std::atexit(RemoveLiveFoldersAtExit) == 0;
  (void)registered;
  std::lock_guard lock(liveMutex);
  LiveFolders().emplace_back(path_, ::getpid());
}

TempFolder::~TempFolder() {
  {
    std::lock_guard lock(liveMutex);
    std::erase_if(LiveFolders(), [&](const auto& live) { return live.first == path_; });
  }
  RemoveFolder(path_);
}

std::filesystem::path TempFolder::Write(const std::string& relative,
                                        const std::string& content) const {
  const std::filesystem::path file = path_ / relative;
  std::filesystem::create_directories(file.parent_path());
  std::ofstream(file, std::ios::binary) << content;
  return file;
}

std::string TempFolder::Read(const std::string& relative) const {
  return ReadFile(path_ / relative);
}

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

ScopedEnv::ScopedEnv(const char* name, const std::string& value) : name_(name) {
  if (const char* old = std::getenv(name)) {
    had_ = true;
    old_ = old;
  }
  ::setenv(name, value.c_str(), 1);
}

ScopedEnv::~ScopedEnv() {
  if (had_) {
    ::setenv(name_.c_str(), old_.c_str(), 1);
  } else {
    ::unsetenv(name_.c_str());
  }
}

}  // namespace rufo::test
