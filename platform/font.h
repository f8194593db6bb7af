#pragma once

#include <memory>

typedef struct _TTF_Font TTF_Font;

namespace rufo::platform {

// A TrueType font at a size given as its cell height in pixels (the line height a text extent
// reports), drawn from the bundled DejaVu family.
class Font {
 public:
  // nullptr when the font file cannot be opened.
  static std::unique_ptr<Font> Create(int cellHeight, bool bold);
  // The font a device context starts with: a bold face with a 16-pixel cell, the size of the
  // classic system font that the game's layouts were made for.
  static const Font* Default();

  ~Font();
  Font(const Font&) = delete;
  Font& operator=(const Font&) = delete;

  TTF_Font* Handle() const { return font_; }
  int CellHeight() const { return cellHeight_; }

 private:
  Font(TTF_Font* font, int cellHeight) : font_(font), cellHeight_(cellHeight) {}

  TTF_Font* font_;
  int cellHeight_;
};

}  // namespace rufo::platform
