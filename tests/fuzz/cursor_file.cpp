// Feeds arbitrary bytes to the cursor file reader: cut into lines as the loader reads them, each
// line parsed into a cursor definition.
#include <cstdio>
#include <cstdlib>

#include "engine/cursor_file.h"
#include "engine/line_reader.h"
#include "platform/picture_limits.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using rufo::platform::kMaxCoordinate;
  if (size == 0) return 0;
  std::FILE* file = fmemopen(const_cast<uint8_t*>(data), size, "rb");
  if (!file) return 0;
  rufo::LineReader reader(file, rufo::kCursorLineLimit);
  std::string line;
  while (reader.Next(&line)) {
    if (line.size() > rufo::kCursorLineLimit) std::abort();
    rufo::CursorLine cursor;
    if (rufo::ParseCursorLine(line, &cursor) != rufo::CursorLineKind::kCursor) continue;
    if (cursor.name.size() > rufo::CursorLine::kNameChars) std::abort();
    if (cursor.picture.size() + cursor.mask.size() > line.size()) std::abort();
    if (std::abs(cursor.hotspotX) > kMaxCoordinate || std::abs(cursor.hotspotY) > kMaxCoordinate) {
      std::abort();
    }
  }
  std::fclose(file);
  return 0;
}
