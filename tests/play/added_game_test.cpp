// A game added as any new game is, by its own class and one row of the table (the program
// rufo-added-game), on a data tree that holds its script and the control that opens it: the
// scripted player, told nothing of it, learns it from the game and plays it to its sticker and
// to its lesson.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

#include "tests/play/play_fixtures.h"
#include "tests/support/demo_run.h"
#include "tests/support/process.h"
#include "tests/support/temp_folder.h"

namespace rufo::play {
namespace {

namespace fs = std::filesystem;

class AddedGameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!rufo::test::HaveDemoData()) GTEST_SKIP() << "no demo data";
    test::LinkDemoTree(tree_);
    // The new game's screen is the frogs' pond; the control that opens it is a second flower
    // bed up in the garden's top right, region 2 of its hit map.
    const auto read = [&](const std::string& file) { return rufo::test::ReadFile(tree_ / file); };
    test::Replace(tree_ / "Data/Garden1/FROG/screen.dat", read("Data/Garden1/NUM/screen.dat"));
    test::Replace(tree_ / "Data/Garden1/screen.dat",
                  read("Data/Garden1/screen.dat") + "ANI=400,40,FROG,flags=CLK_PLAY\r\n");
    const std::string mask = "Bitmaps/Garden1/bg_mask.png";
    const std::optional<RegionMap> regions = RegionMap::Load((tree_ / mask).string());
    ASSERT_TRUE(regions);
    fs::remove(tree_ / mask);
    test::MaskDrawing(*regions).Fill({450, 40, 570, 110}, 2).Write(folder_, "data/" + mask);
    for (const std::string extension : {".ani", ".dat", ".wav"}) {
      test::Replace(tree_ / ("Bitmaps/Garden1/Ani/FROG" + extension),
                    read("Bitmaps/Garden1/Ani/KVETINY" + extension));
    }
  }

  // Plays Garden1 in the mode; the trace of the run.
  std::string Play(const std::string& mode, std::string* output) {
    const std::string trace = folder_.Root() + mode + ".trace";
    int exit = -1;
    *output = test::RunPlayer(folder_,
                              "--" + mode + " --garden 1 --seed 5 --trace " + trace + " --data " +
                                  tree_.string() + " --game " +
                                  rufo::test::BuiltProgram("rufo-added-game"),
                              &exit);
    EXPECT_EQ(exit, 0) << *output;
    return rufo::test::ReadFile(trace);
  }

  rufo::test::TempFolder folder_;
  const fs::path tree_ = folder_.Path() / "data";
};

TEST_F(AddedGameTest, ThePlayerWinsItsStickerAndLosesItIntoItsLesson) {
  using ::testing::HasSubstr;
  std::string output;
  const std::string won = Play("win-all", &output);
  EXPECT_THAT(output, HasSubstr("0x204 Garden1 FROG"));
  const size_t asked = won.find(" question 0x204 hit ");
  ASSERT_NE(asked, std::string::npos) << output;
  // Won, and on to the album.
  EXPECT_THAT(won.substr(asked),
              ::testing::AllOf(HasSubstr(" answer 0x204 good 5 0"), HasSubstr(" sticker 0\n"),
                               HasSubstr(" screen 0x801 0x204\n")));
  // Lost, on to counting and back.
  EXPECT_THAT(Play("lose-all", &output), ::testing::AllOf(HasSubstr(" answer 0x204 wrong 0 3"),
                                                          HasSubstr(" screen 0x104 0x204\n"),
                                                          HasSubstr(" screen 0x204 0x104\n")));
}

}  // namespace
}  // namespace rufo::play
