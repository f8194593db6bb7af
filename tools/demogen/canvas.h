#pragma once

#include <cairo.h>

#include <cstdint>
#include <vector>

#include "tools/assetkit/png_writer.h"

namespace rufo::demogen {

// A transparent cairo drawing surface and the ways the game's pictures are made from it.
class Canvas {
 public:
  Canvas(int width, int height);
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  cairo_t* Context() { return cr_; }
  int Width() const { return width_; }
  int Height() const { return height_; }

  // The drawing over white: for backgrounds.
  assetkit::PngPicture Opaque() const;
  // Magenta where the drawing is less than half covering, the true colour elsewhere: for
  // pictures drawn with the magenta colour key. No covered pixel turns into the key.
  assetkit::PngPicture Keyed() const;
  // Keyed() as 5-6-5 pixels, for animation frames.
  std::vector<uint16_t> Keyed565() const;
  // A cursor: every pixel the drawing touches in its true colour, the rest magenta; and its
  // mask, the coverage as grey (soft edges).
  assetkit::PngPicture CursorPicture() const;
  assetkit::PngPicture CursorMask() const;

 private:
  struct Pixel {
    uint8_t r, g, b, a;
  };
  Pixel At(int x, int y) const;
  assetkit::PngPicture Keyed(int threshold) const;

  int width_;
  int height_;
  cairo_surface_t* surface_;
  cairo_t* cr_;
};

}  // namespace rufo::demogen
