#include "tools/demogen/canvas.h"

#include <stdexcept>

#include "tools/assetkit/ani_file.h"

namespace rufo::demogen {

Canvas::Canvas(int width, int height) : width_(width), height_(height) {
  if (width <= 0 || height <= 0 || width > 4096 || height > 4096) {
    throw std::invalid_argument("picture size out of range");
  }
  surface_ = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
  cr_ = cairo_create(surface_);
}

Canvas::~Canvas() {
  cairo_destroy(cr_);
  cairo_surface_destroy(surface_);
}

Canvas::Pixel Canvas::At(int x, int y) const {
  const unsigned char* data = cairo_image_surface_get_data(surface_);
  const int stride = cairo_image_surface_get_stride(surface_);
  const uint32_t argb = *reinterpret_cast<const uint32_t*>(data + y * stride + x * 4);
  const uint8_t a = argb >> 24;
  if (a == 0) return {0, 0, 0, 0};
  // cairo keeps colours premultiplied by coverage; undo that for the true colour.
  auto channel = [&](int shift) {
    const unsigned value = (argb >> shift) & 0xFF;
    return static_cast<uint8_t>(std::min(255u, (value * 255 + a / 2) / a));
  };
  return {channel(16), channel(8), channel(0), a};
}

assetkit::PngPicture Canvas::Opaque() const {
  cairo_surface_flush(surface_);
  assetkit::PngPicture picture{width_, height_, assetkit::PngColor::kRgb, {}};
  picture.pixels.reserve(size_t(width_) * height_ * 3);
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      const Pixel p = At(x, y);
      for (uint8_t c : {p.r, p.g, p.b}) {
        picture.pixels.push_back(static_cast<uint8_t>((c * p.a + 255 * (255 - p.a) + 127) / 255));
      }
    }
  }
  return picture;
}

assetkit::PngPicture Canvas::Keyed(int threshold) const {
  cairo_surface_flush(surface_);
  assetkit::PngPicture picture{width_, height_, assetkit::PngColor::kRgb, {}};
  picture.pixels.reserve(size_t(width_) * height_ * 3);
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      Pixel p = At(x, y);
      if (p.a < threshold) {
        p = {255, 0, 255, 255};
      } else if ((p.r >> 3) == 31 && (p.g >> 2) == 0 && (p.b >> 3) == 31) {
        p.g = 4;  // would read as the key on a 16-bit display
      }
      picture.pixels.insert(picture.pixels.end(), {p.r, p.g, p.b});
    }
  }
  return picture;
}

assetkit::PngPicture Canvas::Keyed() const {
  return Keyed(128);
}

std::vector<uint16_t> Canvas::Keyed565() const {
  const assetkit::PngPicture picture = Keyed(128);
  std::vector<uint16_t> pixels;
  pixels.reserve(size_t(width_) * height_);
  for (size_t i = 0; i < picture.pixels.size(); i += 3) {
    pixels.push_back(
        assetkit::Rgb565(picture.pixels[i], picture.pixels[i + 1], picture.pixels[i + 2]));
  }
  return pixels;
}

assetkit::PngPicture Canvas::CursorPicture() const {
  return Keyed(1);
}

assetkit::PngPicture Canvas::CursorMask() const {
  cairo_surface_flush(surface_);
  assetkit::PngPicture mask{width_, height_, assetkit::PngColor::kRgb, {}};
  mask.pixels.reserve(size_t(width_) * height_ * 3);
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      const uint8_t a = At(x, y).a;
      mask.pixels.insert(mask.pixels.end(), {a, a, a});
    }
  }
  return mask;
}

}  // namespace rufo::demogen
