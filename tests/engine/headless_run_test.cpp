#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <tuple>
#include <vector>

#include "tests/support/demo_run.h"
#include "tests/support/pictures.h"
#include "tests/support/process.h"
#include "tests/support/temp_folder.h"
#include "tests/support/test_cursors.h"

namespace rufo {
namespace {

// Tests and scripted players run many copies at once: none waits for or stops another, each
// writes its own log and its own user file, and each runs its game time far faster than real time.
TEST(ParallelRunsTest, TwoHeadlessRunsStartedTogetherBothPlayToTheirEnd) {
  if (!test::HaveDemoData()) GTEST_SKIP() << "no generated demo data";
  test::DemoRun first, second;
  test::TempFolder shared;
  std::vector<std::unique_ptr<test::Process>> runs;
  for (const test::DemoRun* run : {&first, &second}) {
    auto env = run->Env(40000);
    env["XDG_RUNTIME_DIR"] = shared.Root();  // one runtime folder, as for one user
    env["RUFO_TRACE"] = run->Path("trace.txt");
    run->Folder().Write("input.txt", "300 lup\n2000 move 600 40\n2100 ldown\n2150 lup\n");
    env["RUFO_INPUT"] = run->Path("input.txt");
    runs.push_back(std::make_unique<test::Process>(test::BuiltProgram("rufo"),
                                                   std::vector<std::string>{}, env));
  }
  const auto start = std::chrono::steady_clock::now();
  for (auto& run : runs)
    ASSERT_TRUE(run->Start());
  for (auto& run : runs)
    EXPECT_EQ(run->Wait(), 0) << run->StandardError();
  // Forty seconds of game time each: the bound catches real-time waiting only, with room for a
  // sanitized build on a busy machine.
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
  for (const test::DemoRun* run : {&first, &second}) {
    const std::string log = run->Read("rt/Debug.log");
    EXPECT_EQ(log.rfind("CD=" + test::DemoData().string() + "/\nHD=" + run->Path("rt/\n"), 0), 0u)
        << log;
    EXPECT_NE(log.find("Interface::Init () OK"), std::string::npos) << log;
    const std::string trace = run->Read("trace.txt");
    EXPECT_NE(trace.find(" speak MLUVI "), std::string::npos) << trace;
  }
  EXPECT_EQ(first.Read("trace.txt"), second.Read("trace.txt"));
}

// The program driven from outside: a script of input and frames captured at given game times.
TEST(HeadlessRunTest, ScriptedMouseMovesTheCursorInCapturedFrames) {
  test::TempFolder folder;
  folder.Write("config/rufo.ini",
               "[Rufo I]\nCD=" + folder.Root() + "data/\nHD=" + folder.Root() + "rt/\n");
  std::filesystem::create_directories(folder.Path() / "rt");
  test::WriteTestCursors(folder, "data/");
  folder.Write("input.txt",
               "# the mouse comes in, then moves\n"
               "100 move 50 60\n"
               "300 move 200 100\n"
               "300 key Escape down\n");
  const std::string early = folder.Root() + "early.png";
  const std::string late = folder.Root() + "late.png";
  test::Process rufo(test::BuiltProgram("rufo"), {},
                     {{"RUFO_HEADLESS", "1"},
                      {"RUFO_CONFIG_DIR", folder.Root() + "config"},
                      {"XDG_RUNTIME_DIR", folder.Root()},
                      {"RUFO_RUN_MS", "600"},
                      {"RUFO_INPUT", folder.Root() + "input.txt"},
                      {"RUFO_CAPTURE", "200:" + early + ",500:" + late}});
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

}  // namespace
}  // namespace rufo
