#include "platform/instance_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdlib>

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
  const std::string path = LockPath(title).string();
  const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  return fd < 0 || Lock(fd);
}

bool InstanceLock::AcquireFolder(const std::filesystem::path& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  return fd < 0 || Lock(fd);
}

bool InstanceLock::Lock(int fd) {
  if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
    fds_.push_back(fd);
    return true;
  }
  const bool held = errno == EWOULDBLOCK;
  ::close(fd);
  return !held;
}

void InstanceLock::Release() {
  for (int fd : fds_)
    ::close(fd);
  fds_.clear();
}

}  // namespace rufo::platform
