#pragma once

#include <cstdint>
#include <string_view>

#include "platform/font.h"
#include "platform/surface.h"

namespace rufo::platform {

struct TextSize {
  int width = 0;
  int height = 0;
};

// A solid pen of width 1 in a GDI colour (0x00BBGGRR).
struct Pen {
  uint32_t color = 0;
};

// Text and line drawing on a surface, as a GDI device context offers it. Taken for one frame's
// drawing and dropped; no blit or lock of the surface happens while it is held. Texts are
// Windows-1250 bytes. A new context starts with the default font, black text on an opaque white
// background and a black pen at (0, 0).
class DeviceContext {
 public:
  explicit DeviceContext(Surface& surface);

  // False when the surface refuses a context (it is lost); nothing else works then.
  bool Valid() const { return valid_; }

  // nullptr selects the default font again.
  void SelectFont(const Font* font) { font_ = font ? font : Font::Default(); }
  void SelectPen(const Pen& pen) { pen_ = pen; }
  void SetTextColor(uint32_t color) { textColor_ = color; }
  void SetBackgroundColor(uint32_t color) { backgroundColor_ = color; }
  // Transparent text draws only the glyphs; opaque text fills its cell with the background.
  void SetTransparentBackground(bool transparent) { transparent_ = transparent; }

  // The size of the text's cell in the current font; false without a context or font.
  bool TextExtent(std::string_view text, TextSize* size) const;
  // Draws the text with its cell's top-left corner at (x, y), clipped to the surface.
  bool TextOut(int x, int y, std::string_view text);

  void MoveTo(int x, int y);
  // Draws from the current position up to, but not including, (x, y), which becomes current.
  void LineTo(int x, int y);

 private:
  void PlotClipped(int x, int y, uint32_t pixel);

  Surface& surface_;
  bool valid_;
  const Font* font_;
  Pen pen_;
  uint32_t textColor_ = 0x000000;
  uint32_t backgroundColor_ = 0xFFFFFF;
  bool transparent_ = false;
  int penX_ = 0;
  int penY_ = 0;
};

}  // namespace rufo::platform
