#include "platform/device_context.h"

#include <cstdlib>
#include <string>

#include "platform/cp1250.h"

namespace rufo::platform {

DeviceContext::DeviceContext(Surface& surface)
    : surface_(surface), valid_(surface.Lock(nullptr) != nullptr), font_(Font::Default()) {
  surface_.Unlock();
}

bool DeviceContext::TextExtent(std::string_view text, TextSize* size) const {
  if (!Valid() || !font_ || !size) return false;
  int width = 0;
  if (!font_->Measure(Cp1250ToUtf8(text), &width)) return false;
  size->width = width;
  size->height = font_->CellHeight();
  return true;
}

bool DeviceContext::TextOut(int x, int y, std::string_view text) {
  TextSize size;
  if (!TextExtent(text, &size)) return false;
  const Rect cell = Intersect({x, y, x + size.width, y + size.height}, surface_.Bounds());
  if (!transparent_ && !cell.Empty()) {
    surface_.Fill(&cell, GdiColorToPixel(backgroundColor_, surface_.Format()));
  }
  if (size.width == 0) return true;
  GlyphMask glyphs;
  if (!font_->Render(Cp1250ToUtf8(text), &glyphs)) return false;
  const uint32_t ink = GdiColorToPixel(textColor_, surface_.Format());
  // The glyph cell is centred in the font's cell when the point size did not fill it exactly.
  const int top = y + (size.height - glyphs.height) / 2;
  for (int gy = 0; gy < glyphs.height; ++gy) {
    for (int gx = 0; gx < glyphs.width && gx < size.width; ++gx) {
      if (glyphs.ink[static_cast<size_t>(gy) * glyphs.width + gx] != 0) {
        PlotClipped(x + gx, top + gy, ink);
      }
    }
  }
  return true;
}

void DeviceContext::MoveTo(int x, int y) {
  penX_ = x;
  penY_ = y;
}

void DeviceContext::LineTo(int x, int y) {
  if (Valid()) {
    const uint32_t pixel = GdiColorToPixel(pen_.color, surface_.Format());
    const int dx = std::abs(x - penX_), dy = -std::abs(y - penY_);
    const int sx = penX_ < x ? 1 : -1, sy = penY_ < y ? 1 : -1;
    int px = penX_, py = penY_, error = dx + dy;
    while (px != x || py != y) {
      PlotClipped(px, py, pixel);
      const int twice = 2 * error;
      if (twice >= dy) {
        error += dy;
        px += sx;
      }
      if (twice <= dx) {
        error += dx;
        py += sy;
      }
    }
  }
  MoveTo(x, y);
}

void DeviceContext::PlotClipped(int x, int y, uint32_t pixel) {
  if (surface_.Bounds().Contains(x, y)) surface_.SetPixel(x, y, pixel);
}

}  // namespace rufo::platform
