#include <SDL_ttf.h>

#include <cstring>

#include "platform/font.h"

namespace rufo::platform {
namespace {

constexpr const char* kRegularFile = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
constexpr const char* kBoldFile = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";

bool TtfReady() {
  static const bool ready = TTF_Init() == 0;
  return ready;
}

class TtfFont final : public Font {
 public:
  TtfFont(TTF_Font* font, int cellHeight) : Font(cellHeight), font_(font) {}
  ~TtfFont() override { TTF_CloseFont(font_); }

  bool Measure(const std::string& utf8, int* width) const override {
    *width = 0;
    return utf8.empty() || TTF_SizeUTF8(font_, utf8.c_str(), width, nullptr) == 0;
  }

  bool Render(const std::string& utf8, GlyphMask* mask) const override {
    // Solid rendering gives one palette index per pixel, 0 for the background.
    SDL_Surface* glyphs = TTF_RenderUTF8_Solid(font_, utf8.c_str(), SDL_Color{255, 255, 255, 255});
    if (!glyphs) return false;
    mask->width = glyphs->w;
    mask->height = glyphs->h;
    mask->ink.resize(static_cast<size_t>(glyphs->w) * glyphs->h);
    const auto* rows = static_cast<const uint8_t*>(glyphs->pixels);
    for (int y = 0; y < glyphs->h; ++y) {
      std::memcpy(mask->ink.data() + static_cast<size_t>(y) * glyphs->w,
                  rows + static_cast<size_t>(y) * glyphs->pitch, glyphs->w);
    }
    SDL_FreeSurface(glyphs);
    return true;
  }

 private:
  TTF_Font* font_;
};

}  // namespace

std::unique_ptr<Font> Font::Create(int cellHeight, bool bold) {
  if (cellHeight <= 0 || !TtfReady()) return nullptr;
  TTF_Font* font = TTF_OpenFont(bold ? kBoldFile : kRegularFile, cellHeight);
  if (!font) return nullptr;
  // The largest point size whose line height fits the cell.
  for (int size = cellHeight; size > 1 && TTF_FontHeight(font) > cellHeight; --size) {
    TTF_SetFontSize(font, size - 1);
  }
  return std::make_unique<TtfFont>(font, cellHeight);
}

}  // namespace rufo::platform
