#include "gfx/png_reader.h"

#include <png.h>

#include "platform/picture_limits.h"

namespace rufo::gfx {
namespace {

constexpr double kScreenGamma = 2.2;

PngMessageSink& MessageSink() {
  static PngMessageSink sink;
  return sink;
}

void ReportWarning(png_structp, png_const_charp text) {
  if (MessageSink()) MessageSink()(std::string("libpng warning: ") + text);
}

// Reports, then jumps back to the point each guarded step sets.
[[noreturn]] void ReportError(png_structp png, png_const_charp text) {
  if (MessageSink()) MessageSink()(std::string("libpng error: ") + text);
  png_longjmp(png, 1);
}

}  // namespace

void SetPngMessageSink(PngMessageSink sink) {
  MessageSink() = std::move(sink);
}

PngReader::~PngReader() {
  if (png_) png_destroy_read_struct(&png_, &info_, nullptr);
}

bool PngReader::ReadHeader() {
  png_byte signature[8];
  if (png_ || std::fread(signature, 1, sizeof signature, file_) != sizeof signature ||
      png_sig_cmp(signature, 0, sizeof signature) != 0) {
    return false;
  }
  png_ = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, ReportError, ReportWarning);
  if (!png_) return false;
  info_ = png_create_info_struct(png_);
  return info_ && ReadHeaderGuarded();
}

// libpng reports errors by a jump back to the point set here. Only plain values are touched
// between the jump point and the libpng calls.
bool PngReader::ReadHeaderGuarded() {
  if (setjmp(png_jmpbuf(png_))) return false;
  png_set_user_limits(png_, platform::kMaxPictureSide, platform::kMaxPictureSide);
  png_init_io(png_, file_);
  png_set_sig_bytes(png_, 8);
  png_read_info(png_, info_);
  png_uint_32 width = 0, height = 0;
  int bitDepth = 0, colorType = 0;
  png_get_IHDR(png_, info_, &width, &height, &bitDepth, &colorType, nullptr, nullptr, nullptr);
  if (!platform::PictureSizeAllowed(width, height)) return false;

  if (colorType == PNG_COLOR_TYPE_PALETTE) png_set_expand(png_);
  if (colorType == PNG_COLOR_TYPE_GRAY && bitDepth < 8) png_set_expand(png_);
  if (png_get_valid(png_, info_, PNG_INFO_tRNS)) png_set_expand(png_);
  if (bitDepth == 16) png_set_strip_16(png_);
  if (colorType == PNG_COLOR_TYPE_GRAY || colorType == PNG_COLOR_TYPE_GRAY_ALPHA) {
    png_set_gray_to_rgb(png_);
  }
  double fileGamma = 0;
  if (png_get_gAMA(png_, info_, &fileGamma)) png_set_gamma(png_, kScreenGamma, fileGamma);
  // Transparency on screen comes from colour keys and masks, never from the picture itself.
  png_set_strip_alpha(png_);
  passes_ = png_set_interlace_handling(png_);
  png_read_update_info(png_, info_);

  width_ = static_cast<int>(width);
  height_ = static_cast<int>(height);
  rowBytes_ = png_get_rowbytes(png_, info_);
  return rowBytes_ == static_cast<size_t>(width_) * 3;
}

bool PngReader::ReadRows(const RowSink& sink) {
  if (!png_ || rowBytes_ == 0) return false;
  // An interlaced picture is only complete after its last pass, so it is kept whole.
  rows_.assign(rowBytes_ * (passes_ > 1 ? height_ : 1), 0);
  return ReadRowsGuarded(sink);
}

bool PngReader::ReadRowsGuarded(const RowSink& sink) {
  if (setjmp(png_jmpbuf(png_))) return false;
  if (passes_ == 1) {
    for (int y = 0; y < height_; ++y) {
      png_read_row(png_, rows_.data(), nullptr);
      sink(y, rows_.data());
    }
  } else {
    for (int pass = 0; pass < passes_; ++pass) {
      for (int y = 0; y < height_; ++y)
        png_read_row(png_, rows_.data() + y * rowBytes_, nullptr);
    }
  }
  png_read_end(png_, nullptr);
  if (passes_ > 1) {
    for (int y = 0; y < height_; ++y)
      sink(y, rows_.data() + y * rowBytes_);
  }
  return true;
}

}  // namespace rufo::gfx
