#include "tools/rufo_play/shots.h"
#include "tools/rufo_play/trace_event.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/pictures.h"
#include "tests/support/process.h"
#include "tests/support/temp_folder.h"

namespace rufo::play {
namespace {

using Moments = std::vector<std::pair<int, uint32_t>>;  // screen, time of its shot

Moments PlannedMoments(const std::vector<std::string>& trace,
                       const std::vector<std::string>& input) {
  Moments moments;
  for (const Shot& shot : PlanShots(trace, input))
    moments.emplace_back(shot.screen, shot.atMs);
  return moments;
}

// When each screen is shot: after a game's or lesson's first question (0x202), before the first
// press on a scene (0x201), at the hub's first visit without RUFO's introduction (0x101 from
// Garden1, not from the Start screen); once a screen, by id. Screens left before anything
// happened there (0x801) are left out.
TEST(ShotsTest, EachScreenIsShotOnceWhenItIsFullyDrawn) {
  const std::vector<std::string> trace = {
      "100 screen 0x0 0xffffffff",
      "900 screen 0x1 0x0",
      "3000 screen 0x101 0x1",
      "3100 speak SKOK",
      "4000 screen 0x201 0x101",
      "5000 screen 0x202 0x201",
      "5100 speak MLUVI Sounds\\Garden1\\NUM\\sp_intro",
      "9000 question 0x202 hit 3",
      "9400 question 0x202 hit 4",
      "12000 screen 0x201 0x202",
      "14000 screen 0x101 0x201",
      "16000 screen 0x801 0x101",
  };
  const std::vector<std::string> input = {
      "3500 move 620 300", "3600 ldown", "3650 lup",    "4500 ldown",  "4550 lup",
      "9200 ldown",        "9250 lup",   "13000 ldown", "15000 ldown", "15050 lup",
  };
  EXPECT_EQ(PlannedMoments(trace, input), (Moments{{0x101, 14995}, {0x201, 4495}, {0x202, 9150}}));
  // The hub met only on arrival from the Start screen is shot then; 0x201 left at once is not.
  EXPECT_EQ(PlannedMoments(
                {"3000 screen 0x101 0x1", "4000 screen 0x201 0x101", "4200 screen 0x301 0x201"},
                {"3600 ldown", "4500 ldown"}),
            (Moments{{0x101, 3595}, {0x301, 4495}}));
}

// On the demo data: a frame of each of the 27 scenes, games, hub and lessons, and the sheet.
TEST(ShotsTest, TheDemoDataGivesAFrameOfEveryScreenAndASheet) {
  const std::filesystem::path data = std::filesystem::path(RUFO_BINARY_DIR) / "data";
  if (!std::filesystem::exists(data / ".demogen")) GTEST_SKIP() << "no generated data";
  rufo::test::TempFolder out;
  int exitCode = -1;
  const std::string output =
      rufo::test::RunCommand(rufo::test::BuiltProgram("rufo-data") + " shots '" + data.string() +
                                 "' '" + out.Root() + "shots'",
                             &exitCode);
  ASSERT_EQ(exitCode, 0) << output;
  std::set<std::string> frames;
  for (const auto& entry : std::filesystem::directory_iterator(out.Path() / "shots")) {
    const std::string name = entry.path().filename().string();
    if (name == "sheet.png") continue;
    frames.insert(name);
    int width = 0;
    const std::vector<uint32_t> pixels = rufo::test::ReadPicture(entry.path().string(), &width);
    EXPECT_EQ(width, 640) << name;
    EXPECT_EQ(pixels.size(), 640u * 480u) << name;
  }
  std::set<std::string> expected = {"0x101.png"};
  for (int lesson = 0x102; lesson <= 0x107; ++lesson)
    expected.insert(ScreenText(lesson) + ".png");
  for (int garden = 2; garden <= 7; ++garden) {
    const int games = garden == 3 || garden == 6 ? 3 : 2;  // Garden2 and Garden5 have three
    for (int screen = 1; screen <= games + 1; ++screen)
      expected.insert(ScreenText(garden * 0x100 + screen) + ".png");
  }
  EXPECT_EQ(frames, expected);
  EXPECT_TRUE(std::filesystem::exists(out.Path() / "shots" / "sheet.png"));
}

}  // namespace
}  // namespace rufo::play
