// rufo-data check on the demo data: it finds the tree complete and names whatever is taken away
// or changed; the walking edges, the toolbar's area and the cursor set, each at its limits.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/pictures.h"
#include "tests/support/process.h"
#include "tests/support/temp_folder.h"
#include "tools/assetkit/png_writer.h"

namespace rufo {
namespace {

namespace fs = std::filesystem;

const fs::path kDemoTree = fs::path(RUFO_BINARY_DIR) / "data";

class DataCheck : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!fs::exists(kDemoTree / ".demogen"))
      GTEST_SKIP() << "no generated data (RUFO_BUILD_DATA=OFF)";
    // The demo tree by links: a file the test changes is replaced, the tree stays whole.
    for (const auto& entry : fs::recursive_directory_iterator(kDemoTree)) {
      const fs::path to = copy_.Path() / fs::relative(entry.path(), kDemoTree);
      if (entry.is_directory()) {
        fs::create_directories(to);
      } else {
        fs::create_symlink(entry.path(), to);
      }
    }
  }

  // The demo's hit map with these pixels set to region 0.
  void MarkMask(const std::string& mask, const std::vector<std::pair<int, int>>& pixels) {
    int width = 0;
    std::vector<uint32_t> picture = test::ReadPicture((kDemoTree / mask).string(), &width);
    ASSERT_EQ(width, 640) << mask;
    for (const auto& [x, y] : pixels)
      picture[y * width + x] = 0;
    fs::remove(copy_.Path() / mask);
    ASSERT_TRUE(test::WritePicture(copy_, mask, width, static_cast<int>(picture.size()) / width,
                                   [&](int x, int y) { return picture[y * width + x]; }));
  }

  std::string Check(int expectedExit) {
    int exitCode = -1;
    const std::string output = test::RunCommand(
        test::BuiltProgram("rufo-data") + " check '" + copy_.Path().string() + "'", &exitCode);
    EXPECT_EQ(exitCode, expectedExit) << output;
    return output;
  }

  test::TempFolder copy_;
};

bool Reports(const std::string& output, const std::string& line) {
  return output.find(line) != std::string::npos;
}

TEST_F(DataCheck, FindsNothingMissingAndNamesWhatWasTakenAway) {
  EXPECT_EQ(Check(0), "nothing missing\n");

  std::string end = test::ReadFile(kDemoTree / "Data/End/screen.dat");
  end = std::regex_replace(end, std::regex("ANI=[^\r]*SKOLNIK[^\r]*\r\n"), "");
  std::string nests = test::ReadFile(kDemoTree / "Data/Garden4/screen.dat");
  nests = std::regex_replace(nests, std::regex("ANI=[^\r\n]*HNIZDO[^\n]*\n"), "");
  assetkit::PngPicture mask{640, 480, assetkit::PngColor::kGrey,
                            std::vector<uint8_t>(640 * 480, 255)};
  for (int v : {20, 21, 23, 26, 27, 28, 29})
    mask.pixels[v] = static_cast<uint8_t>(v);
  const std::vector<uint8_t> maskBytes = assetkit::EncodePng(mask);
  const struct {
    const char* file;
    std::string replacement;  // empty: the file is removed
    const char* expected;
  } cases[] = {
      {"Sounds/GB_UNI/BAD_2/21.wav", "", "missing sound: Sounds\\GB_UNI\\BAD_2\\21.wav"},
      {"Sounds/GB_UNI/GOOD/0.dat", "", "missing frame script: Sounds\\GB_UNI\\GOOD\\0.dat"},
      {"face3.png", "", "missing picture: face3.png"},
      {"Bitmaps/Cursors/hand_m.png", "",
       "missing picture: Bitmaps\\Cursors\\hand_m.png (named by Cursors.dat)"},
      {"Bitmaps/Start/Ani/kv_z_b.dat", "", "missing frame script: Bitmaps\\Start\\Ani\\kv_z_b"},
      {"Bitmaps/Start/Ani/m_z_b.wav", "", "missing sound: Bitmaps\\Start\\Ani\\m_z_b.wav"},
      {"Bitmaps/Start/Ani/A_SPEEK.wav", "",
       "missing sound of entry A_SPEEK: Bitmaps\\Start\\Ani\\A_SPEEK.wav"},
      {"Bitmaps/Album/Ani/S13.ani", "", "missing animation: Bitmaps\\Album\\Ani\\S13.ani"},
      {"Data/End/screen.dat", end, "missing entry: SKOLNIK in Data\\End\\screen.dat"},
      // What the table of games names: a game's speech, the last of its numbered scripts and
      // hit maps, the control that opens it.
      {"Sounds/Garden5/COL2/sp_win.wav", "", "missing sound: Sounds\\Garden5\\COL2\\sp_win.wav"},
      {"Data/Garden5/col2/L4/screen.dat", "",
       "missing screen script: Data\\Garden5\\col2\\L4\\screen.dat"},
      {"Bitmaps/Garden3/NOT/bg_mask1.png", "", "Bitmaps\\Garden3\\NOT\\bg_mask1.png"},
      {"Data/Garden4/screen.dat", nests, "missing entry: HNIZDO in Data\\Garden4\\screen.dat"},
      {"Bitmaps/Start/bg_mask.png", std::string(maskBytes.begin(), maskBytes.end()),
       "missing hit-map value: 22 in Bitmaps\\Start\\bg_mask.png"},
  };
  // The damages touch different files and entries, so one check names them all.
  for (const auto& c : cases) {
    fs::remove(copy_.Path() / c.file);
    if (!c.replacement.empty()) copy_.Write(c.file, c.replacement);
  }
  const std::string damaged = Check(1);
  for (const auto& c : cases)
    EXPECT_TRUE(Reports(damaged, c.expected)) << c.file << "\n" << damaged;
}

// Regions just inside the walking edges and beside the toolbar pass; a pixel further, where a
// click walks or the toolbar takes it, they are named.
TEST_F(DataCheck, RegionsWhereAClickWalksOrTheToolbarTakesItAreNamed) {
  MarkMask("Bitmaps/Garden1/bg_mask.png", {{60, 200}, {580, 200}});
  MarkMask("Bitmaps/LearnG/bg_mask.png", {{143, 479}, {497, 479}, {300, 396}});
  EXPECT_EQ(Check(0), "nothing missing\n");

  MarkMask("Bitmaps/Garden1/bg_mask.png", {{59, 200}});
  MarkMask("Bitmaps/Garden2/bg_mask.png", {{581, 0}});
  MarkMask("Bitmaps/LearnG/bg_mask.png", {{144, 397}});
  const std::string output = Check(1);
  for (const char* mask : {"Garden1", "Garden2"}) {
    EXPECT_TRUE(Reports(output, std::string("missing free walking edges: Bitmaps\\") + mask +
                                    "\\bg_mask.png has regions at x < 60 or x > 580"))
        << output;
  }
  EXPECT_TRUE(Reports(output, "missing free toolbar area: Bitmaps\\LearnG\\bg_mask.png"));
  EXPECT_TRUE(Reports(output, "3 missing\n")) << "the toolbar is inside the edges: " << output;

  // The other toolbar corner, alone.
  MarkMask("Bitmaps/Garden1/bg_mask.png", {});
  MarkMask("Bitmaps/Garden2/bg_mask.png", {});
  MarkMask("Bitmaps/LearnG/bg_mask.png", {{496, 479}});
  EXPECT_TRUE(Reports(Check(1), "1 missing\n"));
}

TEST_F(DataCheck, ACursorFileTooShortOrWithAnUnreadableLineIsNamed) {
  const std::string cursors = test::ReadFile(kDemoTree / "Cursors.dat");
  size_t end = 0;
  for (int line = 0; line < 4; ++line)
    end = cursors.find('\n', end) + 1;
  const std::string firstFour = cursors.substr(0, end);
  fs::remove(copy_.Path() / "Cursors.dat");
  copy_.Write("Cursors.dat", firstFour + "; a comment\n\nBroken:no picture\n");
  const std::string output = Check(1);
  EXPECT_TRUE(Reports(output, "missing cursor: Cursors.dat defines 4 cursors, the game uses 5"))
      << output;
  EXPECT_TRUE(Reports(output, "missing cursor: line 7 of Cursors.dat cannot be read")) << output;
  // The comment and the empty line are no errors; the cursor the game names left out is.
  EXPECT_TRUE(Reports(output, "missing cursor: SelArrow in Cursors.dat\n3 missing\n")) << output;
}

}  // namespace
}  // namespace rufo
