#include "platform/instance_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <filesystem>

namespace rufo::platform {
namespace {

std::filesystem::path LockPath(const std::string& title) {
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  std::filesystem::path folder =
      runtime && *runtime ? std::filesystem::path(runtime) : std::filesystem::temp_directory_path();
  std::string name;
  for (unsigned char c : title)
    name += std::isalnum(c) ? static_cast<char>(c) : '_';
  return folder / (name + ".lock");
}

}  // namespace

bool InstanceLock::Acquire(const std::string& title) {
  Release();
  const std::string path = LockPath(title).string();
  fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd_ < 0) return true;
  if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) return true;
  bool held = errno == EWOULDBLOCK;
  ::close(fd_);
  fd_ = -1;
  return !held;
}

void InstanceLock::Release() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

}  // namespace rufo::platform
