#pragma once

#include <cstdint>

namespace rufo::web {

// The pace at which the browser asks for the game's steps: at every frame the display shows
// while the picture changes, and by a slower timer once nothing has been drawn for a while,
// which costs the browser far less than a step at every display frame. The first change brings
// the display's pace back; the timer still takes a tap within a step or two.
class FramePace {
 public:
  enum class Change { kNone, kToDisplay, kToTimer };
  // Half a second of display frames without a drawing.
  static constexpr int kRestingSteps = 30;
  static constexpr int kTimerStepMs = 33;

  // After each step, with the count of surface writes (platform::SurfaceWrites) then: whether
  // the pace must change.
  Change AfterStep(uint64_t writes) {
    if (writes != lastWrites_) {
      lastWrites_ = writes;
      const bool resting = quietSteps_ >= kRestingSteps;
      quietSteps_ = 0;
      return resting ? Change::kToDisplay : Change::kNone;
    }
    if (quietSteps_ < kRestingSteps && ++quietSteps_ == kRestingSteps) return Change::kToTimer;
    return Change::kNone;
  }

 private:
  uint64_t lastWrites_ = 0;
  int quietSteps_ = 0;
};

}  // namespace rufo::web
