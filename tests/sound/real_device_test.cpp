#include <gtest/gtest.h>

#include "sound/sound_object.h"
#include "tests/sound/test_sound.h"
#include "tests/support/headless_engine.h"

namespace rufo {
namespace {

// The one test on the real audio path: SDL's dummy driver pulls the mix from its own thread in
// real time, so the refill threads, the audio callback and the main loop truly run at once
// (and ThreadSanitizer sees them do it). It runs two seconds of wall-clock time.
struct Scene {
  SoundObject* steady = nullptr;
  SoundObject* restarted = nullptr;
  uint32_t start = 0;
  uint32_t lastRestart = 0;
  int restarts = 0;
};
Scene* g_scene = nullptr;

void Tick() {
  Scene& scene = *g_scene;
  const uint32_t now = Engine().Clock().NowMs();
  if (now - scene.lastRestart >= 37) {
    scene.lastRestart = now;
    ++scene.restarts;
    if (scene.restarts % 5 == 0) {
      scene.restarted->Stop();
    } else {
      scene.restarted->PlayRange(scene.restarts * 1000 % 100000, -1);
    }
  }
  if (now - scene.start >= 2000) Engine().RequestQuit();
}

TEST(RealSoundDeviceTest, StreamsWithoutFallingBehindWhileTheLoopRestartsAnotherSound) {
  test::ScopedEnv driver("SDL_AUDIODRIVER", "dummy");
  Platform platform = Platform::Headless();
  platform.clock = std::make_unique<platform::RealClock>();
  platform.openSound = [](const RunOptions&) { return platform::OpenSdlSoundDevice(); };
  test::HeadlessEngine engine({}, std::move(platform));
  Interface& e = engine.Start();
  if (!e.Sound()) GTEST_SKIP() << "SDL cannot open its dummy audio driver";
  engine.Folder().Write(
      "data/long.wav", test::AsString(assetkit::ImaAdpcmWav(test::TestSound(1, 22050, 4 * 22050))));
  engine.Folder().Write("data/short.wav",
                        test::AsString(assetkit::ImaAdpcmWav(test::TestSound(2, 44100, 44100))));
  SoundObject steady, brief;
  auto restarted = std::make_unique<SoundObject>();
  ASSERT_TRUE(steady.Load("long"));
  ASSERT_TRUE(brief.Load("short"));
  ASSERT_TRUE(restarted->Load("short"));

  Scene scene{&steady, restarted.get(), e.Clock().NowMs(), e.Clock().NowMs(), 0};
  g_scene = &scene;
  e.SetGameCallbacks(nullptr, nullptr, Tick, nullptr);
  steady.Play();
  brief.PlayRange(0, 44100 * 4 / 2);
  e.Run();
  g_scene = nullptr;

  EXPECT_GT(scene.restarts, 20);
  EXPECT_FALSE(brief.IsPlaying()) << "half a second of sound has played out";
  EXPECT_TRUE(steady.IsPlaying()) << "four seconds of sound still play after two";
  EXPECT_EQ(steady.LateRefills(), 0u);
  restarted->PlayRange(0, -1);
  restarted.reset();
  steady.Stop();
}

}  // namespace
}  // namespace rufo
