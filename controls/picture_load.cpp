#include "controls/picture_load.h"

#include "controls/control.h"
#include "engine/graphics.h"
#include "engine/interface.h"

namespace rufo {

uint32_t PictureLoadOptions(uint32_t flags) {
  return (flags & kCfLocationMask) | ((flags & kCfVideoMemory) ? kLoadVideoMemory : 0);
}

bool ReloadPicture(std::unique_ptr<platform::Surface>* out, const std::string& path, int width,
                   int height) {
  if (path.empty()) return LoadPicture(out, nullptr, &width, &height, kLoadEmpty, false);
  return LoadPicture(out, path.c_str(), nullptr, nullptr, kDataRoot, true);
}

}  // namespace rufo
