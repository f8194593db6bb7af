#include <SDL2/SDL.h>

#include <cstring>

#include "platform/bmp_decoder.h"

namespace rufo::platform {

bool DecodeBmpPixels(std::FILE* file, RgbPicture* out) {
  SDL_RWops* stream = SDL_RWFromFP(file, SDL_FALSE);
  if (!stream) return false;
  SDL_Surface* loaded = SDL_LoadBMP_RW(stream, 1);
  if (!loaded) return false;
  SDL_Surface* rgb = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_RGB24, 0);
  SDL_FreeSurface(loaded);
  if (!rgb) return false;
  out->width = rgb->w;
  out->height = rgb->h;
  const size_t rowBytes = static_cast<size_t>(rgb->w) * 3;
  out->rgb.resize(rowBytes * rgb->h);
  const auto* pixels = static_cast<const uint8_t*>(rgb->pixels);
  for (int y = 0; y < rgb->h; ++y) {
    std::memcpy(out->rgb.data() + y * rowBytes, pixels + static_cast<size_t>(y) * rgb->pitch,
                rowBytes);
  }
  SDL_FreeSurface(rgb);
  return true;
}

}  // namespace rufo::platform
