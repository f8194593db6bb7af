#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/play/play_fixtures.h"
#include "tests/support/demo_run.h"
#include "tests/support/process.h"
#include "tools/rufo_play/region_map.h"

namespace rufo::play {
namespace {

namespace fs = std::filesystem;

TEST(BrokenTreeTest, APlayOnADamagedTreeFailsAndNamesEachDamage) {
  if (!rufo::test::HaveDemoData()) GTEST_SKIP() << "no generated data";
  rufo::test::TempFolder folder;
  const fs::path tree = folder.Path() / "data";
  test::LinkDemoTree(tree);

  // One speech gone.
  fs::remove(tree / "Sounds/Start/sp_wait.wav");
  // The face region of slot 0 painted over on the Start screen's hit map.
  const fs::path mask = tree / "Bitmaps/Start/bg_mask.png";
  const std::optional<RegionMap> map = RegionMap::Load(mask.string());
  ASSERT_TRUE(map);
  fs::remove(mask);
  test::MaskDrawing(*map)
      .Fill({71, 228, 161, 338}, RegionMap::kNone)
      .Write(folder, "data/Bitmaps/Start/bg_mask.png");
  // The cap's entry renamed in the Start screen's script.
  const fs::path script = tree / "Data/Start/screen.dat";
  std::string text = rufo::test::ReadFile(script);
  const size_t cap = text.find(",CEPKA");
  ASSERT_NE(cap, std::string::npos);
  test::Replace(script, text.replace(cap, 6, ",CEPICE"));

  int exitCode = -1;
  const std::string output =
      test::RunPlayer(folder, "--win-all --seed 7 --data " + tree.string(), &exitCode);
  EXPECT_EQ(exitCode, 1) << output;
  for (const char* named : {"Bitmaps\\Start\\bg_mask.png has no region 20",
                            "Data\\Start\\screen.dat has no entry CEPKA", "Cannot load file",
                            "sp_wait.wav", "result: FAILED"}) {
    EXPECT_NE(output.find(named), std::string::npos) << named << "\n" << output;
  }
  // The folder with the trace and the log is kept for a person to look at.
  const size_t kept = output.find("the game's folder is kept: ");
  ASSERT_NE(kept, std::string::npos);
  EXPECT_TRUE(
      fs::exists(output.substr(kept + 27, output.find('\n', kept) - kept - 27) + "/trace.txt"));
}

}  // namespace
}  // namespace rufo::play
