#include "web/user_storage.h"

#include <emscripten.h>

#include <fstream>
#include <iterator>

namespace rufo::web {
namespace {

// The files watched are small (the user file is 224 bytes); a larger one is not ours to read
// whole every frame.
constexpr std::streamsize kMaxWatchedBytes = 64 * 1024;

std::string Contents(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return {};
  std::string text(kMaxWatchedBytes, '\0');
  in.read(text.data(), kMaxWatchedBytes);
  text.resize(static_cast<size_t>(in.gcount()));
  return text;
}

}  // namespace

UserStorage::UserStorage(std::vector<std::filesystem::path> files) : files_(std::move(files)) {
  for (const auto& file : files_)
    stored_.push_back(Contents(file));
}

void UserStorage::PersistChanges() {
  bool changed = false;
  for (size_t i = 0; i < files_.size(); ++i) {
    std::string now = Contents(files_[i]);
    if (now != stored_[i]) {
      stored_[i] = std::move(now);
      changed = true;
    }
  }
  if (!changed) return;
  EM_ASM(FS.syncfs(
      false, function(error) {
        if (error) console.error('rufo: cannot store progress: ' + error);
      }););
}

}  // namespace rufo::web
