#include "platform/font.h"

#include <SDL_ttf.h>

namespace rufo::platform {
namespace {

constexpr const char* kRegularFile = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
constexpr const char* kBoldFile = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";

bool TtfReady() {
  static const bool ready = TTF_Init() == 0;
  return ready;
}

}  // namespace

std::unique_ptr<Font> Font::Create(int cellHeight, bool bold) {
  if (cellHeight <= 0 || !TtfReady()) return nullptr;
  TTF_Font* font = TTF_OpenFont(bold ? kBoldFile : kRegularFile, cellHeight);
  if (!font) return nullptr;
  // The largest point size whose line height fits the cell.
  for (int size = cellHeight; size > 1 && TTF_FontHeight(font) > cellHeight; --size) {
    TTF_SetFontSize(font, size - 1);
  }
  return std::unique_ptr<Font>(new Font(font, cellHeight));
}

const Font* Font::Default() {
  static const std::unique_ptr<Font> font = Create(16, true);
  return font.get();
}

Font::~Font() {
  TTF_CloseFont(font_);
}

}  // namespace rufo::platform
