#include "tools/rufo_play/region_map.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "gfx/hit_map.h"
#include "platform/data_file.h"

namespace rufo::play {
namespace {

bool InAny(const std::vector<Rect>& rects, int x, int y) {
  return std::any_of(rects.begin(), rects.end(), [&](const Rect& r) { return r.Contains(x, y); });
}

std::string RectText(const Rect& r) {
  std::string text = " ";
  for (int v : {r.left, r.top, r.right, r.bottom})
    text.append(std::to_string(v)).push_back(',');
  text.pop_back();
  return text;
}

std::string CacheKey(int value, const Rect& within, const std::vector<Rect>& avoid) {
  std::string key = std::to_string(value) + RectText(within);
  for (const Rect& r : avoid)
    key += RectText(r);
  return key;
}

}  // namespace

RegionMap::RegionMap() : values_(kWidth * kHeight, kNone) {}

RegionMap::RegionMap(std::vector<uint8_t> values) : values_(std::move(values)) {
  values_.resize(kWidth * kHeight, kNone);
}

std::optional<RegionMap> RegionMap::Load(const std::string& path) {
  std::FILE* file = platform::OpenFile(path, "rb");
  if (!file) return std::nullopt;
  gfx::HitMap map;
  const bool loaded = map.Load(file, kWidth, kHeight);
  std::fclose(file);
  if (!loaded) return std::nullopt;
  std::vector<uint8_t> values(kWidth * kHeight);
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x)
      values[y * kWidth + x] = map.Value(x, y);
  }
  return RegionMap(std::move(values));
}

uint8_t RegionMap::At(int x, int y) const {
  if (x < 0 || y < 0 || x >= kWidth || y >= kHeight) return kNone;
  return values_[y * kWidth + x];
}

bool RegionMap::Has(int value) const {
  return value >= 0 && value < kNone &&
         std::find(values_.begin(), values_.end(), value) != values_.end();
}

std::vector<int> RegionMap::Values() const {
  std::vector<bool> seen(256, false);
  for (uint8_t value : values_)
    seen[value] = true;
  std::vector<int> values;
  for (int value = 0; value < kNone; ++value) {
    if (seen[value]) values.push_back(value);
  }
  return values;
}

std::optional<Point> RegionMap::ClickPoint(int value, const std::vector<Rect>& avoid) const {
  if (value < 0 || value >= kNone) return std::nullopt;
  const Rect screen{0, 0, kWidth, kHeight};
  auto [at, added] = points_.try_emplace(CacheKey(value, screen, avoid));
  if (added) {
    at->second = DeepestPoint(
        [&](int x, int y) { return values_[y * kWidth + x] == value && !InAny(avoid, x, y); },
        screen);
  }
  return at->second;
}

std::optional<Point> RegionMap::FreePoint(const Rect& within,
                                          const std::vector<Rect>& avoid) const {
  const Rect area = platform::Intersect(within, {0, 0, kWidth, kHeight});
  auto [at, added] = points_.try_emplace(CacheKey(kNone, area, avoid));
  if (added) {
    at->second = DeepestPoint(
        [&](int x, int y) {
          return area.Contains(x, y) && values_[y * kWidth + x] == kNone && !InAny(avoid, x, y);
        },
        area);
  }
  return at->second;
}

// Labels the pieces (4-connected) inside `within`, keeps the largest, and measures each of its
// pixels' city-block distance to the nearest pixel outside it; the deepest pixel wins, the one
// nearest the piece's centre among equals.
std::optional<Point> RegionMap::DeepestPoint(const std::function<bool(int x, int y)>& inside,
                                             const Rect& within) const {
  const int w = within.Width();
  const int h = within.Height();
  if (w <= 0 || h <= 0) return std::nullopt;
  std::vector<bool> in(w * h);
  for (int i = 0; i < w * h; ++i)
    in[i] = inside(within.left + i % w, within.top + i / w);
  std::vector<int> label(w * h, -1);
  std::vector<int> stack;
  int best = -1;
  size_t bestSize = 0;
  int pieces = 0;
  for (int start = 0; start < w * h; ++start) {
    if (label[start] != -1 || !in[start]) continue;
    size_t size = 0;
    stack.push_back(start);
    label[start] = pieces;
    while (!stack.empty()) {
      const int at = stack.back();
      stack.pop_back();
      ++size;
      const int x = at % w;
      const int y = at / w;
      const int next[4][2] = {{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}};
      for (const auto& [nx, ny] : next) {
        if (nx < 0 || ny < 0 || nx >= w || ny >= h) continue;
        const int n = ny * w + nx;
        if (label[n] != -1 || !in[n]) continue;
        label[n] = pieces;
        stack.push_back(n);
      }
    }
    if (size > bestSize) {
      bestSize = size;
      best = pieces;
    }
    ++pieces;
  }
  if (best < 0) return std::nullopt;

  constexpr int kFar = std::numeric_limits<int>::max() / 2;
  std::vector<int> depth(w * h, 0);
  long long sumX = 0;
  long long sumY = 0;
  for (int i = 0; i < w * h; ++i) {
    if (label[i] != best) continue;
    const int x = i % w;
    const int y = i / w;
    sumX += x;
    sumY += y;
    const int up = y > 0 ? depth[i - w] : 0;
    const int left = x > 0 ? depth[i - 1] : 0;
    depth[i] = std::min({up + 1, left + 1, kFar});
  }
  for (int i = w * h - 1; i >= 0; --i) {
    if (label[i] != best) continue;
    const int x = i % w;
    const int y = i / w;
    const int down = y + 1 < h ? depth[i + w] : 0;
    const int right = x + 1 < w ? depth[i + 1] : 0;
    depth[i] = std::min({depth[i], down + 1, right + 1});
  }
  const double centreX = double(sumX) / double(bestSize);
  const double centreY = double(sumY) / double(bestSize);
  int chosen = -1;
  double chosenDistance = 0;
  for (int i = 0; i < w * h; ++i) {
    if (label[i] != best) continue;
    const double dx = i % w - centreX;
    const double dy = i / w - centreY;
    const double distance = dx * dx + dy * dy;
    if (chosen < 0 || depth[i] > depth[chosen] ||
        (depth[i] == depth[chosen] && distance < chosenDistance)) {
      chosen = i;
      chosenDistance = distance;
    }
  }
  return Point{within.left + chosen % w, within.top + chosen / w};
}

}  // namespace rufo::play
