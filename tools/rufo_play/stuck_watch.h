#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <string_view>

namespace rufo::play {

// Tells whether the game still answers the child. A trace line is news when the current visit
// of a screen has not written it before (its time aside): a new screen, a new question, a
// verdict with new counts, a speech not heard yet on this screen. A game that repeats itself,
// on its own or whatever the child does, makes no news, so a trap with chatter in it still
// goes quiet; a long speech or a slow lesson round is news when it starts. The debug line and
// the input's sync marks never are.
class StuckWatch {
 public:
  // Reads one trace line written at `nowMs`; true when it is news.
  bool Note(std::string_view line, uint32_t nowMs);
  uint32_t LastNewsMs() const { return lastNewsMs_; }
  // How many lines were news so far.
  uint64_t NewsCount() const { return newsCount_; }
  // How long the game has made no news.
  uint32_t QuietMs(uint32_t nowMs) const { return nowMs > lastNewsMs_ ? nowMs - lastNewsMs_ : 0; }

 private:
  std::set<std::string, std::less<>> heard_;  // this visit's lines, without their times
  uint32_t lastNewsMs_ = 0;
  uint64_t newsCount_ = 0;
};

}  // namespace rufo::play
