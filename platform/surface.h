#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "platform/dd_result.h"
#include "platform/frame_record.h"
#include "platform/pixel_format.h"
#include "platform/rect.h"

namespace rufo::platform {

enum class SurfaceMemory { kVideo, kSystem };

struct SurfaceStats;

// Counts every change of any surface's pixels or colour key, and every lock or writable row
// taken, which may change them. Equal counts mean that no surface changed in between.
uint64_t SurfaceWrites();

// A software picture surface: a block of pixels in one of the RGB layouts, with an optional
// source colour key. Surfaces come from a VideoDevice, which can mark them lost; a lost surface
// refuses blits and locks until it is restored (its pixels are then undefined if it lived in
// "video" memory, as on real hardware).
class Surface {
 public:
  Surface(int width, int height, PixelFormat format, SurfaceMemory memory,
          std::shared_ptr<SurfaceStats> stats);
  ~Surface();
  Surface(const Surface&) = delete;
  Surface& operator=(const Surface&) = delete;

  int Width() const { return width_; }
  int Height() const { return height_; }
  const PixelFormat& Format() const { return format_; }
  PixelLayout Layout() const { return layout_; }
  SurfaceMemory Memory() const { return memory_; }
  int Pitch() const { return pitch_; }
  Rect Bounds() const { return {0, 0, width_, height_}; }

  // Direct pixel access; nullptr while the surface is lost. Unlock is a no-op kept for symmetry
  // with the locking contract callers follow.
  uint8_t* Lock(int* pitch);
  const uint8_t* Pixels() const { return pixels_.data(); }
  uint8_t* Row(int y) {
    Touch();
    return pixels_.data() + static_cast<size_t>(y) * pitch_;
  }
  const uint8_t* Row(int y) const { return pixels_.data() + static_cast<size_t>(y) * pitch_; }
  void Unlock() {}

  void SetColorKey(std::optional<uint32_t> pixel) {
    Touch();
    colorKey_ = pixel;
  }
  std::optional<uint32_t> ColorKey() const { return colorKey_; }

  // Copies src (or its part srcRect) to (x, y). With useSourceKey, source pixels equal to the
  // source's colour key are skipped. The rectangle is clipped to both surfaces. Formats must match.
  DdResult Blit(int x, int y, const Surface& src, const Rect* srcRect, bool useSourceKey);
  // Fills the rectangle (whole surface for nullptr), clipped to the surface, with a pixel value.
  DdResult Fill(const Rect* rect, uint32_t pixel);

  // Whether the area holds the same pixels here and in other (same format; area within both).
  bool SamePixels(const Surface& other, const Rect& area) const;

  uint32_t PixelAt(int x, int y) const;
  void SetPixel(int x, int y, uint32_t pixel);

  bool IsLost() const { return lost_; }
  void MarkLost() {
    Touch();
    lost_ = true;
  }
  DdResult Restore();

  // While a record is set, blits and fills onto this surface (and text and lines drawn through a
  // device context) are written into it instead of drawn; direct pixel access makes it opaque.
  void SetRecording(FrameRecord* record) { recording_ = record; }
  FrameRecord* Recording() const { return recording_; }

 private:
  void Touch();

  int width_;
  int height_;
  PixelFormat format_;
  PixelLayout layout_;
  SurfaceMemory memory_;
  int bytesPerPixel_;
  int pitch_;
  std::vector<uint8_t> pixels_;
  std::optional<uint32_t> colorKey_;
  bool lost_ = false;
  FrameRecord* recording_ = nullptr;
  std::shared_ptr<SurfaceStats> stats_;
};

}  // namespace rufo::platform
