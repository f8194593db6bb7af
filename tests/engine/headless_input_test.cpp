#include <gtest/gtest.h>

#include <vector>

#include "tests/support/pictures.h"
#include "tests/support/process.h"
#include "tests/support/temp_folder.h"
#include "tests/support/test_cursors.h"

namespace rufo {
namespace {

// The program driven from outside: a script of input and frames captured at given game times.
TEST(HeadlessInputTest, ScriptedMouseMovesTheCursorInCapturedFrames) {
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

  const std::vector<uint32_t> first = test::ReadPicture(early);
  ASSERT_EQ(first.size(), 640u * 480u);
  // The test cursor is a white arrow with a black outline, its tip on the mouse.
  EXPECT_EQ(first[62 * 640 + 51], 0xFFFFFFu);
  EXPECT_EQ(first[102 * 640 + 201], 0x000000u);
  const std::vector<uint32_t> second = test::ReadPicture(late);
  ASSERT_EQ(second.size(), 640u * 480u);
  EXPECT_EQ(second[62 * 640 + 51], 0x000000u);
  EXPECT_EQ(second[102 * 640 + 201], 0xFFFFFFu);
}

TEST(HeadlessInputTest, BadScriptLineStopsTheProgramAndNamesTheLine) {
  test::TempFolder folder;
  folder.Write("config/rufo.ini", "[Rufo I]\nHD=" + folder.Root() + "\n");
  test::WriteTestCursors(folder, "");
  folder.Write("input.txt", "10 move 1 2\n20 key NoSuchKey down\n");
  test::Process rufo(test::BuiltProgram("rufo"), {},
                     {{"RUFO_HEADLESS", "1"},
                      {"RUFO_CONFIG_DIR", folder.Root() + "config"},
                      {"XDG_RUNTIME_DIR", folder.Root()},
                      {"RUFO_INPUT", folder.Root() + "input.txt"}});
  ASSERT_TRUE(rufo.Start());
  EXPECT_NE(rufo.Wait(), 0);
  EXPECT_NE(rufo.StandardError().find("line 2"), std::string::npos) << rufo.StandardError();
}

}  // namespace
}  // namespace rufo
