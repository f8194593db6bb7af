// rufo-data picture IN OUT.png [--layout L] [--hitmap]: shows what the game makes of a picture.
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "engine/interface_properties.h"
#include "gfx/hit_map.h"
#include "gfx/picture_file.h"
#include "platform/data_file.h"
#include "platform/window.h"
#include "tools/assetkit/png_writer.h"
#include "tools/rufo_data/command.h"

namespace rufo::data_tool {
namespace {

using platform::PixelLayout;

constexpr struct {
  const char* name;
  PixelLayout layout;
} kLayouts[] = {{"565", PixelLayout::kRgb565},    {"555", PixelLayout::kRgb555},
                {"bgr24", PixelLayout::kBgr24},   {"rgb24", PixelLayout::kRgb24},
                {"bgrx32", PixelLayout::kBgrx32}, {"rgbx32", PixelLayout::kRgbx32}};

bool ParseLayout(const char* name, PixelLayout* layout) {
  for (const auto& entry : kLayouts) {
    if (std::strcmp(entry.name, name) == 0) {
      *layout = entry.layout;
      return true;
    }
  }
  return false;
}

// The picture through the game's loaders, in the layout, widened back to 8-bit RGB as a
// display of that layout shows it.
bool LoadAsShown(const std::string& path, PixelLayout layout, assetkit::PngPicture* out) {
  const gfx::SurfaceFactory create = gfx::FixedLayoutFactory(layout);
  std::unique_ptr<platform::Surface> surface;
  const bool pngFirst = path.size() >= 4 && path.compare(path.size() - 4, 4, ".png") == 0;
  const bool loaded = pngFirst ? gfx::LoadPngPicture(path, create, &surface) ||
                                     gfx::LoadBmpPicture(path, create, &surface)
                               : gfx::LoadBmpPicture(path, create, &surface) ||
                                     gfx::LoadPngPicture(path, create, &surface);
  if (!loaded) return false;
  *out = {surface->Width(), surface->Height(), assetkit::PngColor::kRgb, {}};
  out->pixels.reserve(static_cast<size_t>(out->width) * out->height * 3);
  for (int y = 0; y < out->height; ++y) {
    for (int x = 0; x < out->width; ++x) {
      const uint32_t rgb = platform::PixelToRgb(*surface, x, y);
      out->pixels.insert(out->pixels.end(),
                         {static_cast<uint8_t>(rgb >> 16), static_cast<uint8_t>(rgb >> 8),
                          static_cast<uint8_t>(rgb)});
    }
  }
  return true;
}

// The hit map through the game's loader, at the game's screen size, as greyscale.
bool LoadHitMapAsGrey(const std::string& path, assetkit::PngPicture* out) {
  const InterfaceProperties screen;
  std::FILE* file = platform::OpenFile(path, "rb");
  if (!file) return false;
  gfx::HitMap map;
  const bool loaded = map.Load(file, screen.width, screen.height);
  std::fclose(file);
  if (!loaded) return false;
  *out = {screen.width, screen.height, assetkit::PngColor::kGrey, {}};
  for (int y = 0; y < screen.height; ++y) {
    for (int x = 0; x < screen.width; ++x)
      out->pixels.push_back(map.Value(x, y));
  }
  return true;
}

int Run(std::span<char*> args) {
  PixelLayout layout = PixelLayout::kRgb565;
  bool hitMap = false;
  std::string paths[2];
  int pathCount = 0;
  for (size_t i = 0; i < args.size(); ++i) {
    if (std::strcmp(args[i], "--hitmap") == 0) {
      hitMap = true;
    } else if (std::strcmp(args[i], "--layout") == 0 && i + 1 < args.size()) {
      if (!ParseLayout(args[++i], &layout)) {
        std::fprintf(stderr, "unknown layout %s\n", args[i]);
        return 2;
      }
    } else if (pathCount < 2 && args[i][0] != '-') {
      paths[pathCount++] = args[i];
    } else {
      std::fprintf(stderr, "unexpected argument %s\n", args[i]);
      return 2;
    }
  }
  if (pathCount != 2) {
    std::fprintf(stderr, "picture needs an input and an output file\n");
    return 2;
  }
  assetkit::PngPicture picture;
  const bool loaded =
      hitMap ? LoadHitMapAsGrey(paths[0], &picture) : LoadAsShown(paths[0], layout, &picture);
  if (!loaded) {
    std::fprintf(stderr, "%s: the game cannot load this %s\n", paths[0].c_str(),
                 hitMap ? "hit map (a PNG of 640 x 480)" : "picture");
    return 1;
  }
  if (!assetkit::WritePng(paths[1], picture)) {
    std::fprintf(stderr, "%s: cannot write\n", paths[1].c_str());
    return 1;
  }
  return 0;
}

const Registration registration(
    {"picture", "IN OUT.png [--layout 565|555|bgr24|rgb24|bgrx32|rgbx32] [--hitmap]", Run});

}  // namespace
}  // namespace rufo::data_tool
