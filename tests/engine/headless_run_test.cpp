#include <gtest/gtest.h>

#include <chrono>
#include <thread>
#include <tuple>
#include <vector>

#include "tests/support/pictures.h"
#include "tests/support/process.h"
#include "tests/support/temp_folder.h"
#include "tests/support/test_cursors.h"

namespace rufo {
namespace {

class HeadlessRunTest : public ::testing::Test {
 protected:
  void SetUp() override { UseDataRoot(folder_.Root() + "data/"); }

  void UseDataRoot(const std::string& root) const {
    folder_.Write("config/rufo.ini", "[Rufo I]\nCD=" + root + "\nHD=" + folder_.Root() + "rt/\n");
    std::filesystem::create_directories(folder_.Path() / "rt");
    test::WriteTestCursors(folder_, "data/");
  }

  std::map<std::string, std::string> Env(const std::string& runMs) const {
    std::map<std::string, std::string> env{{"RUFO_HEADLESS", "1"},
                                           {"RUFO_CONFIG_DIR", folder_.Root() + "config"},
                                           {"XDG_RUNTIME_DIR", folder_.Root()}};
    if (!runMs.empty()) env["RUFO_RUN_MS"] = runMs;
    return env;
  }

  test::TempFolder folder_;
};

TEST_F(HeadlessRunTest, RunsTheGivenGameTimeFastAndLogsItsStart) {
  test::Process rufo(test::BuiltProgram("rufo"), {}, Env("3000"));
  const auto start = std::chrono::steady_clock::now();
  ASSERT_TRUE(rufo.Start());
  EXPECT_EQ(rufo.Wait(), 0) << rufo.StandardError();
  const auto wall = std::chrono::steady_clock::now() - start;
  // Three seconds of virtual time; a generous bound that only catches real-time waiting.
  EXPECT_LT(wall, std::chrono::milliseconds(2500));
  const std::string log = folder_.Read("rt/Debug.log");
  EXPECT_EQ(log.rfind("CD=" + folder_.Root() + "data/\nHD=" + folder_.Root() + "rt/\n", 0), 0u)
      << log;
  EXPECT_NE(log.find("Interface::Init () OK\n"), std::string::npos);
}

TEST_F(HeadlessRunTest, SecondCopyExitsAtOnceAndLeavesTheFirstRunning) {
  // The first copy must go on playing past the title, so it needs the whole demo data set.
  const std::string demoData = std::string(RUFO_BINARY_DIR) + "/data/";
  if (!std::filesystem::exists(demoData + ".demogen")) GTEST_SKIP() << "no generated demo data";
  UseDataRoot(demoData);
  test::Process first(test::BuiltProgram("rufo"), {}, Env(""));
  ASSERT_TRUE(first.Start());
  // The first copy holds the lock before it opens its log; wait (bounded) for the log.
  for (int i = 0; i < 500 && folder_.Read("rt/Debug.log").find("OK") == std::string::npos; ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  ASSERT_NE(folder_.Read("rt/Debug.log").find("Interface::Init () OK"), std::string::npos);

  test::Process second(test::BuiltProgram("rufo"), {}, Env(""));
  ASSERT_TRUE(second.Start());
  EXPECT_EQ(second.Wait(), 0);
  EXPECT_EQ(second.StandardError(), "");
  EXPECT_TRUE(first.Running());
  EXPECT_NE(folder_.Read("rt/Debug.log").find("Interface::Init () OK"), std::string::npos)
      << "the second copy must not replace the first one's log";
  first.Kill();
}

// The program driven from outside: a script of input and frames captured at given game times.
TEST_F(HeadlessRunTest, ScriptedMouseMovesTheCursorInCapturedFrames) {
  folder_.Write("input.txt",
                "# the mouse comes in, then moves\n"
                "100 move 50 60\n"
                "300 move 200 100\n"
                "300 key Escape down\n");
  const std::string early = folder_.Root() + "early.png";
  const std::string late = folder_.Root() + "late.png";
  auto env = Env("600");
  env["RUFO_INPUT"] = folder_.Root() + "input.txt";
  env["RUFO_CAPTURE"] = "200:" + early + ",500:" + late;
  test::Process rufo(test::BuiltProgram("rufo"), {}, env);
  ASSERT_TRUE(rufo.Start());
  ASSERT_EQ(rufo.Wait(), 0) << rufo.StandardError();

  // The test cursor is a white arrow with a black outline, its tip on the mouse: inside the
  // arrow at the first position, then at the second.
  for (const auto& [path, firstSpot, secondSpot] :
       {std::tuple(early, 0xFFFFFFu, 0x000000u), std::tuple(late, 0x000000u, 0xFFFFFFu)}) {
    const std::vector<uint32_t> frame = test::ReadPicture(path);
    ASSERT_EQ(frame.size(), 640u * 480u) << path;
    EXPECT_EQ(frame[62 * 640 + 51], firstSpot) << path;
    EXPECT_EQ(frame[102 * 640 + 201], secondSpot) << path;
  }
}

TEST_F(HeadlessRunTest, BadScriptLineStopsTheProgramAndNamesTheLine) {
  folder_.Write("input.txt", "10 move 1 2\n20 key NoSuchKey down\n");
  auto env = Env("");
  env["RUFO_INPUT"] = folder_.Root() + "input.txt";
  test::Process rufo(test::BuiltProgram("rufo"), {}, env);
  ASSERT_TRUE(rufo.Start());
  EXPECT_NE(rufo.Wait(), 0);
  EXPECT_NE(rufo.StandardError().find("line 2"), std::string::npos) << rufo.StandardError();
}

}  // namespace
}  // namespace rufo
