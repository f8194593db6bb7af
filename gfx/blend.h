#pragma once

#include <cstdint>

#include "platform/rect.h"
#include "platform/surface.h"

namespace rufo::gfx {

// Blends the source rectangle into the destination at (x, y) through an 8-bit alpha mask laid
// out like the source (one byte per source pixel, row length the source's width): 0 keeps the
// destination, 255 copies the source, values between mix each colour field as
// (source × a + destination × (255 − a)) >> 8. Both surfaces must share a layout and the
// rectangle must lie inside the source and, placed at (x, y), inside the destination;
// otherwise, without a pointer, on a lost surface or an unsupported layout it returns false
// and touches nothing.
bool BlendMasked(platform::Surface* destination, int x, int y, platform::Surface* source,
                 const platform::Rect* sourceRect, const uint8_t* mask);

}  // namespace rufo::gfx
