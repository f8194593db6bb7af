#pragma once

#include <array>
#include <memory>
#include <optional>

#include "platform/dd_result.h"
#include "platform/surface.h"

namespace rufo::platform {

// The steps of display set-up that can fail, so tests can make each one fail on purpose.
enum class VideoStep {
  kCreateDevice,
  kCooperativeLevel,
  kDisplayMode,
  kPrimarySurface,
  kClipper,
  kAttachedBackBuffer,
  kBackBuffer,
  kCount,
};

// Stand-in for the DirectDraw object: hands out software surfaces, keeps the display mode the
// game asked for (the desktop's own mode is never changed; the window scales the game area) and
// can lose and restore every surface at once.
class VideoDevice {
 public:
  VideoDevice();
  ~VideoDevice();

  // Creates a surface; kVideo fails with kDdErrOutOfVideoMemory when video memory is off.
  DdResult CreateSurface(int width, int height, const PixelFormat& format, SurfaceMemory memory,
                         std::unique_ptr<Surface>* out);

  // Checks an injected failure for a set-up step; kDdOk when none is pending.
  DdResult Step(VideoStep step);
  void InjectFailure(VideoStep step, DdResult result) {
    failures_[static_cast<int>(step)] = result;
  }
  void SetVideoMemoryAvailable(bool available) { videoMemory_ = available; }

  void SetDisplayMode(int width, int height, int bits);
  void RestoreDisplayMode() { displayMode_.reset(); }
  // The game's requested full-screen mode as (width, height, bits), when one is set.
  struct Mode {
    int width;
    int height;
    int bits;
  };
  std::optional<Mode> DisplayMode() const { return displayMode_; }

  int LiveSurfaceCount() const;
  void LoseAllSurfaces();
  DdResult RestoreAllSurfaces();

 private:
  std::shared_ptr<struct SurfaceStats> stats_;
  std::array<DdResult, static_cast<int>(VideoStep::kCount)> failures_{};
  bool videoMemory_ = true;
  std::optional<Mode> displayMode_;
};

}  // namespace rufo::platform
