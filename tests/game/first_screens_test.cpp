#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "game/profile.h"
#include "tests/game/demo_game.h"
#include "tests/support/demo_run.h"
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

// The first screens played once into a folder of its own: trace, captured frames, mix and the
// runtime root.
struct FirstScreensRun {
  static constexpr const char* kCaptures[] = {"before.png", "start.png", "garden.png"};

  FirstScreensRun() {
    run.Folder().Write("input.txt", PlayScript());
    auto env = run.Env(50000);
    env["RUFO_INPUT"] = run.Path("input.txt");
    env["RUFO_TRACE"] = run.Path("trace.txt");
    env["RUFO_AUDIO_OUT"] = run.Path("mix.wav");
    env["RUFO_CAPTURE"] = "31500:" + run.Path(kCaptures[0]) + ",33500:" + run.Path(kCaptures[1]) +
                          ",49000:" + run.Path(kCaptures[2]);
    test::Process rufo(test::BuiltProgram("rufo"), {}, env);
    EXPECT_TRUE(rufo.Start());
    exitCode = rufo.Wait();
    standardError = rufo.StandardError();
  }

  test::DemoRun run;
  int exitCode = -1;
  std::string standardError;
};

// The trace lines of one kind, in order, without their times.
std::vector<std::string> TraceLines(const std::string& trace, const std::string& kind) {
  std::vector<std::string> lines;
  std::istringstream in(trace);
  std::string line;
  while (std::getline(in, line)) {
    const std::string event = line.substr(line.find(' ') + 1);
    if (event == kind || event.starts_with(kind + " ")) lines.push_back(event);
  }
  return lines;
}

// Played twice: nothing in a run depends on the wall clock or on how the threads were scheduled,
// so the same data, seed and input give the same bytes.
TEST(FirstScreensTest, TitleStartFaceCapJumpAndTheLearningGardenTheSameEachTime) {
  if (!test::HaveDemoData()) GTEST_SKIP() << "no generated demo data";
  const FirstScreensRun played, again;
  ASSERT_EQ(played.exitCode, 0) << played.standardError;
  ASSERT_EQ(again.exitCode, 0) << again.standardError;
  std::vector<std::string> outputs = {"trace.txt", "mix.wav"};
  outputs.insert(outputs.end(), std::begin(FirstScreensRun::kCaptures),
                 std::end(FirstScreensRun::kCaptures));
  for (const std::string& output : outputs) {
    const std::string bytes = played.run.Read(output);
    EXPECT_FALSE(bytes.empty()) << output;
    EXPECT_TRUE(bytes == again.run.Read(output)) << output << " differs between the runs";
  }
  const test::DemoRun& folder = played.run;

  // What the game said, and when it wrote the user file: the greeting, the introduction cut short
  // by a click, the praise of the face with its cap, the jump, the save when the jump ended, and
  // in the learning garden RUFO's jump in and its introduction.
  const std::string trace = folder.Read("trace.txt");
  EXPECT_EQ(TraceLines(trace, "screen"),
            (std::vector<std::string>{"screen 0x4 0x0", "screen 0x5 0x4", "screen 0x1 0x5",
                                      "screen 0x101 0x1"}))
      << trace;
  EXPECT_EQ(TraceLines(trace, "speak"),
            (std::vector<std::string>{
                "speak MLUVI Sounds\\Start\\sp_wait", "speak MLUVI Sounds\\Start\\sp_intro",
                "speak MLUVI Sounds\\Start\\sp_go", "speak A_JUMP Bitmaps\\Start\\Ani\\A_JUMP",
                "speak SKOK Bitmaps\\LearnG\\Ani\\SKOK", "speak MLUVI Sounds\\LearnG\\sp_intro"}))
      << trace;
  EXPECT_EQ(TraceLines(trace, "save"), std::vector<std::string>{"save"}) << trace;
  const size_t jump = trace.find(" speak A_JUMP ");
  const size_t save = trace.find(" save\n");
  ASSERT_NE(save, std::string::npos);
  EXPECT_LT(jump, save) << "the file is written when the jump has ended";

  const ProfileRecord slot0 = StoredRecord(folder.Read("rt/rufo_usr.dat"), 0);
  EXPECT_EQ(slot0.inUse, 1);
  EXPECT_EQ(slot0.face, 1);

  // Face 1 of slot 0 is the second 90 x 110 picture of "face1", placed at (71, 228).
  const Frame beforeFace{test::ReadPicture(folder.Path("before.png"))};
  const Frame withCap{test::ReadPicture(folder.Path("start.png"))};
  EXPECT_LT(beforeFace.Shows("face1.png", 90, 0, 90, 110, 71, 228), 0.5) << "no face yet";
  EXPECT_GT(withCap.Shows("face1.png", 90, 0, 90, 110, 71, 228), 0.9) << "the chosen face";
  EXPECT_GT(withCap.Shows("Bitmaps/Start/bg.png", 0, 0, 640, 200, 0, 0), 0.9)
      << "the Start screen's background above the faces' row";
  // The learning garden has the toolbar retracted at (144, 459): its top rows show.
  const Frame learning{test::ReadPicture(folder.Path("garden.png"))};
  EXPECT_GT(learning.Shows("tbar.png", 0, 0, 352, 21, 144, 459), 0.9);

  const std::string mix = folder.Read("mix.wav");
  EXPECT_GT(Loudest(mix, 1, 5), 1000) << "\"sp_wait\" on the Start screen";
  EXPECT_EQ(Loudest(mix, 10, 30), 0) << "the introduction was cut short by a click";
  EXPECT_GT(Loudest(mix, 34.2, 37), 1000) << "\"sp_go\" after the cap was dropped";
}

}  // namespace
}  // namespace rufo
