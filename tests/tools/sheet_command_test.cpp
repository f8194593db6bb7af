// rufo-data sheet on a small tree of its own: every picture gets its tile, whatever the letter
// case of its extension, and a long Czech label cut short spoils none of the tiles after it; a
// tree without pictures makes no sheet.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/pictures.h"
#include "tests/support/process.h"
#include "tests/support/temp_folder.h"

namespace rufo {
namespace {

// The sheet's tiles are 170 pixels wide and a picture is centred in a box at their top.
constexpr int kTileWidth = 170;
constexpr int kBoxMiddleY = 4 + 130 / 2;

// rufo-data sheet of the folder's "tree" into its "sheet.png"; what it printed.
std::string Sheet(const test::TempFolder& folder, int expectedExit) {
  int exitCode = -1;
  const std::string output =
      test::RunCommand(test::BuiltProgram("rufo-data") + " sheet '" + folder.Root() + "tree' '" +
                           folder.Root() + "sheet.png' 2>&1",
                       &exitCode);
  EXPECT_EQ(exitCode, expectedExit) << output;
  return output;
}

TEST(SheetCommand, EveryPictureGetsItsTileAfterALongCzechLabelAndNoPictureNoSheet) {
  test::TempFolder folder;
  folder.Write("tree/d/notes.txt", "not a picture");
  EXPECT_NE(Sheet(folder, 1).find("rufo-data sheet: no pictures under"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(folder.Path() / "sheet.png")) << "no sheet of nothing";

  // Forty two-byte letters: the label's cut falls inside one of them.
  std::string czech;
  for (int i = 0; i < 40; ++i)
    czech += "ž";
  const auto paint = [&](const std::string& name, uint32_t colour) {
    ASSERT_TRUE(
        test::WritePicture(folder, "tree/" + name, 40, 40, [=](int, int) { return colour; }));
  };
  paint("a/" + czech + ".png", 0x00FF00);
  paint("b/red.PNG", 0xFF0000);
  paint("c/blue.png", 0x0000FF);
  folder.Write("tree/d/broken.png", "not a picture");
  EXPECT_EQ(Sheet(folder, 0), "4 pictures and frames on " + folder.Root() + "sheet.png\n");
  int width = 0;
  const std::vector<uint32_t> sheet = test::ReadPicture(folder.Root() + "sheet.png", &width);
  ASSERT_FALSE(sheet.empty());
  const uint32_t colours[] = {0x00FF00, 0xFF0000, 0x0000FF};
  for (int tile = 0; tile < 3; ++tile) {
    EXPECT_EQ(sheet[kBoxMiddleY * width + tile * kTileWidth + kTileWidth / 2], colours[tile])
        << "tile " << tile;
  }
}

}  // namespace
}  // namespace rufo
