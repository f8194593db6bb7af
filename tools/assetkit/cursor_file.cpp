#include "tools/assetkit/cursor_file.h"

#include <fstream>

#include "platform/cp1250.h"

namespace rufo::assetkit {

std::string CursorFileText(const std::vector<CursorEntry>& cursors) {
  std::string text;
  for (const CursorEntry& c : cursors) {
    std::string line = c.name;
    line += ':';
    line += c.picture;
    if (!c.mask.empty()) {
      line += ':';
      line += c.mask;
    }
    for (const int hotspot : {c.hotspotX, c.hotspotY}) {
      line += ',';
      line += std::to_string(hotspot);
    }
    line += ',';
    if (c.loop) {
      line += "loop,";
      line += std::to_string(c.delay);
    } else {
      line += "static";
    }
    text += platform::Utf8ToCp1250(line);
    text += '\n';
  }
  return text;
}

bool WriteCursorFile(const std::string& path, const std::vector<CursorEntry>& cursors) {
  std::ofstream file(path, std::ios::binary);
  file << CursorFileText(cursors);
  return static_cast<bool>(file.flush());
}

}  // namespace rufo::assetkit
