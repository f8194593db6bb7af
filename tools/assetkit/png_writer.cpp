#include "tools/assetkit/png_writer.h"

#include <png.h>

#include <cstdio>

namespace rufo::assetkit {
namespace {

void AppendBytes(png_structp png, png_bytep data, png_size_t length) {
  auto* out = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(png));
  out->insert(out->end(), data, data + length);
}

void NoFlush(png_structp) {}

int PngColorType(PngColor color) {
  switch (color) {
    case PngColor::kGrey:
      return PNG_COLOR_TYPE_GRAY;
    case PngColor::kRgba:
      return PNG_COLOR_TYPE_RGB_ALPHA;
    case PngColor::kRgb:
      break;
  }
  return PNG_COLOR_TYPE_RGB;
}

// libpng reports errors by jumping back here; nothing with a destructor lives in this frame
// between the jump point and the libpng calls.
bool Encode(png_structp png, png_infop info, const PngPicture& picture, size_t rowBytes) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_set_IHDR(png, info, picture.width, picture.height, 8, PngColorType(picture.color),
               PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  for (int y = 0; y < picture.height; ++y) {
    png_write_row(png, picture.pixels.data() + static_cast<size_t>(y) * rowBytes);
  }
  png_write_end(png, nullptr);
  return true;
}

}  // namespace

int SamplesPerPixel(PngColor color) {
  switch (color) {
    case PngColor::kGrey:
      return 1;
    case PngColor::kRgba:
      return 4;
    case PngColor::kRgb:
      break;
  }
  return 3;
}

std::vector<uint8_t> EncodePng(const PngPicture& picture) {
  const size_t rowBytes = static_cast<size_t>(picture.width) * SamplesPerPixel(picture.color);
  if (picture.width <= 0 || picture.height <= 0 ||
      picture.pixels.size() != rowBytes * static_cast<size_t>(picture.height)) {
    return {};
  }
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  if (!png) return {};
  png_infop info = png_create_info_struct(png);
  std::vector<uint8_t> bytes;
  png_set_write_fn(png, &bytes, AppendBytes, NoFlush);
  const bool ok = info && Encode(png, info, picture, rowBytes);
  png_destroy_write_struct(&png, &info);
  if (!ok) bytes.clear();
  return bytes;
}

bool WritePng(const std::string& path, const PngPicture& picture) {
  const std::vector<uint8_t> bytes = EncodePng(picture);
  if (bytes.empty()) return false;
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  return std::fclose(file) == 0 && written;
}

}  // namespace rufo::assetkit
