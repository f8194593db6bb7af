#include "tools/rufo_data/contact_sheet.h"

#include <algorithm>
#include <cstdio>

#include "tools/assetkit/png_writer.h"

namespace rufo::data_tool {
namespace {

// cairo's image surfaces are at most this many pixels wide and high.
constexpr int kMaxSide = 32767;

void DrawTile(cairo_t* cr, const Tile& tile, const SheetLayout& layout, int x, int y) {
  if (tile.picture) {
    const int w = cairo_image_surface_get_width(tile.picture.get());
    const int h = cairo_image_surface_get_height(tile.picture.get());
    const double scale = std::min({1.0, double(layout.boxWidth) / w, double(layout.boxHeight) / h});
    cairo_save(cr);
    cairo_translate(cr, x + (layout.tileWidth - w * scale) / 2,
                    y + 4 + (layout.boxHeight - h * scale) / 2);
    cairo_scale(cr, scale, scale);
    cairo_set_source_surface(cr, tile.picture.get(), 0, 0);
    cairo_paint(cr);
    cairo_restore(cr);
  }
  cairo_set_source_rgb(cr, 0.1, 0.1, 0.1);
  cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, layout.fontSize);
  const size_t fits = static_cast<size_t>(layout.labelChars);
  std::string label = tile.label;
  if (label.size() > fits) {
    // Cut at a character's first byte: cairo draws nothing more after invalid UTF-8.
    size_t from = label.size() - (fits - 1);
    while (from < label.size() && (static_cast<unsigned char>(label[from]) & 0xC0) == 0x80)
      ++from;
    label = "…" + label.substr(from);
  }
  cairo_move_to(cr, x + 4, y + layout.tileHeight - 6);
  cairo_show_text(cr, label.c_str());
}

}  // namespace

Tile LabelOnly(std::string label) {
  return {std::move(label), CairoSurface(nullptr, cairo_surface_destroy)};
}

bool WriteContactSheet(const std::vector<Tile>& tiles, const SheetLayout& layout,
                       const std::string& out, const char* tool) {
  // A long list widens the sheet instead of growing it past what cairo can hold.
  const size_t maxRows = kMaxSide / layout.tileHeight;
  const int columns =
      static_cast<int>(std::max<size_t>(layout.columns, (tiles.size() + maxRows - 1) / maxRows));
  const int rows = static_cast<int>((tiles.size() + columns - 1) / columns);
  const int width = columns * layout.tileWidth;
  const int height = rows * layout.tileHeight;
  CairoSurface sheet(cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height),
                     cairo_surface_destroy);
  if (width > kMaxSide || cairo_surface_status(sheet.get()) != CAIRO_STATUS_SUCCESS) {
    std::fprintf(stderr, "rufo-data %s: %zu pictures do not fit on one sheet\n", tool,
                 tiles.size());
    return false;
  }
  cairo_t* cr = cairo_create(sheet.get());
  cairo_set_source_rgb(cr, 0.78, 0.8, 0.84);
  cairo_paint(cr);
  for (size_t i = 0; i < tiles.size(); ++i) {
    DrawTile(cr, tiles[i], layout, int(i % columns) * layout.tileWidth,
             int(i / columns) * layout.tileHeight);
  }
  cairo_destroy(cr);
  cairo_surface_flush(sheet.get());
  assetkit::PngPicture picture{width, height, assetkit::PngColor::kRgb, {}};
  const unsigned char* data = cairo_image_surface_get_data(sheet.get());
  const int stride = cairo_image_surface_get_stride(sheet.get());
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const uint32_t p = reinterpret_cast<const uint32_t*>(data + y * stride)[x];
      picture.pixels.insert(picture.pixels.end(), {uint8_t(p >> 16), uint8_t(p >> 8), uint8_t(p)});
    }
  }
  if (!assetkit::WritePng(out, picture)) {
    std::fprintf(stderr, "rufo-data %s: cannot write %s\n", tool, out.c_str());
    return false;
  }
  return true;
}

}  // namespace rufo::data_tool
