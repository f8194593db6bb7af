#include "platform/video_device.h"

#include "platform/surface_stats.h"

namespace rufo::platform {

VideoDevice::VideoDevice() : stats_(std::make_shared<SurfaceStats>()) {}

VideoDevice::~VideoDevice() = default;

DdResult VideoDevice::CreateSurface(int width, int height, const PixelFormat& format,
                                    SurfaceMemory memory, std::unique_ptr<Surface>* out) {
  out->reset();
  if (width <= 0 || height <= 0 || LayoutOf(format) == PixelLayout::kUnsupported) {
    return kDdErrInvalidParams;
  }
  if (memory == SurfaceMemory::kVideo && !videoMemory_) return kDdErrOutOfVideoMemory;
  *out = std::make_unique<Surface>(width, height, format, memory, stats_);
  return kDdOk;
}

DdResult VideoDevice::Step(VideoStep step) {
  DdResult& failure = failures_[static_cast<int>(step)];
  DdResult result = failure;
  failure = kDdOk;
  return result;
}

void VideoDevice::SetDisplayMode(int width, int height, int bits) {
  displayMode_ = Mode{width, height, bits};
}

int VideoDevice::LiveSurfaceCount() const {
  return static_cast<int>(stats_->Snapshot().size());
}

void VideoDevice::LoseAllSurfaces() {
  for (Surface* surface : stats_->Snapshot())
    surface->MarkLost();
}

DdResult VideoDevice::RestoreAllSurfaces() {
  for (Surface* surface : stats_->Snapshot())
    surface->Restore();
  return kDdOk;
}

}  // namespace rufo::platform
