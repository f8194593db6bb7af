#pragma once

#include <cstdint>

#include "platform/pixel_format.h"

namespace rufo::gfx {

// Stores count pixels given as R, G, B bytes into a surface row of the layout. 16-bit layouts
// keep the high bits of each sample; 32-bit layouts leave the fourth byte as it was.
using RgbRowWriter = void (*)(uint8_t* row, const uint8_t* rgb, int count);

// The writer for a layout, chosen once per picture; nullptr for an unsupported layout.
RgbRowWriter RgbRowWriterFor(platform::PixelLayout layout);

}  // namespace rufo::gfx
