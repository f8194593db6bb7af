#pragma once

#include <string>

namespace rufo::platform {

// Marks the one running copy of the program. The lock is a file named after the window title in
// the user's runtime folder ($XDG_RUNTIME_DIR, else the temporary folder), locked for as long as
// the process holds it; the system drops it when the process ends, however it ends.
class InstanceLock {
 public:
  InstanceLock() = default;
  ~InstanceLock() { Release(); }
  InstanceLock(const InstanceLock&) = delete;
  InstanceLock& operator=(const InstanceLock&) = delete;

  // False when another holder has the lock. When the lock file cannot be made at all, the
  // program runs as if it were alone.
  bool Acquire(const std::string& title);
  void Release();

 private:
  int fd_ = -1;
};

}  // namespace rufo::platform
