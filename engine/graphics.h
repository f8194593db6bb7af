#pragma once

#include <cstdint>
#include <memory>

#include "platform/device_context.h"
#include "platform/font.h"
#include "platform/surface.h"

namespace rufo {

// Load options of LoadPicture: a root selector in the low two bits, plus these.
inline constexpr uint32_t kLoadSelectorMask = 0x3;
inline constexpr uint32_t kLoadEmpty = 0x4;        // no file: an empty surface of the given size
inline constexpr uint32_t kLoadVideoMemory = 0x8;  // video memory first, else system memory

// The longest picture name LoadPicture accepts.
inline constexpr size_t kMaxPictureName = 259;

// Loads a picture by name into a new surface in the display's format, trying PNG and BMP and,
// with the fallback, the other main root (see gfx::PictureAttempts). Writes the picture's size
// to width and height when given. Reports nothing; the caller decides what a failure means.
bool LoadPicture(std::unique_ptr<platform::Surface>* out, const char* name, int* width, int* height,
                 uint32_t options, bool fallback);

// Loads the screen's hit map, a greyscale PNG of exactly the game's size, from the data root
// (falling back to the runtime root). No name or an empty one drops the map. A map that is
// missing, damaged or of another size leaves no map (every point is no region), with a log line
// naming it.
bool LoadHitMap(const char* name);
// The region value at a screen pixel; 255 when no map is loaded or the point lies outside.
uint8_t HitMapValue(int x, int y);

// Sets the surface's source colour key to a GDI colour in the display's format.
void SetSourceColorKey(platform::Surface* surface, uint32_t color);

// Measures a Windows-1250 text in the font (or the default font) on the primary surface.
bool TextExtent(const char* text, const platform::Font* font, platform::TextSize* size);

}  // namespace rufo
