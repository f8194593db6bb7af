#pragma once

#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

typedef struct png_struct_def png_struct;
typedef struct png_info_def png_info;

namespace rufo::gfx {

// Where libpng's warnings and error texts go, as lines "libpng warning: TEXT" and
// "libpng error: TEXT" (the engine sends them to its log); nowhere when no sink is set.
using PngMessageSink = std::function<void(const std::string& line)>;
void SetPngMessageSink(PngMessageSink sink);

// Decodes a PNG stream into 8-bit R, G, B rows whatever the file holds: palettes and grey are
// expanded, 16-bit samples keep their high byte, an alpha channel or transparency chunk is
// dropped, interlacing is undone and a gamma chunk is corrected for a screen gamma of 2.2.
// The stream stays the caller's.
class PngReader {
 public:
  using RowSink = std::function<void(int y, const uint8_t* rgb)>;

  explicit PngReader(std::FILE* file) : file_(file) {}
  ~PngReader();
  PngReader(const PngReader&) = delete;
  PngReader& operator=(const PngReader&) = delete;

  // Checks the signature and reads the header chunks. False for anything that is not a PNG,
  // a damaged header or a size outside the picture limits.
  bool ReadHeader();
  int Width() const { return width_; }
  int Height() const { return height_; }

  // After ReadHeader: hands each row (Width() × 3 bytes) to the sink, top row first, and reads
  // to the end of the file. False when the data is damaged; rows handed out before stay so.
  bool ReadRows(const RowSink& sink);

 private:
  bool ReadHeaderGuarded();
  bool ReadRowsGuarded(const RowSink& sink);

  std::FILE* file_;
  png_struct* png_ = nullptr;
  png_info* info_ = nullptr;
  int width_ = 0;
  int height_ = 0;
  int passes_ = 1;
  size_t rowBytes_ = 0;
  std::vector<uint8_t> rows_;
};

}  // namespace rufo::gfx
