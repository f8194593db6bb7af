#include "platform/surface.h"

#include <cstring>

#include "platform/surface_stats.h"

namespace rufo::platform {
namespace {

// Surfaces belong to the main thread, so a plain counter serves.
uint64_t g_surfaceWrites = 0;

// Keyed copies run 16 bytes at a time: a lane mask of key pixels picks the destination there and
// the source elsewhere. Whole surfaces of sprites go through here every frame.
template <typename Pixel>
struct LanesOf;
template <>
struct LanesOf<uint16_t> {
  typedef uint16_t Type __attribute__((vector_size(16)));
};
template <>
struct LanesOf<uint32_t> {
  typedef uint32_t Type __attribute__((vector_size(16)));
};

template <typename Pixel>
void CopyRowKeyed(uint8_t* dst, const uint8_t* src, int count, uint32_t key) {
  using Lanes = typename LanesOf<Pixel>::Type;
  constexpr int kLanes = 16 / sizeof(Pixel);
  const Pixel k = static_cast<Pixel>(key);
  const Lanes keys = Lanes{} + k;
  int i = 0;
  for (; i + kLanes <= count; i += kLanes) {
    Lanes s, d;
    std::memcpy(&s, src + i * sizeof(Pixel), sizeof s);
    std::memcpy(&d, dst + i * sizeof(Pixel), sizeof d);
    const Lanes keep = (Lanes)(s == keys);
    const Lanes out = (d & keep) | (s & ~keep);
    std::memcpy(dst + i * sizeof(Pixel), &out, sizeof out);
  }
  auto* d = reinterpret_cast<Pixel*>(dst);
  auto* s = reinterpret_cast<const Pixel*>(src);
  for (; i < count; ++i) {
    if (s[i] != k) d[i] = s[i];
  }
}

void CopyRowKeyed24(uint8_t* dst, const uint8_t* src, int count, uint32_t key) {
  for (int i = 0; i < count; ++i, dst += 3, src += 3) {
    uint32_t p = src[0] | (src[1] << 8) | (src[2] << 16);
    if (p != (key & 0xFFFFFF)) std::memcpy(dst, src, 3);
  }
}

}  // namespace

uint64_t SurfaceWrites() {
  return g_surfaceWrites;
}

void Surface::Touch() {
  ++g_surfaceWrites;
  if (recording_) recording_->MarkOpaque();
}

Surface::Surface(int width, int height, PixelFormat format, SurfaceMemory memory,
                 std::shared_ptr<SurfaceStats> stats)
    : width_(width),
      height_(height),
      format_(format),
      layout_(LayoutOf(format)),
      memory_(memory),
      bytesPerPixel_(BytesPerPixel(format)),
      pitch_((width * BytesPerPixel(format) + 3) & ~3),
      pixels_(static_cast<size_t>(pitch_) * height),
      stats_(std::move(stats)) {
  if (stats_) stats_->Add(this);
}

Surface::~Surface() {
  if (stats_) stats_->Remove(this);
}

uint8_t* Surface::Lock(int* pitch) {
  if (lost_) return nullptr;
  Touch();
  if (pitch) *pitch = pitch_;
  return pixels_.data();
}

DdResult Surface::Blit(int x, int y, const Surface& src, const Rect* srcRect, bool useSourceKey) {
  if (lost_ || src.lost_) return kDdErrSurfaceLost;
  if (src.format_ != format_) return kDdErrInvalidParams;
  if (recording_) {
    const Rect r = srcRect ? *srcRect : Rect{-1, -1, -1, -1};
    recording_->Add({FrameRecord::kBlit, x, y, r.left, r.top, r.right, r.bottom, useSourceKey,
                     src.colorKey_.value_or(-1)});
    recording_->Add(&src);
    return kDdOk;
  }
  Rect from = srcRect ? Intersect(*srcRect, src.Bounds()) : src.Bounds();
  if (srcRect) {
    x += from.left - srcRect->left;
    y += from.top - srcRect->top;
  }
  // Clip the destination, moving the source origin by the same amount.
  if (x < 0) {
    from.left -= x;
    x = 0;
  }
  if (y < 0) {
    from.top -= y;
    y = 0;
  }
  int w = std::min(from.Width(), width_ - x);
  int h = std::min(from.Height(), height_ - y);
  if (w <= 0 || h <= 0) return kDdOk;

  const int bpp = bytesPerPixel_;
  const bool keyed = useSourceKey && src.colorKey_.has_value();
  const uint32_t key = src.colorKey_.value_or(0);
  // Whole rows between surfaces of one pitch are one block: a single copy streams it fastest.
  if (!keyed && &src != this && pitch_ == src.pitch_ && x == 0 && from.left == 0 &&
      w * bpp == pitch_) {
    Touch();
    std::memmove(pixels_.data() + static_cast<size_t>(y) * pitch_,
                 src.pixels_.data() + static_cast<size_t>(from.top) * pitch_,
                 static_cast<size_t>(h) * pitch_);
    return kDdOk;
  }
  for (int row = 0; row < h; ++row) {
    uint8_t* d = Row(y + row) + static_cast<size_t>(x) * bpp;
    const uint8_t* s = src.Row(from.top + row) + static_cast<size_t>(from.left) * bpp;
    if (!keyed) {
      std::memmove(d, s, static_cast<size_t>(w) * bpp);
    } else if (bpp == 2) {
      CopyRowKeyed<uint16_t>(d, s, w, key);
    } else if (bpp == 4) {
      CopyRowKeyed<uint32_t>(d, s, w, key);
    } else if (bpp == 3) {
      CopyRowKeyed24(d, s, w, key);
    }
  }
  return kDdOk;
}

DdResult Surface::Fill(const Rect* rect, uint32_t pixel) {
  if (lost_) return kDdErrSurfaceLost;
  if (recording_) {
    const Rect r = rect ? *rect : Bounds();
    recording_->Add({FrameRecord::kFill, r.left, r.top, r.right, r.bottom, pixel});
    return kDdOk;
  }
  Rect r = rect ? Intersect(*rect, Bounds()) : Bounds();
  if (r.Empty()) return kDdOk;
  for (int x = r.left; x < r.right; ++x)
    SetPixel(x, r.top, pixel);
  const size_t offset = static_cast<size_t>(r.left) * bytesPerPixel_;
  const size_t bytes = static_cast<size_t>(r.Width()) * bytesPerPixel_;
  for (int y = r.top + 1; y < r.bottom; ++y)
    std::memcpy(Row(y) + offset, Row(r.top) + offset, bytes);
  return kDdOk;
}

bool Surface::SamePixels(const Surface& other, const Rect& area) const {
  if (other.format_ != format_) return false;
  const Rect r = Intersect(Intersect(area, Bounds()), other.Bounds());
  if (r != area) return false;
  const size_t offset = static_cast<size_t>(r.left) * bytesPerPixel_;
  const size_t bytes = static_cast<size_t>(r.Width()) * bytesPerPixel_;
  for (int y = r.top; y < r.bottom; ++y) {
    if (std::memcmp(Row(y) + offset, other.Row(y) + offset, bytes) != 0) return false;
  }
  return true;
}

uint32_t Surface::PixelAt(int x, int y) const {
  const uint8_t* p = Row(y) + static_cast<size_t>(x) * bytesPerPixel_;
  switch (bytesPerPixel_) {
    case 2:
      return p[0] | (p[1] << 8);
    case 3:
      return p[0] | (p[1] << 8) | (p[2] << 16);
    case 4:
      return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
    default:
      return 0;
  }
}

void Surface::SetPixel(int x, int y, uint32_t pixel) {
  uint8_t* p = Row(y) + static_cast<size_t>(x) * bytesPerPixel_;
  for (int i = 0; i < bytesPerPixel_; ++i)
    p[i] = static_cast<uint8_t>(pixel >> (8 * i));
}

DdResult Surface::Restore() {
  Touch();
  lost_ = false;
  return kDdOk;
}

}  // namespace rufo::platform
