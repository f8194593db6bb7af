#include "tests/support/ani_frames.h"

namespace rufo::test {

std::optional<DecodedAni> DecodeAniFile(std::FILE* file) {
  AniFile ani;
  if (!ani.Open(file)) return std::nullopt;
  DecodedAni decoded{ani.Header(), {}};
  const int width = static_cast<int>(decoded.header.width);
  const int height = static_cast<int>(decoded.header.height);
  const size_t pixels = static_cast<size_t>(width) * height;
  for (int f = 0; f < ani.FrameCount(); ++f) {
    if (!ani.LoadFrame(f)) return std::nullopt;
    // The decoder leaves pixels it has no data for as they were: decoded over two different
    // fills, a short frame shows up as pixels that differ.
    std::vector<uint16_t> zeros(pixels, 0), ones(pixels, 0xFFFF);
    for (std::vector<uint16_t>* frame : {&zeros, &ones}) {
      DecodeAniFrame(*ani.CachedFrame(f), decoded.header.runMarker, width, height,
                     reinterpret_cast<uint8_t*>(frame->data()), width * 2,
                     platform::PixelLayout::kRgb565);
    }
    if (zeros != ones) return std::nullopt;
    decoded.frames.push_back(std::move(zeros));
  }
  return decoded;
}

std::optional<DecodedAni> DecodeAniBytes(std::string bytes) {
  return DecodeAniFile(fmemopen(bytes.data(), bytes.size(), "rb"));
}

}  // namespace rufo::test
