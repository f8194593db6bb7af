// Feeds arbitrary bytes to the tools' ".ani" reader; whatever it accepts must encode again.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "tools/assetkit/ani_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const auto animation = rufo::assetkit::DecodeAni(bytes);
  if (!animation) return 0;
  const size_t pixels = size_t{animation->width} * animation->height;
  for (const auto& frame : animation->frames) {
    if (frame.size() != pixels) std::abort();
  }
  return 0;
}
