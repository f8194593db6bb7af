#include "tools/rufo_play/screen_view.h"

#include <algorithm>
#include <set>

#include "controls/screen_script.h"

namespace rufo::play {

ScreenView::ScreenView(DataTree& data, const Place& place, std::vector<Rect> avoid)
    : data_(data), place_(place), avoid_(std::move(avoid)) {
  for (const std::string& name : place.scripts) {
    if ((script_ = data.Script(name))) break;
  }
  for (const std::string& name : place.masks) {
    if (const RegionMap* mask = data.Mask(name)) masks_.emplace_back(name, mask);
  }
}

void ScreenView::PreferMask(const std::string& name) {
  std::stable_partition(masks_.begin(), masks_.end(),
                        [&](const auto& mask) { return mask.first == name; });
}

std::optional<Point> ScreenView::Region(int value, std::string* problem) const {
  for (const auto& [name, mask] : masks_) {
    if (std::optional<Point> point = mask->ClickPoint(value, avoid_)) return point;
  }
  if (masks_.empty()) {
    *problem = place_.masks.empty() ? Describe(place_.id) + " has no hit map"
                                    : std::string(place_.masks.front()) + " is missing";
  } else {
    *problem = masks_.front().first + " has no region " + std::to_string(value);
  }
  return std::nullopt;
}

std::optional<Rect> ScreenView::PictureRect(const ScriptEntry& entry, std::string* problem) const {
  const std::optional<Size> size = data_.PictureSize(entry.path);
  if (!size) {
    *problem = "the picture " + entry.path + " of " + entry.name + " is missing";
    return std::nullopt;
  }
  int width = size->width;
  int height = size->height;
  if (entry.type == kEntryAnimatedBitmap && entry.number > 0) width /= entry.number;
  if (entry.type == kEntryButton) height /= 4;
  return Rect{entry.x, entry.y, entry.x + width, entry.y + height};
}

std::optional<Point> ScreenView::Control(const std::string& name, std::string* problem) const {
  const ScriptEntry* entry = script_ ? script_->Find(name) : nullptr;
  if (!entry) {
    *problem = (script_ ? script_->name : Describe(place_.id) + " (no screen script)") +
               " has no entry " + name;
    return std::nullopt;
  }
  if (entry->type == kEntryAnimation) {
    const int region = ScreenScript::AnimationHitIndex(entry->index);
    std::optional<Point> point = Region(region, problem);
    if (!point) *problem += ", which " + name + " answers to";
    return point;
  }
  if (entry->type == kEntryBackground || entry->type == kEntryEmpty) {
    *problem = script_->name + ": " + name + " makes no control";
    return std::nullopt;
  }
  const std::optional<Rect> rect = PictureRect(*entry, problem);
  if (!rect) return std::nullopt;
  return Point{(rect->left + rect->right) / 2, (rect->top + rect->bottom) / 2};
}

std::optional<Point> ScreenView::Free(const Rect& within) const {
  std::vector<Rect> avoid = avoid_;
  if (script_) {
    std::string ignored;
    for (const ScriptEntry& entry : script_->entries) {
      if (entry.type == kEntryBitmap || entry.type == kEntryAnimatedBitmap ||
          entry.type == kEntryButton) {
        if (std::optional<Rect> rect = PictureRect(entry, &ignored)) avoid.push_back(*rect);
      }
    }
  }
  static const RegionMap none;
  return (masks_.empty() ? none : *masks_.front().second).FreePoint(within, avoid);
}

std::vector<int> ScreenView::Regions() const {
  std::set<int> values;
  for (const auto& [name, mask] : masks_) {
    for (int value : mask->Values())
      values.insert(value);
  }
  return {values.begin(), values.end()};
}

std::vector<std::string> ScreenView::ClickableControls() const {
  std::vector<std::string> names;
  if (!script_) return names;
  for (const ScriptEntry& entry : script_->entries) {
    std::string ignored;
    if (entry.type != kEntryBackground && entry.type != kEntryEmpty &&
        Control(entry.name, &ignored)) {
      names.push_back(entry.name);
    }
  }
  return names;
}

}  // namespace rufo::play
