#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace rufo::web {

// Watches the files that hold a player's progress and writes the browser's persistent storage
// through whenever one of them has changed, so that a tab closed right after a save keeps it.
class UserStorage {
 public:
  explicit UserStorage(std::vector<std::filesystem::path> files);
  // Compares each file with what was last stored; on a change, stores them all.
  void PersistChanges();

 private:
  std::vector<std::filesystem::path> files_;
  std::vector<std::string> stored_;
};

}  // namespace rufo::web
