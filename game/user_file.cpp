#include "game/user_file.h"

#include <unistd.h>

#include <array>
#include <cstdio>
#include <string>

#include "engine/interface.h"
#include "engine/trace.h"
#include "platform/data_file.h"

namespace rufo {
namespace {

constexpr size_t kFileSize = ProfileRecord::kSize * kProfileCount;

std::array<uint8_t, kFileSize> TableImage(const ProfileTable& table) {
  std::array<uint8_t, kFileSize> image{};
  for (int i = 0; i < kProfileCount; ++i)
    table[i].Store(image.data() + i * ProfileRecord::kSize);
  return image;
}

// Writes the image to a temporary file beside path and renames it over path.
bool ReplaceFile(const std::string& path, const std::array<uint8_t, kFileSize>& image) {
  const std::string temporary = path + ".new";
  std::FILE* file = platform::OpenFile(temporary, "wb");
  if (!file) return false;
  bool ok = std::fwrite(image.data(), 1, image.size(), file) == image.size() &&
            std::fflush(file) == 0 && ::fsync(::fileno(file)) == 0;
  ok = std::fclose(file) == 0 && ok;
  if (ok) ok = std::rename(temporary.c_str(), path.c_str()) == 0;
  if (!ok) std::remove(temporary.c_str());
  return ok;
}

}  // namespace

void ReadUserFile(ProfileTable& table) {
  std::FILE* file = Engine().OpenDataFile(kUserFileName, "rb", kRuntimeRoot, true);
  if (!file) return;
  std::array<uint8_t, kFileSize> image = TableImage(table);
  std::fread(image.data(), 1, image.size(), file);
  std::fclose(file);
  for (int i = 0; i < kProfileCount; ++i)
    table[i].Load(image.data() + i * ProfileRecord::kSize);
  // A face the Start screen has no picture for: a child's profile stays usable with the first
  // picture, an unused slot is empty. A new sticker no control stands for reads as none, or the
  // album would wait for an arrival that never comes.
  for (ProfileRecord& record : table) {
    if (record.face < -1 || record.face >= kFacePictures) record.face = record.inUse ? 0 : -1;
    if (record.newSticker < -1 || record.newSticker >= kStickerCount) record.newSticker = -1;
  }
}

bool WriteUserFile(ProfileTable& table, int currentProfile) {
  for (ProfileRecord& record : table) {
    if (record.inUse == 0) record = ProfileRecord::Empty();
  }
  if (currentProfile >= 0 && currentProfile < kProfileCount) {
    table[currentProfile].albumComplete = table[currentProfile].AllStickers() ? 1 : 0;
  }
  const auto image = TableImage(table);
  Interface& engine = Engine();
  for (int root : {kRuntimeRoot, kDataRoot}) {
    const std::string path = platform::ResolveDataPath(engine.MakeDataPath(kUserFileName, root));
    if (ReplaceFile(path, image)) {
      trace::Save();
      return true;
    }
  }
  engine.Log("Cannot load file \"" + engine.MakeDataPath(kUserFileName, kDataRoot) + "\"");
  return false;
}

}  // namespace rufo
