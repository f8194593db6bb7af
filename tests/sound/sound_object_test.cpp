#include "sound/sound_object.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#include "engine/messages.h"
#include "tests/sound/test_sound.h"
#include "tests/support/headless_engine.h"

namespace rufo {
namespace {

constexpr uint32_t kRate = 44100;
// 3/16 s of the primary format, in frames.
constexpr uint32_t kChunkFrames = 33072 / 4;

// The messages 258 the game's hook received: (user data, virtual time).
std::vector<std::pair<intptr_t, uint32_t>>* g_ends = nullptr;

void Hook(int32_t message, intptr_t param, bool*) {
  if (message != kMsgWaitableSignalled) return;
  const auto* record = reinterpret_cast<const Waitable*>(param);
  g_ends->emplace_back(record->userData, Engine().Clock().NowMs());
}

RunOptions MixOptions(const test::TempFolder& folder) {
  RunOptions options;
  options.audioOut = folder.Root() + "mix.wav";
  return options;
}

uint64_t FrameAt(uint32_t ms) {
  return uint64_t(ms) * kRate / 1000;
}

Platform WithSoundThreads(bool threads) {
  Platform platform = Platform::Headless();
  platform.soundThreads = threads;
  return platform;
}

// Run with the sound objects' own streaming threads, and without them, refilled by the input
// pump as in the browser: both must play the same.
class SoundObjectTest : public ::testing::TestWithParam<bool> {
 protected:
  void SetUp() override {
    g_ends = &ends_;
    engine_.Start();
    Engine().SetGameCallbacks(nullptr, nullptr, nullptr, Hook);
  }
  void TearDown() override { g_ends = nullptr; }

  // Writes an IMA ADPCM file and returns the reader's decoding of it.
  std::vector<int16_t> WriteSound(const std::string& name, const assetkit::PcmSound& sound) {
    engine_.Folder().Write("data/" + name, test::AsString(assetkit::ImaAdpcmWav(sound)));
    WaveReader reader;
    EXPECT_TRUE(reader.Open(name));
    std::vector<int16_t> samples(reader.OutputSize() / 2);
    uint32_t count = reader.OutputSize();
    EXPECT_TRUE(reader.Read(reinterpret_cast<uint8_t*>(samples.data()), &count));
    return samples;
  }
  // Lets virtual time pass as the main loop does: sleep 10 ms, then pump the waitables.
  void Pass(uint32_t ms) {
    for (uint32_t t = 0; t < ms; t += 10) {
      engine_.Clock().Advance(10);
      Engine().PumpWaitables();
    }
  }
  uint32_t Now() { return engine_.Clock().NowMs(); }
  // The mix written to RUFO_AUDIO_OUT, as interleaved stereo samples; ends the engine.
  std::vector<int16_t> FinishMix() {
    Engine().Shutdown();
    const std::string file = out_.Read("mix.wav");
    EXPECT_EQ(file.substr(0, 4), "RIFF");
    EXPECT_EQ(file.substr(36, 4), "data");
    std::vector<int16_t> samples((file.size() - 44) / 2);
    std::memcpy(samples.data(), file.data() + 44, samples.size() * 2);
    return samples;
  }
  static bool Silent(const std::vector<int16_t>& mix, uint64_t fromFrame, uint64_t toFrame) {
    return std::all_of(mix.begin() + 2 * fromFrame, mix.begin() + 2 * toFrame,
                       [](int16_t s) { return s == 0; });
  }
  static bool SameAt(const std::vector<int16_t>& mix, uint64_t frame,
                     const std::vector<int16_t>& sound, size_t samples) {
    return std::equal(sound.begin(), sound.begin() + samples, mix.begin() + 2 * frame);
  }

  std::vector<std::pair<intptr_t, uint32_t>> ends_;
  test::TempFolder out_;
  test::HeadlessEngine engine_{MixOptions(out_), WithSoundThreads(GetParam())};
};

TEST_P(SoundObjectTest, StopsAtOnceRestartsFromTheStartAndStreamsToTheEnd) {
  const std::vector<int16_t> decoded =
      WriteSound("Sounds/Talk.wav", test::TestSound(2, kRate, 10 * kRate));
  SoundObject sound;
  ASSERT_TRUE(sound.Load("Sounds\\talk"));
  Pass(50);
  const uint32_t firstStart = Now();
  sound.Play();
  EXPECT_TRUE(sound.IsPlaying());
  Pass(3500);
  EXPECT_TRUE(ends_.empty());
  sound.Stop();
  const uint32_t stopped = Now();
  Engine().PumpWaitables();
  ASSERT_EQ(ends_.size(), 1u);
  EXPECT_EQ(ends_[0], std::make_pair(sound.UserData(), stopped));
  Pass(200);

  const uint32_t secondStart = Now();
  sound.Play();
  Pass(1000);
  // Restarting a playing sound is not an end; from here the sound plays to its end.
  const uint32_t start = Now();
  sound.Play();
  while (ends_.size() < 2 && Now() < start + 12000)
    Pass(10);
  ASSERT_EQ(ends_.size(), 2u);
  EXPECT_EQ(ends_[1].first, sound.UserData());
  EXPECT_FALSE(sound.IsPlaying());
  Pass(300);
  EXPECT_EQ(ends_.size(), 2u);

  const std::vector<int16_t> mix = FinishMix();
  const uint64_t first = FrameAt(start);
  const uint64_t last = first + decoded.size() / 2;
  ASSERT_GE(mix.size(), 2 * last);
  EXPECT_TRUE(Silent(mix, 0, FrameAt(firstStart)));
  EXPECT_TRUE(
      SameAt(mix, FrameAt(firstStart), decoded, 2 * (FrameAt(stopped) - FrameAt(firstStart))));
  EXPECT_TRUE(Silent(mix, FrameAt(stopped), FrameAt(secondStart)));
  EXPECT_TRUE(SameAt(mix, FrameAt(secondStart), decoded, 2 * (first - FrameAt(secondStart))));
  EXPECT_TRUE(SameAt(mix, first, decoded, decoded.size()));
  EXPECT_TRUE(Silent(mix, last, mix.size() / 2));
  const uint64_t endFrame = FrameAt(ends_[1].second);
  EXPECT_GE(endFrame, last) << "message 258 comes after the sound";
  // The buffer stops at the first notification after the sound; the device mixes in 10 ms steps.
  EXPECT_LT(endFrame - last, kChunkFrames + FrameAt(10));
}

// The browser rests its sound device while nothing plays and wakes it when a sound starts,
// which takes a few steps of the program's loop in which the device mixes nothing. The device
// tells whether anything plays, and a sound started while it rests plays whole from its start.
TEST_P(SoundObjectTest, SoundStartedWhileTheDeviceRestsPlaysWholeFromItsStart) {
  const std::vector<int16_t> decoded = WriteSound("s.wav", test::TestSound(2, kRate, 2 * kRate));
  const platform::SoundDevice& device = *Engine().Sound();
  SoundObject sound;
  ASSERT_TRUE(sound.Load("s"));
  sound.Play();
  Pass(700);
  sound.Stop();
  Engine().PumpWaitables();
  EXPECT_FALSE(device.Playing());
  Pass(1500);

  sound.Play();
  EXPECT_TRUE(device.Playing());
  for (int step = 0; step < 20; ++step)
    Engine().PumpWaitables();
  const uint32_t start = Now();
  while (device.Playing() && Now() < start + 5000)
    Pass(10);
  EXPECT_FALSE(sound.IsPlaying());
  ASSERT_EQ(ends_.size(), 2u);

  const std::vector<int16_t> mix = FinishMix();
  const uint64_t first = FrameAt(start);
  ASSERT_GE(mix.size(), 2 * first + decoded.size());
  EXPECT_TRUE(Silent(mix, FrameAt(start - 1500), first));
  EXPECT_TRUE(SameAt(mix, first, decoded, decoded.size()));
}

TEST_P(SoundObjectTest, ShortMonoSoundIsResampledToBothChannels) {
  WriteSound("beep.wav", test::TestSound(1, 22050, 22050));
  SoundObject sound;
  ASSERT_TRUE(sound.Load("beep"));
  const uint32_t start = Now();
  sound.Play();
  Pass(1500);
  ASSERT_EQ(ends_.size(), 1u);
  const std::vector<int16_t> mix = FinishMix();
  const uint64_t first = FrameAt(start);
  uint64_t lastSound = first;
  for (uint64_t frame = first; frame < mix.size() / 2; ++frame) {
    ASSERT_EQ(mix[2 * frame], mix[2 * frame + 1]) << "frame " << frame;
    if (mix[2 * frame] != 0) lastSound = frame;
  }
  EXPECT_NE(mix[2 * first], 0);
  EXPECT_NEAR(double(lastSound - first), double(kRate), 64.0) << "one second of sound";
}

TEST_P(SoundObjectTest, PlayRangePlaysThePartAndTwoSoundsMixWithSaturation) {
  const assetkit::PcmSound loud{2, kRate, std::vector<int16_t>(2 * kRate, 30000)};
  engine_.Folder().Write("data/loud.wav", test::AsString(assetkit::PcmWav(loud)));
  const std::vector<int16_t> decoded = WriteSound("s.wav", test::TestSound(2, kRate, kRate));
  SoundObject a, b;
  ASSERT_TRUE(a.Load("loud"));
  ASSERT_TRUE(b.Load("s"));
  const uint32_t start = Now();
  a.Play();
  // Bytes 4000 to 8000: samples 2000 to 4000.
  b.PlayRange(4000, 8000);
  Pass(600);
  ASSERT_EQ(ends_.size(), 1u);
  EXPECT_EQ(ends_[0].first, b.UserData());

  const std::vector<int16_t> mix = FinishMix();
  const uint64_t first = FrameAt(start);
  ASSERT_GT(*std::max_element(decoded.begin() + 2000, decoded.begin() + 4000), 2767);
  for (size_t i = 0; i < 2000; ++i) {
    ASSERT_EQ(mix[2 * first + i], std::min(32767, 30000 + decoded[2000 + i])) << "sample " << i;
  }
  EXPECT_EQ(mix[2 * first + 2000], 30000);
}

// A destroyed, reloaded or missing sound sends no end message; a missing one plays nothing.
TEST_P(SoundObjectTest, DestroyedReloadedOrMissingSoundsSendNoEnd) {
  WriteSound("s.wav", test::TestSound(2, kRate, 4 * kRate));
  auto destroyed = std::make_unique<SoundObject>();
  ASSERT_TRUE(destroyed->Load("s"));
  destroyed->Play();
  Pass(700);
  destroyed->Stop();
  destroyed.reset();
  Pass(100);
  EXPECT_TRUE(ends_.empty()) << "the end event left the table with its object";

  SoundObject sound;
  ASSERT_TRUE(sound.Load("s"));
  sound.Play();
  Pass(200);
  ASSERT_TRUE(sound.Load("s")) << "loading again unloads a playing sound silently";
  Pass(200);
  EXPECT_TRUE(ends_.empty());

  const uint32_t start = Now();
  EXPECT_FALSE(sound.Load("Sounds\\none"));
  const std::string log = engine_.LogText();
  const size_t soundLine = log.find("Cannot open sound \"Sounds\\none\"\n");
  EXPECT_NE(soundLine, std::string::npos);
  EXPECT_LT(log.find("Cannot load file \""), soundLine) << "the file's line comes first";
  EXPECT_EQ(log.find("Cannot load file"), log.rfind("Cannot load file")) << "logged once";
  sound.Play();
  sound.Stop();
  EXPECT_FALSE(sound.IsPlaying());
  Pass(100);
  EXPECT_TRUE(ends_.empty());
  EXPECT_TRUE(Silent(FinishMix(), FrameAt(start), FrameAt(start + 100)));
}

INSTANTIATE_TEST_SUITE_P(Streaming, SoundObjectTest, ::testing::Values(true, false),
                         [](const auto& info) { return info.param ? "Thread" : "Loop"; });

// Before any engine, without a device, and after its engine has gone, a sound neither loads nor
// plays; one that outlives its engine is dropped without reaching back into it.
TEST(SoundWithoutDeviceTest, LoadsAndPlaysNothingAndNeverReachesAGoneEngine) {
  SoundObject sound;
  EXPECT_FALSE(sound.Load("s"));
  sound.Play();
  EXPECT_FALSE(sound.IsPlaying());

  Platform platform = Platform::Headless();
  platform.openSound = [](const RunOptions&) { return nullptr; };
  auto engine = std::make_unique<test::HeadlessEngine>(RunOptions{}, std::move(platform));
  EXPECT_EQ(engine->Start().Sound(), nullptr);
  EXPECT_NE(engine->LogText().find("Chyba při inicializaci Direct sound\n"), std::string::npos);
  engine->Folder().Write("data/s.wav",
                         test::AsString(assetkit::ImaAdpcmWav(test::TestSound(1, 22050, 100))));
  EXPECT_FALSE(sound.Load("s"));
  sound.Play();
  EXPECT_FALSE(sound.IsPlaying());

  auto outlives = std::make_unique<SoundObject>();
  engine.reset();
  EXPECT_FALSE(outlives->Load("s"));
  outlives.reset();
}

}  // namespace
}  // namespace rufo
