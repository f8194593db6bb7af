// The asset kit's cursor file as the game reads it: every line comes back as the cursor it was
// written from, and a cursor the game would read otherwise is refused.
#include "tools/assetkit/cursor_file.h"

#include <gtest/gtest.h>

#include <sstream>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

#include "engine/cursor_file.h"
#include "platform/cp1250.h"

namespace rufo {
namespace {

TEST(CursorFileWriter, EveryLineReadsBackAsItsCursor) {
  const std::vector<assetkit::CursorEntry> cursors = {
      {"Arrow", "Bitmaps\\Cursors\\arrow", "Bitmaps\\Cursors\\arrow_m", 2, 3, false, 0},
      {"Čekání", "Bitmaps\\Cursors\\wait", "", 16, 0, true, 120},
  };
  std::istringstream lines(assetkit::CursorFileText(cursors));
  std::string line;
  for (const assetkit::CursorEntry& written : cursors) {
    ASSERT_TRUE(std::getline(lines, line));
    CursorLine read;
    ASSERT_EQ(ParseCursorLine(line, &read), CursorLineKind::kCursor) << line;
    EXPECT_EQ(
        std::tie(read.picture, read.mask, read.hotspotX, read.hotspotY, read.loop, read.delay),
        std::tie(written.picture, written.mask, written.hotspotX, written.hotspotY, written.loop,
                 written.delay));
    EXPECT_EQ(read.name, platform::Utf8ToCp1250(written.name));
  }
  EXPECT_FALSE(std::getline(lines, line));
}

TEST(CursorFileWriter, RefusesACursorTheGameWouldReadOtherwise) {
  const assetkit::CursorEntry good{"Hand", "Bitmaps\\Cursors\\hand", "", 9, 2, false, 0};
  std::vector<assetkit::CursorEntry> bad(5, good);
  bad[0].name = "Hand:Open";
  bad[1].picture = "Bitmaps\\Cursors\\hand,2";
  bad[2].mask = "Bitmaps\\Cursors\\hand_m\n";
  bad[3].picture = "Bitmaps\\" + std::string(240, 'x');
  bad[4].name = "Ruka\r";
  for (const assetkit::CursorEntry& cursor : bad)
    EXPECT_THROW(assetkit::CursorFileText({cursor}), std::invalid_argument) << cursor.name;
  EXPECT_NO_THROW(assetkit::CursorFileText({good}));
}

}  // namespace
}  // namespace rufo
