// rufo-data sheet ROOT OUT.png: a contact sheet of every picture and every animation frame in
// a data tree, labelled with its path, so that a person can review the art at a glance.
// Colour-keyed pixels show as a light checkerboard.
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "controls/ani_file.h"
#include "tools/rufo_data/command.h"
#include "tools/rufo_data/contact_sheet.h"

namespace rufo::data_tool {
namespace {

namespace fs = std::filesystem;

using Surface = CairoSurface;

bool IsKey(uint8_t r, uint8_t g, uint8_t b) {
  return r >= 248 && g < 4 && b >= 248;
}

// A surface with the key colour replaced by a checkerboard.
Surface Unkeyed(int width, int height, const std::vector<uint32_t>& rgb) {
  Surface surface(cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height),
                  cairo_surface_destroy);
  cairo_surface_flush(surface.get());
  unsigned char* data = cairo_image_surface_get_data(surface.get());
  const int stride = cairo_image_surface_get_stride(surface.get());
  for (int y = 0; y < height; ++y) {
    auto* row = reinterpret_cast<uint32_t*>(data + y * stride);
    for (int x = 0; x < width; ++x) {
      const uint32_t p = rgb[size_t(y) * width + x];
      const bool key = IsKey((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
      row[x] = key ? (((x / 6 + y / 6) % 2) ? 0xE8E8E8 : 0xFFFFFF) : p;
    }
  }
  cairo_surface_mark_dirty(surface.get());
  return surface;
}

std::vector<Tile> PngTile(const fs::path& file, const std::string& label) {
  std::vector<Tile> tiles;
  Surface loaded(cairo_image_surface_create_from_png(file.c_str()), cairo_surface_destroy);
  if (cairo_surface_status(loaded.get()) != CAIRO_STATUS_SUCCESS) {
    tiles.push_back(LabelOnly(label + " (unreadable)"));
    return tiles;
  }
  const int w = cairo_image_surface_get_width(loaded.get());
  const int h = cairo_image_surface_get_height(loaded.get());
  cairo_surface_flush(loaded.get());
  const unsigned char* data = cairo_image_surface_get_data(loaded.get());
  const int stride = cairo_image_surface_get_stride(loaded.get());
  std::vector<uint32_t> rgb(size_t(w) * h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      rgb[size_t(y) * w + x] = reinterpret_cast<const uint32_t*>(data + y * stride)[x] & 0xFFFFFF;
    }
  }
  tiles.push_back({label, Unkeyed(w, h, rgb)});
  return tiles;
}

std::vector<Tile> AniTiles(const fs::path& file, const std::string& label) {
  std::vector<Tile> tiles;
  AniFile ani;
  if (!ani.Open(std::fopen(file.c_str(), "rb"))) {
    tiles.push_back(LabelOnly(label + " (unreadable)"));
    return tiles;
  }
  const int width = static_cast<int>(ani.Header().width);
  const int height = static_cast<int>(ani.Header().height);
  for (int f = 0; f < ani.FrameCount(); ++f) {
    const std::string frameLabel = label + " #" + std::to_string(f);
    if (!ani.LoadFrame(f)) {
      tiles.push_back(LabelOnly(frameLabel + " (unreadable)"));
      continue;
    }
    std::vector<uint8_t> bytes(size_t(width) * height * 3);
    DecodeAniFrame(*ani.CachedFrame(f), ani.Header().runMarker, width, height, bytes.data(),
                   width * 3, platform::PixelLayout::kRgb24);
    std::vector<uint32_t> rgb;
    for (size_t i = 0; i < bytes.size(); i += 3)
      rgb.push_back(uint32_t{bytes[i]} << 16 | uint32_t{bytes[i + 1]} << 8 | bytes[i + 2]);
    tiles.push_back({frameLabel, Unkeyed(width, height, rgb)});
  }
  return tiles;
}

// The extension in lower case: a tree made where letter case does not count may say ".PNG".
std::string Extension(const fs::path& file) {
  std::string extension = file.extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return extension;
}

int Run(std::span<char*> args) {
  if (args.size() != 2) {
    std::fprintf(stderr, "usage: rufo-data sheet ROOT OUT.png\n");
    return 2;
  }
  const fs::path root = args[0];
  std::vector<fs::path> files;
  std::error_code error;
  for (fs::recursive_directory_iterator it(root, error), end; !error && it != end;
       it.increment(error)) {
    const std::string extension = Extension(it->path());
    if (it->is_regular_file() && (extension == ".png" || extension == ".ani")) {
      files.push_back(it->path());
    }
  }
  if (error || files.empty()) {
    std::fprintf(stderr, "rufo-data sheet: no pictures under %s\n", root.c_str());
    return 1;
  }
  std::sort(files.begin(), files.end());
  std::vector<Tile> tiles;
  for (const fs::path& file : files) {
    const std::string label = fs::relative(file, root).string();
    for (Tile& tile : Extension(file) == ".png" ? PngTile(file, label) : AniTiles(file, label)) {
      tiles.push_back(std::move(tile));
    }
  }
  if (!WriteContactSheet(tiles, SheetLayout{}, args[1], "sheet")) return 1;
  std::printf("%zu pictures and frames on %s\n", tiles.size(), args[1]);
  return 0;
}

const Registration kSheet({"sheet", "ROOT OUT.png", Run});

}  // namespace
}  // namespace rufo::data_tool
