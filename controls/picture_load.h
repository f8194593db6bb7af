#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/surface.h"

namespace rufo {

// LoadPicture options for a control's flags: its root selector, and video memory when the
// control asks for it.
uint32_t PictureLoadOptions(uint32_t flags);

// Loads a control's picture again after the display was lost or changed: from the data root
// (falling back to the runtime root), or an empty surface of the given size when the control
// has no picture file.
bool ReloadPicture(std::unique_ptr<platform::Surface>* out, const std::string& path, int width,
                   int height);

}  // namespace rufo
