#pragma once

#include <optional>
#include <string>
#include <vector>

#include "tools/rufo_play/data_tree.h"
#include "tools/rufo_play/places.h"

namespace rufo::play {

// One screen of the game as the data tree shows it: where its controls and regions are, so that
// the player can click them. Problems name the file and what it lacks.
class ScreenView {
 public:
  // `avoid`: places a click must keep out of (the toolbar's strip).
  ScreenView(DataTree& data, const Place& place, std::vector<Rect> avoid);

  const Place& Where() const { return place_; }
  // Whether the screen's content exists: its screen script, or it needs none.
  bool Made() const { return script_ != nullptr || place_.scripts.empty(); }
  // The first of the screen's scripts that exists ("" when none does).
  std::string ScriptName() const { return script_ ? script_->name : ""; }
  const ScriptTable* Script() const { return script_; }

  // Where to click a control made from the named entry: inside its hit-map region for an
  // animation, the middle of its picture for the others.
  std::optional<Point> Control(const std::string& name, std::string* problem) const;
  // Where to click a region, from the first of the screen's hit maps that has it.
  std::optional<Point> Region(int value, std::string* problem) const;
  // The screen now uses the hit map of that name (a screen that switches between hit maps says
  // which in its diagnostic line): regions are looked up in it first.
  void PreferMask(const std::string& name);
  // A place within `within` where a click reaches no region.
  std::optional<Point> Free(const Rect& within) const;
  // Every region value of the screen's hit maps.
  std::vector<int> Regions() const;
  // The names of the entries whose controls a click can reach.
  std::vector<std::string> ClickableControls() const;

 private:
  std::optional<Rect> PictureRect(const ScriptEntry& entry, std::string* problem) const;

  DataTree& data_;
  const Place& place_;
  std::vector<Rect> avoid_;
  const ScriptTable* script_ = nullptr;
  std::vector<std::pair<std::string, const RegionMap*>> masks_;
};

}  // namespace rufo::play
