// A spoken animation run headless through the engine's main loop: its frames appear in the
// captured frames at the script's times and its sound in the mix.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "controls/screen_script.h"
#include "controls/scripted_animation_control.h"
#include "engine/interface.h"
#include "tests/controls/control_assets.h"
#include "tests/support/headless_engine.h"
#include "tests/support/pictures.h"
#include "tools/assetkit/frame_capture.h"

namespace rufo {
namespace {

ScreenScript* g_script = nullptr;
uint32_t g_speechStart = 0;

// The game's screen loader: builds the screen and lets "MLUVI" speak.
void LoadScreen() {
  g_script->Load("Data\\Test\\screen.dat");
  const int entry = g_script->FindEntry("MLUVI");
  auto* speaker = dynamic_cast<ScriptedAnimationControl*>(g_script->Entry(entry).control);
  g_speechStart = Engine().Clock().NowMs();
  speaker->Speak({}, false);
}

// 16-bit stereo samples of a WAV file with a 44-byte header.
std::vector<int16_t> MixSamples(const std::string& file) {
  std::vector<int16_t> samples((file.size() - 44) / 2);
  std::memcpy(samples.data(), file.data() + 44, samples.size() * 2);
  return samples;
}

bool SoundBetween(const std::vector<int16_t>& mix, uint32_t fromMs, uint32_t toMs) {
  for (size_t i = 2 * (fromMs * 441 / 10); i < 2 * (toMs * 441 / 10) && i < mix.size(); ++i) {
    if (mix[i] != 0) return true;
  }
  return false;
}

TEST(SpeechRunTest, FramesFollowTheScriptAndTheSoundReachesTheMix) {
  test::TempFolder out;
  RunOptions options;
  options.runMs = 1600;
  options.audioOut = out.Root() + "mix.wav";
  const uint32_t times[] = {200, 600, 1000, 1500};
  for (uint32_t ms : times)
    options.captures.push_back({ms, out.Root() + std::to_string(ms) + ".png"});
  test::HeadlessEngine headless(options);
  Interface& engine = headless.Start();

  const test::TempFolder& folder = headless.Folder();
  folder.Write("data/Data/Test/screen.dat",
               "PATH_ANI=Anim\\\r\nEMPTY\r\nANI=100,120,MLUVI,flags=END_PLAY_NH\r\n");
  test::WriteAnimation(folder, "data/Anim/mluvi.ani", test::PlainFrames(3));
  test::WriteSpeech(folder, "data/Anim/mluvi", {{0, 0.4}, {1, 0.4}, {2, 0.4}}, 1000);

  ScreenScript script;
  g_script = &script;
  assetkit::FrameCapture capture(options.captures);
  engine.SetFrameSink(
      [&capture](uint32_t gameMs, const platform::Surface& frame) { capture.Take(gameMs, frame); });
  engine.SetGameCallbacks(LoadScreen, nullptr, nullptr, nullptr);
  const uint32_t loopStart = engine.Clock().NowMs();
  engine.ChangeScreen(1, 0, false);
  engine.Run();
  engine.Shutdown();
  g_script = nullptr;
  const uint32_t start = g_speechStart - loopStart;
  ASSERT_LT(start, 150u) << "the screen loads on the eleventh tick";

  for (int i = 0; i < 4; ++i) {
    // Each frame of the script stays 400 ms; the last one stays after the end.
    const int expected = std::min<int>((times[i] - start) / 400, 2);
    const std::vector<uint32_t> frame =
        test::ReadPicture(out.Root() + std::to_string(times[i]) + ".png");
    ASSERT_EQ(frame.size(), 640u * 480u) << times[i];
    const uint32_t c = test::FrameColor(expected);
    const uint32_t rgb = ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
    EXPECT_EQ(frame[121 * 640 + 101], rgb) << "at " << times[i] << " ms";
  }

  const std::vector<int16_t> mix = MixSamples(out.Read("mix.wav"));
  EXPECT_FALSE(SoundBetween(mix, 0, start)) << "silence before the speech";
  EXPECT_TRUE(SoundBetween(mix, start + 10, start + 100));
  EXPECT_TRUE(SoundBetween(mix, start + 900, start + 990));
  EXPECT_FALSE(SoundBetween(mix, start + 1300, 1600)) << "the sound ends with the speech";
}

}  // namespace
}  // namespace rufo
