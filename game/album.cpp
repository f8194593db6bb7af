#include "game/album.h"

#include <string>

#include "controls/control.h"
#include "controls/scripted_animation_control.h"
#include "engine/interface.h"
#include "engine/messages.h"
#include "game/common_controls.h"
#include "game/game_state.h"
#include "game/screen_rules.h"

namespace rufo {
namespace {

// A control name made of a prefix and a sticker number, such as "bS12".
std::string StickerControlName(const char* prefix, int sticker) {
  std::string name = prefix;
  name += std::to_string(sticker);
  return name;
}

}  // namespace

void AlbumScreen::Build() {
  GameState& state = State();
  state.screen->Load("Data\\album\\screen.dat");
  HideToolbar();
  const ProfileRecord& profile = state.Profile();
  for (int n = 0; n < kStickerCount; ++n) {
    if (!profile.HasSticker(n) || n == profile.newSticker) continue;
    if (Control* sticker = ScriptedControl(StickerControlName("bS", n).c_str())) {
      sticker->ClearFlags(kCfHidden);
    }
  }
  if (profile.newSticker == -1) {
    ready_ = true;
    return;
  }
  auto* arrival = ScriptedAnimation(StickerControlName("S", profile.newSticker).c_str());
  if (arrival) {
    arrival->LoadSound("Bitmaps\\Album\\Ani\\cink");
    arrival->Speak("", false);
  }
  // Without an arrival to watch the click leaves at once.
  ready_ = !arrival || !arrival->IsPlaying();
}

void AlbumScreen::OnControlEvent(Control* /*control*/, int32_t event, bool /*live*/) {
  if (event == kEventAnimationEnd) ready_ = true;
}

void AlbumScreen::OnMessage(const Input& input, bool* /*unconsumed*/) {
  if (input.message != kMsgLeftUp || !ready_) return;
  ProfileRecord& profile = State().Profile();
  const ScreenId next = AlbumExit(profile, Engine().PreviousScreen());
  if (!profile.albumComplete) profile.newSticker = -1;
  Engine().ChangeScreen(next, 0, false);
}

}  // namespace rufo
