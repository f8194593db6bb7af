#include "tools/assetkit/frame_capture.h"

#include <algorithm>
#include <cstdio>

#include "platform/window.h"
#include "tools/assetkit/png_writer.h"

namespace rufo::assetkit {

FrameCapture::FrameCapture(std::vector<RunOptions::Capture> captures)
    : captures_(std::move(captures)) {
  std::stable_sort(captures_.begin(), captures_.end(),
                   [](const auto& a, const auto& b) { return a.timeMs < b.timeMs; });
}

void FrameCapture::Take(uint32_t gameMs, const platform::Surface& frame) {
  while (next_ < captures_.size() && captures_[next_].timeMs <= gameMs) {
    const std::string& path = captures_[next_++].path;
    if (!WritePng(path, PictureOfSurface(frame))) {
      std::fprintf(stderr, "RUFO_CAPTURE: cannot write %s\n", path.c_str());
    }
  }
}

PngPicture PictureOfSurface(const platform::Surface& surface) {
  PngPicture picture{surface.Width(), surface.Height(), PngColor::kRgb, {}};
  picture.pixels.reserve(static_cast<size_t>(surface.Width()) * surface.Height() * 3);
  for (int y = 0; y < surface.Height(); ++y) {
    for (int x = 0; x < surface.Width(); ++x) {
      const uint32_t rgb = platform::PixelToRgb(surface, x, y);
      picture.pixels.insert(picture.pixels.end(),
                            {static_cast<uint8_t>(rgb >> 16), static_cast<uint8_t>(rgb >> 8),
                             static_cast<uint8_t>(rgb)});
    }
  }
  return picture;
}

}  // namespace rufo::assetkit
