#include "game/screen_rules.h"

#include <array>

namespace rufo {
namespace {

constexpr int kWalkRightFrom = 581;
constexpr int kWalkLeftBelow = 60;
constexpr std::array<ScreenId, 7> kRing = {0x101, 0x201, 0x301, 0x401, 0x501, 0x601, 0x701};

int RingIndex(ScreenId id) {
  for (size_t i = 0; i < kRing.size(); ++i) {
    if (kRing[i] == id) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace

bool IsMainScene(ScreenId id) {
  return RingIndex(id) >= 0;
}

ScreenId WalkTarget(ScreenId id, int x, int cursor) {
  int index = RingIndex(id);
  if (index < 0 || cursor == 4) return 0;
  int count = static_cast<int>(kRing.size());
  if (x >= kWalkRightFrom) return kRing[(index + 1) % count];
  if (x < kWalkLeftBelow) return kRing[(index + count - 1) % count];
  return 0;
}

int WalkingCursor(int x, int cursor) {
  if (cursor == 4) return -1;
  if (x >= kWalkRightFrom) return 3;
  if (x < kWalkLeftBelow) return 2;
  return -1;
}

bool ToolbarOffersBack(ScreenId id) {
  return LowByte(id) != 1;
}

ScreenId AlbumExit(const ProfileRecord& profile, ScreenId previous) {
  if (profile.albumComplete) return kScreenEnd;
  if (profile.newSticker == -1) return previous;
  return MainSceneOf(previous);
}

int NextFace(int frame, int frameCount) {
  return frame + 1 >= frameCount ? 0 : frame + 1;
}

std::string PortraitName(int face) {
  std::string name = face < 5 ? "H" : "K";
  name += std::to_string(face < 5 ? face + 1 : face - 3);
  return name;
}

}  // namespace rufo
