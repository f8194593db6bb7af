#include "platform/font.h"

namespace rufo::platform {

const Font* Font::Default() {
  static const std::unique_ptr<Font> font = Create(16, true);
  return font.get();
}

}  // namespace rufo::platform
