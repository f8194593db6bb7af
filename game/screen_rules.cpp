#include "game/screen_rules.h"

#include "game/game_table.h"

namespace rufo {
namespace {

constexpr int kWalkRightFrom = 581;
constexpr int kWalkLeftBelow = 60;

}  // namespace

bool IsMainScene(ScreenId id) {
  return id == kScreenLearnHub || FindGarden(id);
}

ScreenId WalkTarget(ScreenId id, int x, int cursor) {
  if (!IsMainScene(id) || cursor == 4) return 0;
  if (x >= kWalkRightFrom) return Neighbour(id, 1);
  if (x < kWalkLeftBelow) return Neighbour(id, -1);
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
