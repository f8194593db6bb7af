#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace rufo::gfx {

// The per-screen map of regions: one byte per screen pixel, row after row from the top, read
// from the red samples of a greyscale picture of exactly the screen's size.
class HitMap {
 public:
  static constexpr uint8_t kNoRegion = 255;

  // Reads a PNG map of exactly width × height pixels from the stream. On any failure (not a
  // PNG, damaged, another size) no map is left, since the one before belongs to another picture;
  // *fault (when given) then says what was wrong.
  bool Load(std::FILE* file, int width, int height, std::string* fault = nullptr);
  void Free();
  bool Loaded() const { return !bytes_.empty(); }
  // kNoRegion without a map or outside it.
  uint8_t Value(int x, int y) const;

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<uint8_t> bytes_;
};

}  // namespace rufo::gfx
