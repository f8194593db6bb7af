#include "controls/ani_file.h"

#include "platform/picture_limits.h"

#include <bit>
#include <cstring>

namespace rufo {
namespace {

bool ReadU32(std::FILE* file, uint32_t* value) {
  uint8_t bytes[4];
  if (std::fread(bytes, 1, 4, file) != 4) return false;
  *value = bytes[0] | (bytes[1] << 8) | (bytes[2] << 16) | (static_cast<uint32_t>(bytes[3]) << 24);
  return true;
}

}  // namespace

AniFile::~AniFile() {
  Close();
}

void AniFile::Close() {
  if (file_) std::fclose(file_);
  file_ = nullptr;
  offsets_.clear();
  cache_.clear();
  header_ = {};
}

bool AniFile::Open(std::FILE* file) {
  Close();
  if (!file) return false;
  file_ = file;
  if (std::fseek(file_, 0, SEEK_END) != 0 || (fileSize_ = std::ftell(file_)) < 0 ||
      std::fseek(file_, 0, SEEK_SET) != 0) {
    Close();
    return false;
  }
  char magic[4];
  uint32_t seconds = 0;
  const bool headerRead = std::fread(magic, 1, 4, file_) == 4 && ReadU32(file_, &header_.width) &&
                          ReadU32(file_, &header_.height) &&
                          ReadU32(file_, &header_.bitsPerPixel) &&
                          ReadU32(file_, &header_.colorKey) && ReadU32(file_, &header_.runMarker) &&
                          ReadU32(file_, &header_.frameCount) && ReadU32(file_, &seconds);
  // The offset table must lie within the file; a longer one could only end in a short read.
  if (!headerRead || std::memcmp(magic, "RA10", 4) != 0 || header_.bitsPerPixel != 16 ||
      !platform::PictureSizeAllowed(header_.width, header_.height) ||
      header_.frameCount > (static_cast<uint64_t>(fileSize_) - kHeaderSize) / 4) {
    Close();
    return false;
  }
  std::memcpy(&header_.frameSeconds, &seconds, sizeof seconds);
  offsets_.resize(header_.frameCount);
  for (uint32_t& offset : offsets_) {
    if (!ReadU32(file_, &offset)) {
      Close();
      return false;
    }
  }
  cache_.resize(offsets_.size());
  return true;
}

bool AniFile::LoadFrame(int index) {
  if (!file_ || index < 0 || index >= FrameCount()) return false;
  Frame& frame = cache_[index];
  if (frame.loaded) return true;
  const uint64_t offset = offsets_[index];
  char tag[2];
  uint32_t size = 0;
  if (offset + 6 > static_cast<uint64_t>(fileSize_) ||
      std::fseek(file_, static_cast<long>(offset), SEEK_SET) != 0 ||
      std::fread(tag, 1, 2, file_) != 2 || tag[0] != 'A' || tag[1] != 'F' ||
      !ReadU32(file_, &size) || offset + 6 + size > static_cast<uint64_t>(fileSize_)) {
    return false;
  }
  // Read as bytes into the words, then put each word in the machine's order.
  std::vector<uint16_t> words((size + 1) / 2);
  if (std::fread(words.data(), 1, size, file_) != size) return false;
  words.resize(size / 2);
  if constexpr (std::endian::native == std::endian::big) {
    for (uint16_t& word : words)
      word = static_cast<uint16_t>((word >> 8) | (word << 8));
  }
  frame.words = std::move(words);
  frame.loaded = true;
  return true;
}

const std::vector<uint16_t>* AniFile::CachedFrame(int index) const {
  if (index < 0 || index >= FrameCount() || !cache_[index].loaded) return nullptr;
  return &cache_[index].words;
}

}  // namespace rufo
