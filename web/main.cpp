// The game in the browser. The page starts it after the data has arrived and the child has
// pressed "Hrát"; from then on the browser calls one step of the engine's loop per frame. The
// user file and rufo.ini are copied to the browser's persistent storage whenever they change.
#include <emscripten.h>

#include "engine/first_run.h"
#include "engine/interface.h"
#include "game/game.h"
#include "gardens/garden_screens.h"
#include "learn/learning_screens.h"
#include "platform/folders.h"
#include "web/user_storage.h"

namespace {

rufo::Interface* g_engine = nullptr;
rufo::web::UserStorage* g_storage = nullptr;

void Frame() {
  g_engine->Step();
  g_storage->PersistChanges();
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
