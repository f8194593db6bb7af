#include "game/profile.h"

#include <algorithm>
#include <cstring>

namespace rufo {
namespace {

void StoreI32(uint8_t* at, int32_t value) {
  const auto v = static_cast<uint32_t>(value);
  for (int i = 0; i < 4; ++i)
    at[i] = static_cast<uint8_t>(v >> (8 * i));
}

int32_t LoadI32(const uint8_t* at) {
  uint32_t v = 0;
  for (int i = 0; i < 4; ++i)
    v |= static_cast<uint32_t>(at[i]) << (8 * i);
  return static_cast<int32_t>(v);
}

}  // namespace

ProfileRecord ProfileRecord::Empty() {
  return ProfileRecord{};
}

bool ProfileRecord::AllStickers() const {
  return std::all_of(stickers.begin(), stickers.end(), [](uint8_t s) { return s != 0; });
}

void ProfileRecord::Store(uint8_t* bytes) const {
  std::memcpy(bytes, name.data(), 20);
  std::memcpy(bytes + 20, reserved1.data(), 8);
  StoreI32(bytes + 28, face);
  std::memcpy(bytes + 32, stickers.data(), kStickerCount);
  std::memcpy(bytes + 46, reserved2.data(), 2);
  StoreI32(bytes + 48, newSticker);
  bytes[52] = deletePhase;
  bytes[53] = albumComplete;
  bytes[54] = inUse;
  bytes[55] = reserved3;
}

void ProfileRecord::Load(const uint8_t* bytes) {
  std::memcpy(name.data(), bytes, 20);
  std::memcpy(reserved1.data(), bytes + 20, 8);
  face = LoadI32(bytes + 28);
  std::memcpy(stickers.data(), bytes + 32, kStickerCount);
  std::memcpy(reserved2.data(), bytes + 46, 2);
  newSticker = LoadI32(bytes + 48);
  deletePhase = bytes[52];
  albumComplete = bytes[53];
  inUse = bytes[54];
  reserved3 = bytes[55];
}

}  // namespace rufo
