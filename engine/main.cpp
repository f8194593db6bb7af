#include "engine/first_run.h"
#include "engine/interface.h"
#include "game/game.h"

int main() {
  using namespace rufo;
  const RunOptions options = RunOptionsFromEnvironment();
  Interface engine(options.headless ? Platform::Headless() : Platform::Real(), options);

  InterfaceProperties properties;
  EnsureIniFile(properties);
  if (!engine.Init(&properties)) return 0;
  if (!GameStart()) return 0;
  const int result = engine.Run();
  GameEnd();
  engine.Shutdown();
  return result;
}
