#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace rufo {

inline constexpr int kStickerCount = 14;
inline constexpr int kProfileCount = 4;
// The face pictures a child chooses from, 0 to 7.
inline constexpr int kFacePictures = 8;

// One child's profile; the user file is the byte image of four of them.
struct ProfileRecord {
  static constexpr size_t kSize = 56;

  std::array<char, 20> name{};  // Windows-1250, zero-terminated
  std::array<uint8_t, 8> reserved1{};
  int32_t face = -1;  // face picture 0 to 7; -1 for an empty slot
  std::array<uint8_t, kStickerCount> stickers{};
  std::array<uint8_t, 2> reserved2{};
  int32_t newSticker = 0;  // earned last and not yet shown in the album; -1 none
  uint8_t deletePhase = 0;
  uint8_t albumComplete = 0;
  uint8_t inUse = 0;
  uint8_t reserved3 = 0;

  // An empty slot as the game starts it and stores it: all bytes zero but the face, -1.
  static ProfileRecord Empty();
  bool HasSticker(int n) const { return n >= 0 && n < kStickerCount && stickers[n] != 0; }
  bool AllStickers() const;

  // Little-endian byte image.
  void Store(uint8_t* bytes) const;
  void Load(const uint8_t* bytes);
};

using ProfileTable = std::array<ProfileRecord, kProfileCount>;

}  // namespace rufo
