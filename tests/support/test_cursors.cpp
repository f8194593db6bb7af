#include "tests/support/test_cursors.h"

#include "tools/assetkit/cursor_file.h"
#include "tools/assetkit/png_writer.h"

namespace rufo::test {

void WriteTestCursors(const TempFolder& folder, const std::string& root) {
  assetkit::PngPicture arrow{12, 12, assetkit::PngColor::kRgb, {}};
  for (int y = 0; y < 12; ++y) {
    for (int x = 0; x < 12; ++x) {
      uint8_t r = 255, g = 0, b = 255;
      if (x <= y) r = g = b = (x == 0 || x == y || y == 11) ? 0 : 255;
      arrow.pixels.insert(arrow.pixels.end(), {r, g, b});
    }
  }
  folder.Write(root + "cursors/arrow.png", "");
  assetkit::WritePng((folder.Path() / (root + "cursors/arrow.png")).string(), arrow);
  std::vector<assetkit::CursorEntry> cursors;
  for (const char* name : {"Arrow", "WaitArrow", "WalkLeft", "WalkRight", "Hand", "SelArrow"}) {
    cursors.push_back({name, "cursors/arrow.png", "", 0, 0, false, 0});
  }
  folder.Write(root + "Cursors.dat", assetkit::CursorFileText(cursors));
}

}  // namespace rufo::test
