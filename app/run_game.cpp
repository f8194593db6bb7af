#include "app/run_game.h"

#include "engine/first_run.h"
#include "engine/interface.h"
#include "game/game.h"
#include "gardens/garden_screens.h"
#include "learn/learning_screens.h"
#include "tools/assetkit/frame_capture.h"

namespace rufo {

int RunGame(const std::function<void(ScreenTable&)>& addMore) {
  const RunOptions options = RunOptionsFromEnvironment();
  Interface engine(options.headless ? Platform::Headless() : Platform::Real(), options);

  InterfaceProperties properties;
  if (options.windowed) properties.startFullScreen = false;
  EnsureIniFile(properties);
  if (!engine.Init(&properties)) return 0;
  assetkit::FrameCapture capture(options.captures);
  if (!options.captures.empty()) {
    engine.SetFrameSink([&capture](uint32_t gameMs,
                                   const platform::Surface& frame) { capture.Take(gameMs, frame); },
                        [&capture](uint32_t gameMs) { return capture.Wants(gameMs); });
  }
  RegisterGardenScreens(Screens());
  RegisterLearningScreens(Screens());
  if (addMore) addMore(Screens());
  if (!GameStart()) return 0;
  const int result = engine.Run();
  GameEnd();
  engine.Shutdown();
  return result;
}

}  // namespace rufo
