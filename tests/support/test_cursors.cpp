#include "tests/support/test_cursors.h"

#include "tests/support/pictures.h"
#include "tools/assetkit/cursor_file.h"

namespace rufo::test {

void WriteTestCursors(const TempFolder& folder, const std::string& root) {
  WritePicture(folder, root + "cursors/arrow.png", 12, 12, [](int x, int y) {
    if (x > y) return 0xFF00FFu;
    return (x == 0 || x == y || y == 11) ? 0x000000u : 0xFFFFFFu;
  });
  std::vector<assetkit::CursorEntry> cursors;
  for (const char* name : {"Arrow", "WaitArrow", "WalkLeft", "WalkRight", "Hand", "SelArrow"}) {
    cursors.push_back({name, "cursors/arrow.png", "", 0, 0, false, 0});
  }
  folder.Write(root + "Cursors.dat", assetkit::CursorFileText(cursors));
}

}  // namespace rufo::test
