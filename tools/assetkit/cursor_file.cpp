#include "tools/assetkit/cursor_file.h"

#include <fstream>
#include <stdexcept>

#include "engine/cursor_file.h"
#include "platform/cp1250.h"

namespace rufo::assetkit {

namespace {

// A field as the line holds it; one with the line's separators would be read as other fields.
const std::string& Field(const std::string& value) {
  if (value.find_first_of(":,\r\n") != std::string::npos) {
    throw std::invalid_argument("cursor field holds a separator: " + value);
  }
  return value;
}

}  // namespace

std::string CursorFileText(const std::vector<CursorEntry>& cursors) {
  std::string text;
  for (const CursorEntry& c : cursors) {
    std::string line = Field(c.name);
    line += ':';
    line += Field(c.picture);
    if (!c.mask.empty()) {
      line += ':';
      line += Field(c.mask);
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
    line = platform::Utf8ToCp1250(line);
    // The game reads no more of a line than this.
    if (line.size() > kCursorLineLimit)
      throw std::invalid_argument("cursor line too long: " + line);
    text += line;
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
