#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "game/profile.h"
#include "tests/game/demo_game.h"
#include "tests/support/pictures.h"
#include "tests/support/process.h"
#include "tests/support/temp_folder.h"

namespace rufo {
namespace {

// The first screens played from outside on the demo data: the title, the Start screen's
// speeches (clicks go on until the introduction is skipped), a face picked for slot 0, the cap
// carried onto it, the jump, and the learning garden.
std::string PlayScript() {
  std::string script = "300 lup\n";
  for (int t = 2000; t < 30000; t += 1000) {
    script += std::to_string(t) + " move 600 40\n" + std::to_string(t + 100) + " ldown\n" +
              std::to_string(t + 150) + " lup\n";
  }
  script +=
      "32000 move 116 283\n32100 ldown\n32150 lup\n"   // the free face shows picture 1
      "33000 move 203 297\n33100 ldown\n33150 lup\n"   // the cap is picked up
      "34000 move 116 283\n34100 ldown\n34150 lup\n";  // and dropped on the face
  return script;
}

// The loudest sample of the mix between two times (44100 Hz, 16-bit stereo).
int Loudest(const std::string& wav, double from, double to) {
  const size_t data = wav.find("data");
  if (data == std::string::npos) return -1;
  const size_t begin = data + 8 + size_t(from * 44100) * 4;
  const size_t end = std::min(wav.size(), data + 8 + size_t(to * 44100) * 4);
  int loudest = 0;
  for (size_t at = begin; at + 1 < end; at += 2) {
    int16_t sample;
    std::memcpy(&sample, wav.data() + at, 2);
    loudest = std::max(loudest, std::abs(int(sample)));
  }
  return loudest;
}

TEST(FirstScreensTest, TitleStartFaceCapJumpAndTheLearningGarden) {
  if (!fs::exists(kDemoData / ".demogen")) GTEST_SKIP() << "no generated data";
  test::TempFolder folder;
  fs::create_directories(folder.Path() / "rt");
  folder.Write("config/rufo.ini",
               "[Rufo I]\nCD=" + kDemoData.string() + "/\nHD=" + folder.Root() + "rt/\n");
  folder.Write("input.txt", PlayScript());
  const std::string before = folder.Root() + "before.png";
  const std::string start = folder.Root() + "start.png";
  const std::string garden = folder.Root() + "garden.png";
  test::Process rufo(
      test::BuiltProgram("rufo"), {},
      {{"RUFO_HEADLESS", "1"},
       {"RUFO_CONFIG_DIR", folder.Root() + "config"},
       {"XDG_RUNTIME_DIR", folder.Root()},
       {"RUFO_RUN_MS", "50000"},
       {"RUFO_SEED", "7"},
       {"RUFO_INPUT", folder.Root() + "input.txt"},
       {"RUFO_AUDIO_OUT", folder.Root() + "mix.wav"},
       {"RUFO_CAPTURE", "31500:" + before + ",33500:" + start + ",49000:" + garden}});
  ASSERT_TRUE(rufo.Start());
  ASSERT_EQ(rufo.Wait(), 0) << rufo.StandardError();

  const std::string user = folder.Read("rt/rufo_usr.dat");
  ASSERT_EQ(user.size(), kProfileCount * ProfileRecord::kSize) << "written when the jump ended";
  ProfileRecord slot0;
  slot0.Load(reinterpret_cast<const uint8_t*>(user.data()));
  EXPECT_EQ(slot0.inUse, 1);
  EXPECT_EQ(slot0.face, 1);

  // Face 1 of slot 0 is the second 90 x 110 picture of "face1", placed at (71, 228).
  const Frame beforeFace{test::ReadPicture(before)};
  const Frame withCap{test::ReadPicture(start)};
  EXPECT_LT(beforeFace.Shows("face1.png", 90, 0, 90, 110, 71, 228), 0.5) << "no face yet";
  EXPECT_GT(withCap.Shows("face1.png", 90, 0, 90, 110, 71, 228), 0.9) << "the chosen face";
  EXPECT_GT(withCap.Shows("Bitmaps/Start/bg.png", 0, 0, 640, 200, 0, 0), 0.9)
      << "the Start screen's background above the faces' row";
  // The learning garden has the toolbar retracted at (144, 459): its top rows show.
  const Frame learning{test::ReadPicture(garden)};
  EXPECT_GT(learning.Shows("tbar.png", 0, 0, 352, 21, 144, 459), 0.9);

  const std::string mix = folder.Read("mix.wav");
  EXPECT_GT(Loudest(mix, 1, 5), 1000) << "\"sp_wait\" on the Start screen";
  EXPECT_EQ(Loudest(mix, 10, 30), 0) << "the introduction was cut short by a click";
  EXPECT_GT(Loudest(mix, 34.2, 37), 1000) << "\"sp_go\" after the cap was dropped";
}

}  // namespace
}  // namespace rufo
