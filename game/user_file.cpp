#include "game/user_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdio>
#include <optional>
#include <string>
#include <system_error>

#include "engine/interface.h"
#include "engine/trace.h"
#include "platform/data_file.h"

namespace rufo {
namespace {

constexpr size_t kFileSize = ProfileRecord::kSize * kProfileCount;
using Image = std::array<uint8_t, kFileSize>;

Image TableImage(const ProfileTable& table) {
  Image image{};
  for (int i = 0; i < kProfileCount; ++i)
    table[i].Store(image.data() + i * ProfileRecord::kSize);
  return image;
}

std::string UserFilePath(int root) {
  return platform::ResolveDataPath(Engine().MakeDataPath(kUserFileName, root));
}

bool Later(const timespec& a, const timespec& b) {
  return a.tv_sec != b.tv_sec ? a.tv_sec > b.tv_sec : a.tv_nsec > b.tv_nsec;
}

// One root's copy of the user file, read over the image of the table it is to fill.
struct Copy {
  Image image;
  size_t size = 0;
  timespec written{};

  bool Complete() const { return size == kFileSize; }
  // Which of two copies holds the last save: a whole copy rather than a cut one, then the one
  // written later; on a tie the first (the runtime root's).
  bool Beats(const Copy& other) const {
    if (Complete() != other.Complete()) return Complete();
    return Later(written, other.written);
  }
};

// Only a regular file is a copy: opening never waits (a pipe of that name), and a folder of that
// name is none.
std::optional<Copy> ReadCopy(const std::string& path, const Image& initial) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  struct stat status {};
  std::optional<Copy> copy;
  if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode)) {
    copy = Copy{initial, 0, status.st_mtim};
    while (copy->size < kFileSize) {
      const ssize_t got = ::read(fd, copy->image.data() + copy->size, kFileSize - copy->size);
      if (got <= 0) break;
      copy->size += static_cast<size_t>(got);
    }
  }
  ::close(fd);
  return copy;
}

// When the other root holds a copy, the time it was written, so that a new save can be marked
// as the later one; nothing when there is none or it is the same file.
std::optional<timespec> OtherCopyTime(const std::string& path, const std::string& other) {
  struct stat status {};
  struct stat self {};
  if (::stat(other.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) return std::nullopt;
  if (::stat(path.c_str(), &self) == 0 && self.st_dev == status.st_dev &&
      self.st_ino == status.st_ino) {
    return std::nullopt;
  }
  return status.st_mtim;
}

// Writes the image to a temporary file beside path and renames it over path. The new file is
// dated after `notBefore` (the other root's copy), even by a coarse or wrong clock, so that the
// next start takes it for the last save. The reason of a failure goes to *error.
bool ReplaceFile(const std::string& path, const Image& image,
                 const std::optional<timespec>& notBefore, std::string* error) {
  const std::string temporary = path + ".new";
  std::FILE* file = platform::OpenFile(temporary, "wb");
  if (!file) {
    *error = std::generic_category().message(errno);
    return false;
  }
  const int fd = ::fileno(file);
  bool ok =
      std::fwrite(image.data(), 1, image.size(), file) == image.size() && std::fflush(file) == 0;
  struct stat status {};
  if (ok && notBefore && ::fstat(fd, &status) == 0 && !Later(status.st_mtim, *notBefore)) {
    const timespec times[2] = {{0, UTIME_OMIT}, {notBefore->tv_sec + 1, notBefore->tv_nsec}};
    ::futimens(fd, times);
  }
  ok = ok && ::fsync(fd) == 0;
  ok = std::fclose(file) == 0 && ok;
  if (ok) ok = std::rename(temporary.c_str(), path.c_str()) == 0;
  if (!ok) {
    *error = std::generic_category().message(errno);
    std::remove(temporary.c_str());
  }
  return ok;
}

}  // namespace

void ReadUserFile(ProfileTable& table) {
  // Saves go to the runtime root, or to the data root while the runtime root cannot take them,
  // so the last save may be in either: the copy that holds it is read.
  const Image initial = TableImage(table);
  std::optional<Copy> chosen;
  for (int root : {kRuntimeRoot, kDataRoot}) {
    std::optional<Copy> copy = ReadCopy(UserFilePath(root), initial);
    if (copy && (!chosen || copy->Beats(*chosen))) chosen = std::move(copy);
  }
  if (!chosen) {
    Engine().Log("Cannot load file \"" + Engine().MakeDataPath(kUserFileName, kDataRoot) + "\"");
    return;
  }
  for (int i = 0; i < kProfileCount; ++i)
    table[i].Load(chosen->image.data() + i * ProfileRecord::kSize);
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
  const Image image = TableImage(table);
  const std::string runtime = UserFilePath(kRuntimeRoot);
  const std::string data = UserFilePath(kDataRoot);
  std::string runtimeError, dataError;
  if (ReplaceFile(runtime, image, OtherCopyTime(runtime, data), &runtimeError)) {
    trace::Save();
    return true;
  }
  if (ReplaceFile(data, image, OtherCopyTime(data, runtime), &dataError)) {
    Engine().LogOnce("Cannot save file \"" + runtime + "\" (" + runtimeError + "), saved to \"" +
                     data + "\" instead");
    trace::Save();
    return true;
  }
  Engine().Log("Cannot save file \"" + runtime + "\" (" + runtimeError + ") nor \"" + data +
               "\" (" + dataError + "): the children's progress is not saved");
  return false;
}

}  // namespace rufo
