// Loads arbitrary bytes as user-file records, checks that storing gives the same bytes back, and
// reads them as the user file, whose faces and new stickers must come out in range.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include "engine/interface.h"
#include "game/user_file.h"

namespace {

// The runtime root: a folder of this process's own, removed when it exits (the path is never
// destroyed, so that it outlives the other statics into the exit handler).
const std::string& RuntimeRoot() {
  static const std::string* root = [] {
    std::string made = (std::filesystem::temp_directory_path() / "fuzz_user_file_XXXXXX").string();
    if (!::mkdtemp(made.data())) std::abort();
    const auto* kept = new std::string(made + "/");
    std::atexit([] {
      std::error_code error;
      std::filesystem::remove_all(RuntimeRoot(), error);
    });
    return kept;
  }();
  return *root;
}

rufo::Interface& EngineWithRuntimeRoot() {
  static rufo::Interface* engine = [] {
    auto* created = new rufo::Interface(rufo::Platform::Headless());
    std::string ini = "[Rufo I]\nHD=" + RuntimeRoot() + "\n";
    std::FILE* file = fmemopen(ini.data(), ini.size(), "rb");
    created->ReadPathsFromIni(file);
    std::fclose(file);
    return created;
  }();
  return *engine;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace rufo;
  uint8_t image[ProfileRecord::kSize] = {};
  std::memcpy(image, data, size < sizeof image ? size : sizeof image);
  ProfileRecord record = ProfileRecord::Empty();
  record.Load(image);
  uint8_t again[ProfileRecord::kSize];
  record.Store(again);
  if (std::memcmp(image, again, sizeof image) != 0) std::abort();

  Interface& engine = EngineWithRuntimeRoot();
  std::FILE* file = std::fopen(engine.MakeDataPath(kUserFileName, kRuntimeRoot).c_str(), "wb");
  if (!file) return 0;
  std::fwrite(data, 1, size, file);
  std::fclose(file);
  ProfileTable table;
  table.fill(ProfileRecord::Empty());
  ReadUserFile(table);
  for (const ProfileRecord& read : table) {
    if (read.face < -1 || read.face >= kFacePictures) std::abort();
    if (read.newSticker < -1 || read.newSticker >= kStickerCount) std::abort();
  }
  return 0;
}
