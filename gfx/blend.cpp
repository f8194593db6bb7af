#include "gfx/blend.h"

#include <cstring>

namespace rufo::gfx {
namespace {

using platform::PixelLayout;

struct Span {
  uint8_t* destination;
  int destinationPitch;
  const uint8_t* source;
  int sourcePitch;
  const uint8_t* mask;
  int maskPitch;
  int width;
  int height;
};

inline unsigned Mix(unsigned source, unsigned destination, unsigned a) {
  return (source * a + destination * (255 - a)) >> 8;
}

// 16-bit pixels whose fields sit at the given shifts with the given widths.
template <int kRedShift, unsigned kGreenMask>
void Blend16(const Span& s) {
  for (int row = 0; row < s.height; ++row) {
    auto* d = s.destination + static_cast<size_t>(row) * s.destinationPitch;
    const auto* p = s.source + static_cast<size_t>(row) * s.sourcePitch;
    const uint8_t* m = s.mask + static_cast<size_t>(row) * s.maskPitch;
    for (int i = 0; i < s.width; ++i, d += 2, p += 2) {
      const unsigned a = m[i];
      if (a == 0) continue;
      if (a == 255) {
        std::memcpy(d, p, 2);
        continue;
      }
      const unsigned sp = p[0] | (p[1] << 8), dp = d[0] | (d[1] << 8);
      const unsigned red = Mix((sp >> kRedShift) & 0x1F, (dp >> kRedShift) & 0x1F, a);
      const unsigned green = Mix((sp >> 5) & kGreenMask, (dp >> 5) & kGreenMask, a);
      const unsigned blue = Mix(sp & 0x1F, dp & 0x1F, a);
      const unsigned pixel = (red << kRedShift) | (green << 5) | blue;
      d[0] = static_cast<uint8_t>(pixel);
      d[1] = static_cast<uint8_t>(pixel >> 8);
    }
  }
}

// 24- and 32-bit pixels: the first three bytes are mixed, a fourth is left as it is.
template <int kBytes>
void BlendBytes(const Span& s) {
  for (int row = 0; row < s.height; ++row) {
    auto* d = s.destination + static_cast<size_t>(row) * s.destinationPitch;
    const auto* p = s.source + static_cast<size_t>(row) * s.sourcePitch;
    const uint8_t* m = s.mask + static_cast<size_t>(row) * s.maskPitch;
    for (int i = 0; i < s.width; ++i, d += kBytes, p += kBytes) {
      const unsigned a = m[i];
      if (a == 0) continue;
      if (a == 255) {
        std::memcpy(d, p, kBytes);
        continue;
      }
      d[0] = static_cast<uint8_t>(Mix(p[0], d[0], a));
      d[1] = static_cast<uint8_t>(Mix(p[1], d[1], a));
      d[2] = static_cast<uint8_t>(Mix(p[2], d[2], a));
    }
  }
}

bool Inside(const platform::Rect& inner, const platform::Rect& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

}  // namespace

bool BlendMasked(platform::Surface* destination, int x, int y, platform::Surface* source,
                 const platform::Rect* sourceRect, const uint8_t* mask) {
  if (!destination || !source || !sourceRect || !mask) return false;
  const platform::Rect& r = *sourceRect;
  if (r.right < r.left || r.bottom < r.top || !Inside(r, source->Bounds()) ||
      !Inside({x, y, x + r.Width(), y + r.Height()}, destination->Bounds()) ||
      source->Format() != destination->Format()) {
    return false;
  }
  if (platform::FrameRecord* record = destination->Recording()) {
    record->Add({platform::FrameRecord::kBlend, x, y, r.left, r.top, r.right, r.bottom});
    record->Add(source);
    record->Add(mask);
    return true;
  }
  int destinationPitch = 0, sourcePitch = 0;
  uint8_t* destinationPixels = destination->Lock(&destinationPitch);
  if (!destinationPixels) return false;
  const uint8_t* sourcePixels = source->Lock(&sourcePitch);
  if (!sourcePixels) {
    destination->Unlock();
    return false;
  }
  const int bytes = platform::BytesPerPixel(destination->Format());
  const Span span{destinationPixels + static_cast<size_t>(y) * destinationPitch + x * bytes,
                  destinationPitch,
                  sourcePixels + static_cast<size_t>(r.top) * sourcePitch + r.left * bytes,
                  sourcePitch,
                  mask + static_cast<size_t>(r.top) * source->Width() + r.left,
                  source->Width(),
                  r.Width(),
                  r.Height()};
  bool blended = true;
  switch (destination->Layout()) {
    case PixelLayout::kRgb565:
      Blend16<11, 0x3F>(span);
      break;
    case PixelLayout::kRgb555:
      Blend16<10, 0x1F>(span);
      break;
    case PixelLayout::kBgr24:
    case PixelLayout::kRgb24:
      BlendBytes<3>(span);
      break;
    case PixelLayout::kBgrx32:
    case PixelLayout::kRgbx32:
      BlendBytes<4>(span);
      break;
    case PixelLayout::kUnsupported:
      blended = false;
      break;
  }
  source->Unlock();
  destination->Unlock();
  return blended;
}

}  // namespace rufo::gfx
