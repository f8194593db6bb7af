// Feeds arbitrary bytes to the animation reader and decodes every frame it accepts.
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "controls/ani_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::FILE* file = fmemopen(const_cast<uint8_t*>(data), size, "rb");
  if (!file) return 0;
  rufo::AniFile ani;
  if (!ani.Open(file)) return 0;
  // A small destination keeps each run fast; the decoder sees the full data either way.
  const int width = static_cast<int>(std::min<uint32_t>(ani.Header().width, 64));
  const int height = static_cast<int>(std::min<uint32_t>(ani.Header().height, 64));
  const auto layout = static_cast<rufo::platform::PixelLayout>(size % 6);
  const int pitch = width * 4;
  std::vector<uint8_t> pixels(static_cast<size_t>(pitch) * height);
  for (int i = 0; i < ani.FrameCount() && i < 64; ++i) {
    if (!ani.LoadFrame(i)) continue;
    const std::vector<uint16_t>* frame = ani.CachedFrame(i);
    if (!frame) std::abort();
    rufo::DecodeAniFrame(*frame, ani.Header().runMarker, width, height, pixels.data(), pitch,
                         layout);
  }
  return 0;
}
