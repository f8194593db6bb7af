#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace rufo::platform {

// Marks the one running copy of the program with locks that the system drops when the process
// ends, however it ends. One lock is a file named after the window title in the user's runtime
// folder ($XDG_RUNTIME_DIR, else the temporary folder); others lock folders themselves, such as
// the folder the children's profiles are saved in, which copies with different runtime folders
// may still share.
class InstanceLock {
 public:
  InstanceLock() = default;
  ~InstanceLock() { Release(); }
  InstanceLock(const InstanceLock&) = delete;
  InstanceLock& operator=(const InstanceLock&) = delete;

  // False when another holder has the lock. When the lock file cannot be made at all, the
  // program runs as if it were alone.
  bool Acquire(const std::string& title);
  // Locks the folder itself, which works for a read-only folder too. False when another holder
  // has it; true as well when there is no such folder (nothing there to share).
  bool AcquireFolder(const std::filesystem::path& folder);
  // Drops every lock taken.
  void Release();

 private:
  // Takes the lock on an open descriptor and keeps it; false when another holder has it.
  bool Lock(int fd);

  std::vector<int> fds_;
};

}  // namespace rufo::platform
