#include "game/album.h"

#include <string>

#include "controls/control.h"
#include "controls/scripted_animation_control.h"
#include "engine/interface.h"
#include "game/common_controls.h"
#include "game/game_state.h"
#include "game/screen_rules.h"

namespace rufo {

void BuildAlbum() {
  GameState& state = State();
  state.screen->Load("Data\\album\\screen.dat");
  HideToolbar();
  const ProfileRecord& profile = state.Profile();
  for (int n = 0; n < kStickerCount; ++n) {
    if (!profile.HasSticker(n) || n == profile.newSticker) continue;
    if (Control* sticker = ScriptedControl(("bS" + std::to_string(n)).c_str())) {
      sticker->ClearFlags(kCfHidden);
    }
  }
  if (profile.newSticker == -1) {
    state.albumReady = true;
    return;
  }
  if (auto* arrival = ScriptedAnimation(("S" + std::to_string(profile.newSticker)).c_str())) {
    arrival->LoadSound("Bitmaps\\Album\\Ani\\cink");
    arrival->Speak("", false);
    state.albumReady = false;
  }
}

void LeaveAlbum() {
  GameState& state = State();
  ScreenId next = AlbumExit(state.Profile(), Engine().PreviousScreen());
  if (!state.Profile().albumComplete) state.Profile().newSticker = -1;
  Engine().ChangeScreen(next, 0, false);
}

}  // namespace rufo
