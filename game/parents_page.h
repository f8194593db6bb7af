#pragma once

#include <array>
#include <cstdint>

#include "game/screen.h"
#include "progress/record.h"
#include "progress/summary.h"

namespace rufo {

class ParentsSheet;

// The parents' page: for each child (their face picks them) the answers in the fourteen games
// with the day each sticker was earned, the visits to the six lessons and how many followed a
// lost game, and the minutes played on each of the last fourteen days. A button leads back to
// the Start screen, as does Escape.
class ParentsScreen final : public Screen {
 public:
  void Build() override;
  void OnControlEvent(Control* control, int32_t event, bool live) override;
  void OnMessage(const Input& input, bool* unconsumed) override;
  bool OnPointer(uint8_t region) override;

  // The slot whose tables are shown, or -1 when no child has played yet.
  int ShownChild() const { return shown_; }
  const progress::Record& ReadRecord() const { return record_; }

 private:
  void Show(int slot);

  progress::Record record_;
  progress::ChildProgress child_;
  int32_t today_ = 0;
  std::array<bool, 4> listed_{};
  int shown_ = -1;
  ParentsSheet* sheet_ = nullptr;
};

}  // namespace rufo
