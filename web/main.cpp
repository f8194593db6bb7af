// The game in the browser. The page starts it after the data has arrived and the child has
// pressed "Hrát"; from then on the browser calls one step of the engine's loop per frame, or by
// a slower timer while the picture rests; its sound rests while nothing plays. The title and the
// Start screen play from the first data pack; a screen beyond them waits, with the page's
// progress bar over the picture, until the second pack has arrived. The user file and rufo.ini
// are copied to the browser's persistent storage whenever they change.
#include <emscripten.h>

#include "engine/first_run.h"
#include "engine/interface.h"
#include "game/game.h"
#include "game/screen_ids.h"
#include "gardens/garden_screens.h"
#include "learn/learning_screens.h"
#include "platform/folders.h"
#include "platform/sound_device.h"
#include "platform/surface.h"
#include "web/frame_pace.h"
#include "web/sound_rest.h"
#include "web/user_storage.h"

namespace {

rufo::Interface* g_engine = nullptr;
rufo::web::UserStorage* g_storage = nullptr;
rufo::web::FramePace g_pace;
rufo::web::SoundRest g_soundRest;

void Pace() {
  switch (g_pace.AfterStep(rufo::platform::SurfaceWrites())) {
    case rufo::web::FramePace::Change::kToDisplay:
      emscripten_set_main_loop_timing(EM_TIMING_RAF, 1);
      break;
    case rufo::web::FramePace::Change::kToTimer:
      emscripten_set_main_loop_timing(EM_TIMING_SETTIMEOUT, rufo::web::FramePace::kTimerStepMs);
      break;
    case rufo::web::FramePace::Change::kNone:
      break;
  }
}

// Tells the page when its sound may rest (nothing plays) and when it must run again (a buffer
// has started), which the page weighs with whether it is seen.
void RestSound() {
  const rufo::platform::SoundDevice* sound = g_engine->Sound();
  switch (g_soundRest.AfterStep(sound && sound->Playing(), emscripten_get_now())) {
    case rufo::web::SoundRest::Change::kRest:
      EM_ASM(Module.restSound(true););
      break;
    case rufo::web::SoundRest::Change::kWake:
      EM_ASM(Module.restSound(false););
      break;
    case rufo::web::SoundRest::Change::kNone:
      break;
  }
}

// The screens whose files are in the first data pack.
bool InFirstPack(rufo::ScreenId screen) {
  return screen == rufo::kScreenEntry || screen == rufo::kScreenTitle ||
         screen == rufo::kScreenStart || screen == rufo::kScreenParents;
}

// Whether the game may go on: the page says when the second pack has arrived, and shows its
// progress while the game waits for it.
bool DataReady() {
  static bool arrived = false;
  if (arrived || InFirstPack(g_engine->CurrentScreen())) return true;
  arrived = EM_ASM_INT(return Module.secondPackArrived() ? 1 : 0;) != 0;
  return arrived;
}

void Frame() {
  if (!DataReady()) {
    RestSound();
    return;
  }
  g_engine->Step();
  g_storage->PersistChanges();
  Pace();
  RestSound();
  if (!g_engine->LoopOver()) return;
  emscripten_cancel_main_loop();
  rufo::GameEnd();
  g_engine->Shutdown();
  g_storage->PersistChanges();
  EM_ASM(if (Module.onGameEnd) Module.onGameEnd(););
}

}  // namespace

int main() {
  using namespace rufo;
  const RunOptions options = RunOptionsFromEnvironment();
  Platform platform = Platform::Real();
  // The page runs on the browser's one thread: sound is refilled by the loop.
  platform.soundThreads = false;
  // Engine and storage live as long as the page, past the end of main.
  g_engine = new Interface(std::move(platform), options);

  InterfaceProperties properties;
  // The page scales the game to the browser window; the browser's own full screen is asked
  // for by the page.
  properties.canFullScreen = false;
  properties.startFullScreen = false;
  // Every tab is a game of its own.
  properties.allowSecondInstance = true;
  EnsureIniFile(properties);
  g_storage = new web::UserStorage(
      {platform::ConfigFolder() / "rufo.ini", platform::UserDataFolder() / "rufo_usr.dat"});
  if (!g_engine->Init(&properties)) return 0;
  RegisterGardenScreens(Screens());
  RegisterLearningScreens(Screens());
  if (!GameStart()) return 0;
  emscripten_set_main_loop(Frame, 0, 0);
  return 0;
}
