#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/rect.h"

namespace rufo::play {

using platform::Point;
using platform::Rect;

// A screen's hit map as the player sees it: one region value per game pixel, 255 for none.
class RegionMap {
 public:
  static constexpr int kWidth = 640;
  static constexpr int kHeight = 480;
  static constexpr uint8_t kNone = 255;

  // A map with no region anywhere.
  RegionMap();
  // `values` holds kWidth × kHeight bytes, row after row.
  explicit RegionMap(std::vector<uint8_t> values);
  // Reads a hit-map picture with the game's own reader; nullopt when it cannot.
  static std::optional<RegionMap> Load(const std::string& path);

  uint8_t At(int x, int y) const;
  bool Has(int value) const;
  // Every region value present, in increasing order.
  std::vector<int> Values() const;

  // Where a child would click a region: the pixel deepest inside its largest connected piece,
  // leaving out the `avoid` rectangles. nullopt when the region has no pixel outside them.
  std::optional<Point> ClickPoint(int value, const std::vector<Rect>& avoid = {}) const;
  // The pixel deepest inside the largest piece with no region, within `within` and outside
  // `avoid`: somewhere a click reaches nothing.
  std::optional<Point> FreePoint(const Rect& within, const std::vector<Rect>& avoid = {}) const;

 private:
  std::optional<Point> DeepestPoint(const std::function<bool(int x, int y)>& inside,
                                    const Rect& within) const;

  std::vector<uint8_t> values_;
  // Points found before, by what was asked.
  mutable std::map<std::string, std::optional<Point>> points_;
};

}  // namespace rufo::play
