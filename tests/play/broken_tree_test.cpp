#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "tests/play/play_fixtures.h"
#include "tests/support/demo_run.h"
#include "tests/support/process.h"
#include "tools/rufo_play/region_map.h"

namespace rufo::play {
namespace {

namespace fs = std::filesystem;

struct PlayResult {
  int exitCode = -1;
  std::string output;
};

PlayResult RunPlayer(const std::string& arguments) {
  PlayResult result;
  result.output = rufo::test::RunCommand(rufo::test::BuiltProgram("rufo-play") + " " + arguments,
                                         &result.exitCode);
  return result;
}

// A copy of the demo data tree made of links to its files, so that single files can be
// replaced in it without touching the tree other tests read.
void LinkTree(const fs::path& from, const fs::path& to) {
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(from)) {
    const fs::path copy = to / fs::relative(entry.path(), from);
    if (entry.is_directory()) {
      fs::create_directories(copy);
    } else {
      fs::create_directories(copy.parent_path());
      fs::create_symlink(entry.path(), copy);
    }
  }
}

// Replaces a linked file by a real copy that can be changed.
void Detach(const fs::path& file) {
  const fs::path target = fs::read_symlink(file);
  fs::remove(file);
  fs::copy_file(target, file);
}

TEST(BrokenTreeTest, APlayOnADamagedTreeFailsAndNamesEachDamage) {
  if (!rufo::test::HaveDemoData()) GTEST_SKIP() << "no generated data";
  rufo::test::TempFolder folder;
  const fs::path tree = folder.Path() / "data";
  LinkTree(fs::absolute(rufo::test::DemoData()), tree);

  // One speech gone.
  fs::remove(tree / "Sounds/Start/sp_wait.wav");
  // The face region of slot 0 painted over on the Start screen's hit map.
  const fs::path mask = tree / "Bitmaps/Start/bg_mask.png";
  std::optional<RegionMap> map = RegionMap::Load(mask.string());
  ASSERT_TRUE(map);
  test::MaskDrawing painted;
  for (int y = 0; y < RegionMap::kHeight; ++y) {
    for (int x = 0; x < RegionMap::kWidth; ++x) {
      const uint8_t value = map->At(x, y);
      painted.Fill({x, y, x + 1, y + 1}, value == 20 ? RegionMap::kNone : value);
    }
  }
  fs::remove(mask);
  painted.Write(folder, "data/Bitmaps/Start/bg_mask.png");
  // The cap's entry renamed in the Start screen's script.
  const fs::path script = tree / "Data/Start/screen.dat";
  Detach(script);
  std::string text = rufo::test::ReadFile(script);
  const size_t cap = text.find(",CEPKA");
  ASSERT_NE(cap, std::string::npos);
  text.replace(cap, 6, ",CEPICE");
  std::ofstream(script, std::ios::binary) << text;

  const PlayResult result = RunPlayer("--win-all --seed 7 --data " + tree.string());
  EXPECT_EQ(result.exitCode, 1) << result.output;
  EXPECT_NE(result.output.find("Bitmaps\\Start\\bg_mask.png has no region 20"), std::string::npos)
      << result.output;
  EXPECT_NE(result.output.find("Data\\Start\\screen.dat has no entry CEPKA"), std::string::npos)
      << result.output;
  EXPECT_NE(result.output.find("Cannot load file"), std::string::npos) << result.output;
  EXPECT_NE(result.output.find("sp_wait.wav"), std::string::npos) << result.output;
  EXPECT_NE(result.output.find("result: FAILED"), std::string::npos) << result.output;
  // The folder with the trace and the log is kept for a person to look at.
  const size_t kept = result.output.find("the game's folder is kept: ");
  ASSERT_NE(kept, std::string::npos);
  const std::string kept_folder =
      result.output.substr(kept + 27, result.output.find('\n', kept) - kept - 27);
  EXPECT_TRUE(fs::exists(kept_folder + "/trace.txt"));
  fs::remove_all(kept_folder);
}

TEST(BrokenTreeTest, TheWholeDemoTreePlaysClean) {
  if (!rufo::test::HaveDemoData()) GTEST_SKIP() << "no generated data";
  const PlayResult result =
      RunPlayer("--win-all --seed 11 --data " + fs::absolute(rufo::test::DemoData()).string());
  EXPECT_EQ(result.exitCode, 0) << result.output;
  EXPECT_NE(result.output.find("0x101 learning garden"), std::string::npos) << result.output;
}

}  // namespace
}  // namespace rufo::play
