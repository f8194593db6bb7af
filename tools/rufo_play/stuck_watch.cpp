#include "tools/rufo_play/stuck_watch.h"

namespace rufo::play {
namespace {

// Bounds what one visit remembers; a game never says this many different things on one screen.
constexpr size_t kHeardLimit = 4096;

}  // namespace

bool StuckWatch::Note(std::string_view line, uint32_t nowMs) {
  const size_t space = line.find(' ');
  if (space == std::string_view::npos) return false;
  const std::string_view what = line.substr(space + 1);
  // The debug line follows the pointer over some screens: it tells a developer what the
  // game sees, not what the child does.
  if (what.empty() || what == "sync" || what.starts_with("debug ")) return false;
  if (what.starts_with("screen ")) {
    heard_.clear();
  } else if (heard_.contains(what) || heard_.size() >= kHeardLimit) {
    return false;
  } else {
    heard_.emplace(what);
  }
  lastNewsMs_ = nowMs;
  ++newsCount_;
  return true;
}

}  // namespace rufo::play
