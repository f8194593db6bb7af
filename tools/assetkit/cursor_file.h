#pragma once

#include <string>
#include <vector>

namespace rufo::assetkit {

// One cursor of "Cursors.dat". Texts are UTF-8 here and written as Windows-1250.
struct CursorEntry {
  std::string name;
  std::string picture;  // a picture name as the game's loader takes it
  std::string mask;     // empty for a cursor drawn with the magenta colour key
  int hotspotX = 0;
  int hotspotY = 0;
  // Frames side by side, each as wide as the picture is high; the game shows the first.
  bool loop = false;
  int delay = 0;
};

// The file's text: one line per cursor, in order (the order gives the cursor indices). Throws
// std::invalid_argument for a field holding ':' or ',' or a line end, and for a line longer
// than the game reads.
std::string CursorFileText(const std::vector<CursorEntry>& cursors);
bool WriteCursorFile(const std::string& path, const std::vector<CursorEntry>& cursors);

}  // namespace rufo::assetkit
