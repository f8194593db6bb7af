#include "tools/demogen/generator.h"

#include <fstream>

namespace rufo::demogen {

void Generator::WriteCursorFile() const {
  std::string text = "; name:picture:mask,hotspot x,hotspot y,kind\r\n";
  for (const Cursor& c : cursors_) {
    text += c.name + ":" + c.picture + ":" + c.mask + "," + std::to_string(c.hotX) + "," +
            std::to_string(c.hotY) + "," + (c.loop ? "loop," + std::to_string(c.delay) : "static") +
            "\r\n";
  }
  WriteBytes(out_ / "Cursors.dat", text);
}

}  // namespace rufo::demogen
