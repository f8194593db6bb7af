#include "engine/graphics.h"

#include <cstring>

#include "engine/interface.h"
#include "gfx/picture_file.h"
#include "gfx/picture_name.h"
#include "platform/picture_limits.h"

namespace rufo {

bool LoadPicture(std::unique_ptr<platform::Surface>* out, const char* name, int* width, int* height,
                 uint32_t options, bool fallback) {
  if (!out) return false;
  out->reset();
  Interface& engine = Engine();
  const bool videoMemory = (options & kLoadVideoMemory) != 0;
  if (options & kLoadEmpty) {
    // Sizes come from screen scripts, so they are bounded like those read from picture files.
    if (!width || !height || !platform::PictureSizeAllowed(*width, *height)) return false;
    return engine.CreatePictureSurface(*width, *height, videoMemory, out) == platform::kDdOk;
  }
  if (!name || std::strlen(name) > kMaxPictureName) return false;

  const gfx::SurfaceFactory create = [&](int w, int h, std::unique_ptr<platform::Surface>* s) {
    return engine.CreatePictureSurface(w, h, videoMemory, s);
  };
  for (const gfx::PictureAttempt& attempt :
       gfx::PictureAttempts(name, static_cast<int>(options & kLoadSelectorMask), fallback)) {
    const std::string path = engine.MakeDataPath(attempt.fileName, attempt.selector);
    const bool loaded = attempt.format == gfx::PictureFormat::kPng
                            ? gfx::LoadPngPicture(path, create, out)
                            : gfx::LoadBmpPicture(path, create, out);
    if (loaded) {
      if (width) *width = (*out)->Width();
      if (height) *height = (*out)->Height();
      return true;
    }
  }
  return false;
}

bool LoadHitMap(const char* name) {
  Interface& engine = Engine();
  if (!name || !*name) {
    engine.HitMap().Free();
    return true;
  }
  // A map that cannot be had leaves no map rather than the last one: regions of another picture
  // would judge clicks on this one.
  std::FILE* file = engine.OpenDataFile(name, "rb", kDataRoot, true);
  if (!file) {
    engine.HitMap().Free();
    return false;
  }
  std::string fault;
  const bool loaded =
      engine.HitMap().Load(file, engine.Properties().width, engine.Properties().height, &fault);
  std::fclose(file);
  if (!loaded) engine.Log("Hit map \"" + std::string(name) + "\" " + fault + ": no regions");
  return loaded;
}

uint8_t HitMapValue(int x, int y) {
  return Engine().HitMap().Value(x, y);
}

void SetSourceColorKey(platform::Surface* surface, uint32_t color) {
  if (surface) surface->SetColorKey(Engine().ColorToPixel(color));
}

bool TextExtent(const char* text, const platform::Font* font, platform::TextSize* size) {
  if (!text || !size) return false;
  platform::Surface* primary = Engine().Primary();
  if (!primary) return false;
  platform::DeviceContext context(*primary);
  if (font) context.SelectFont(font);
  return context.TextExtent(text, size);
}

}  // namespace rufo
