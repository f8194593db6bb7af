#include "tools/assetkit/cursor_file.h"

#include <fstream>

#include "platform/cp1250.h"

namespace rufo::assetkit {

std::string CursorFileText(const std::vector<CursorEntry>& cursors) {
  std::string text;
  for (const CursorEntry& c : cursors) {
    std::string line = c.name + ":" + c.picture;
    if (!c.mask.empty()) line += ":" + c.mask;
    line += "," + std::to_string(c.hotspotX) + "," + std::to_string(c.hotspotY) + ",";
    line += c.loop ? "loop," + std::to_string(c.delay) : "static";
    text += platform::Utf8ToCp1250(line) + "\n";
  }
  return text;
}

bool WriteCursorFile(const std::string& path, const std::vector<CursorEntry>& cursors) {
  std::ofstream file(path, std::ios::binary);
  file << CursorFileText(cursors);
  return static_cast<bool>(file.flush());
}

}  // namespace rufo::assetkit
