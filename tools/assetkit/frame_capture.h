#pragma once

#include <cstdint>
#include <vector>

#include "engine/run_options.h"
#include "platform/surface.h"
#include "tools/assetkit/png_writer.h"

namespace rufo::assetkit {

// Writes composed frames as PNG files: for each requested game time, the first frame composed
// at or after it.
class FrameCapture {
 public:
  explicit FrameCapture(std::vector<RunOptions::Capture> captures);

  void Take(uint32_t gameMs, const platform::Surface& frame);
  // Whether a frame composed at that game time would be written.
  bool Wants(uint32_t gameMs) const {
    return next_ < captures_.size() && captures_[next_].timeMs <= gameMs;
  }
  bool Done() const { return next_ >= captures_.size(); }

 private:
  std::vector<RunOptions::Capture> captures_;
  size_t next_ = 0;
};

// The surface as an 8-bit RGB picture, ready for WritePng.
PngPicture PictureOfSurface(const platform::Surface& surface);

}  // namespace rufo::assetkit
