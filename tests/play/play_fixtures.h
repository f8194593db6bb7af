#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/rect.h"
#include "tests/support/temp_folder.h"
#include "tools/rufo_play/region_map.h"

namespace rufo::play::test {

// A hit map drawn by hand: rectangles of region values on an empty map.
class MaskDrawing {
 public:
  MaskDrawing() : values_(RegionMap::kWidth * RegionMap::kHeight, RegionMap::kNone) {}
  // Drawing over a map that exists.
  explicit MaskDrawing(const RegionMap& map);
  MaskDrawing& Fill(const platform::Rect& rect, uint8_t value);
  RegionMap Map() const { return RegionMap(values_); }
  // Writes it as the greyscale picture the game reads.
  void Write(const rufo::test::TempFolder& folder, const std::string& relative) const;

 private:
  std::vector<uint8_t> values_;
};

// The demo data tree at `to`, made of links to its files, so that a test can replace single
// files without touching the tree other tests read.
void LinkDemoTree(const std::filesystem::path& to);
// Writes `content` in place of a file or of its link.
void Replace(const std::filesystem::path& file, const std::string& content);

// Runs rufo-play with the arguments; what it printed. The folder it keeps for a failed game goes
// into `folder`.
std::string RunPlayer(const rufo::test::TempFolder& folder, const std::string& arguments,
                      int* exitCode);

}  // namespace rufo::play::test
