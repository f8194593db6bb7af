#include "tools/demogen/icons.h"

#include <cairo-svg.h>
#include <cairo.h>

#include <stdexcept>

#include "tools/demogen/painter.h"

namespace rufo::demogen {
namespace fs = std::filesystem;
namespace {

// The icon is drawn on a 256-unit square whatever its size.
constexpr double kUnits = 256;
constexpr double kInset = 8;

// RUFO's head, ears and scarf with some sky around: this square of his 140 x 200 figure box,
// centred on his middle (x = 70).
constexpr double kCropLeft = -6;
constexpr double kCropTop = -6;
constexpr double kCropSize = 152;

void DrawIcon(cairo_t* cr) {
  const double inner = kUnits - 2 * kInset;
  const auto tile = [&] { RoundRectPath(cr, kInset, kInset, inner, inner, 44); };
  tile();
  cairo_pattern_t* sky = cairo_pattern_create_linear(0, kInset, 0, kUnits - kInset);
  cairo_pattern_add_color_stop_rgb(sky, 0, 0.62, 0.86, 0.98);
  cairo_pattern_add_color_stop_rgb(sky, 1, 0.55, 0.82, 0.42);
  cairo_set_source(cr, sky);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(sky);
  cairo_clip(cr);

  const double scale = inner / kCropSize;
  PaintArgs args;
  args.numbers = {kInset - kCropLeft * scale, kInset - kCropTop * scale};
  args.options["scale"] = std::to_string(scale);
  Painters().at("rufo").paint(cr, args);

  cairo_reset_clip(cr);
  tile();
  SetColor(cr, kInk);
  cairo_set_line_width(cr, 5);
  cairo_stroke(cr);
}

void Check(cairo_status_t status, const fs::path& path) {
  if (status != CAIRO_STATUS_SUCCESS) {
    throw std::runtime_error("cannot write " + path.string() + ": " +
                             cairo_status_to_string(status));
  }
}

fs::path AppsFolder(const fs::path& out, const std::string& size) {
  const fs::path folder = out / "hicolor" / size / "apps";
  fs::create_directories(folder);
  return folder;
}

void WriteBitmap(const fs::path& path, int size) {
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, size, size);
  cairo_t* cr = cairo_create(surface);
  cairo_scale(cr, size / kUnits, size / kUnits);
  DrawIcon(cr);
  cairo_destroy(cr);
  const cairo_status_t status = cairo_surface_write_to_png(surface, path.c_str());
  cairo_surface_destroy(surface);
  Check(status, path);
}

void WriteScalable(const fs::path& path) {
  cairo_surface_t* surface = cairo_svg_surface_create(path.c_str(), kUnits, kUnits);
  cairo_svg_surface_set_document_unit(surface, CAIRO_SVG_UNIT_PX);
  cairo_t* cr = cairo_create(surface);
  DrawIcon(cr);
  cairo_destroy(cr);
  cairo_surface_finish(surface);
  const cairo_status_t status = cairo_surface_status(surface);
  cairo_surface_destroy(surface);
  Check(status, path);
}

}  // namespace

void WriteIcons(const fs::path& out, const std::string& name) {
  for (int size : kIconSizes) {
    const std::string folder = std::to_string(size) + "x" + std::to_string(size);
    WriteBitmap(AppsFolder(out, folder) / (name + ".png"), size);
  }
  WriteScalable(AppsFolder(out, "scalable") / (name + ".svg"));
}

}  // namespace rufo::demogen
