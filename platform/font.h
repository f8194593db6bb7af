#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace rufo::platform {

// A text's glyphs as one byte per pixel, rows packed top row first: 0 where the background
// shows, anything else for ink.
struct GlyphMask {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> ink;
};

// A TrueType font at a size given as its cell height in pixels (the line height a text extent
// reports), drawn from the bundled DejaVu family. The SDL backend provides it.
class Font {
 public:
  // nullptr when the font file cannot be opened.
  static std::unique_ptr<Font> Create(int cellHeight, bool bold);
  // The font a device context starts with: a bold face with a 16-pixel cell, the size of the
  // classic system font that the game's layouts were made for.
  static const Font* Default();

  virtual ~Font() = default;
  Font(const Font&) = delete;
  Font& operator=(const Font&) = delete;

  int CellHeight() const { return cellHeight_; }
  // The width in pixels of a UTF-8 text; false when the font cannot measure it.
  virtual bool Measure(const std::string& utf8, int* width) const = 0;
  // The glyphs of a non-empty UTF-8 text, without smoothing, as the classic bitmap fonts drew;
  // false when they cannot be drawn.
  virtual bool Render(const std::string& utf8, GlyphMask* mask) const = 0;

 protected:
  explicit Font(int cellHeight) : cellHeight_(cellHeight) {}

 private:
  int cellHeight_;
};

}  // namespace rufo::platform
