#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "sound/sound_object.h"
#include "tests/sound/test_sound.h"
#include "tests/support/headless_engine.h"

namespace rufo {
namespace {

// The one test on the real audio path: SDL's dummy driver pulls the mix from its own thread in
// real time, so the refill threads, the audio callback and the main loop truly run at once
// (and ThreadSanitizer sees them do it). It runs until the loop has restarted a sound often and
// a half-second sound has played out: about two seconds on a quiet machine, longer on a busy
// one, where every thread, the driver's too, gets the processor less often.
constexpr int kRestarts = 50;
constexpr uint32_t kRestartEveryMs = 37;
constexpr uint32_t kLimitMs = 20000;
// Between two ticks the loop normally sleeps 10 ms. A pause this long means the process was
// kept off the processor for a good part of a refill chunk (3/16 s), so a late refill says
// nothing about the sound code.
constexpr uint32_t kStarvedMs = 100;

struct Scene {
  SoundObject* brief = nullptr;
  SoundObject* restarted = nullptr;
  uint32_t start = 0;
  uint32_t lastTick = 0;
  uint32_t lastRestart = 0;
  uint32_t longestPause = 0;
  int restarts = 0;
};
Scene* g_scene = nullptr;

void Tick() {
  Scene& scene = *g_scene;
  const uint32_t now = Engine().Clock().NowMs();
  scene.longestPause = std::max(scene.longestPause, now - scene.lastTick);
  scene.lastTick = now;
  if (now - scene.lastRestart >= kRestartEveryMs) {
    scene.lastRestart = now;
    ++scene.restarts;
    if (scene.restarts % 5 == 0) {
      scene.restarted->Stop();
    } else {
      scene.restarted->PlayRange(scene.restarts * 1000 % 100000, -1);
    }
  }
  const bool done = scene.restarts >= kRestarts && !scene.brief->IsPlaying();
  if (done || now - scene.start >= kLimitMs) Engine().RequestQuit();
}

TEST(RealSoundDeviceTest, StreamsWithoutFallingBehindWhileTheLoopRestartsAnotherSound) {
  test::ScopedEnv driver("SDL_AUDIODRIVER", "dummy");
  Platform platform = Platform::Headless();
  platform.clock = std::make_unique<platform::RealClock>();
  platform.openSound = [](const RunOptions&) { return platform::OpenSdlSoundDevice(); };
  test::HeadlessEngine engine({}, std::move(platform));
  Interface& e = engine.Start();
  if (!e.Sound()) GTEST_SKIP() << "SDL cannot open its dummy audio driver";
  // Longer than the mix can get in the time limit: the driver never runs ahead of real time.
  const int steadySeconds = kLimitMs / 1000 + 5;
  engine.Folder().Write(
      "data/long.wav",
      test::AsString(assetkit::ImaAdpcmWav(test::TestSound(1, 22050, steadySeconds * 22050))));
  engine.Folder().Write("data/short.wav",
                        test::AsString(assetkit::ImaAdpcmWav(test::TestSound(2, 44100, 44100))));
  SoundObject steady, brief;
  auto restarted = std::make_unique<SoundObject>();
  ASSERT_TRUE(steady.Load("long"));
  ASSERT_TRUE(brief.Load("short"));
  ASSERT_TRUE(restarted->Load("short"));

  const uint32_t start = e.Clock().NowMs();
  Scene scene{&brief, restarted.get(), start, start, start, 0, 0};
  g_scene = &scene;
  e.SetGameCallbacks(nullptr, nullptr, Tick, nullptr);
  steady.Play();
  brief.PlayRange(0, 44100 * 4 / 2);
  e.Run();
  g_scene = nullptr;

  EXPECT_LT(e.Clock().NowMs() - start, kLimitMs) << "the mix stalled";
  EXPECT_GE(scene.restarts, kRestarts);
  EXPECT_FALSE(brief.IsPlaying()) << "half a second of sound has played out";
  EXPECT_TRUE(steady.IsPlaying()) << "the long sound streams on";
  if (scene.longestPause < kStarvedMs) {
    EXPECT_EQ(steady.LateRefills(), 0u);
  } else {
    std::printf(
        "The machine is too busy to judge refill timing: the loop paused %u ms, %u late "
        "refills.\n",
        scene.longestPause, steady.LateRefills());
  }
  restarted->PlayRange(0, -1);
  restarted.reset();
  steady.Stop();
}

}  // namespace
}  // namespace rufo
