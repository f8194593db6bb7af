#pragma once

#include <optional>
#include <string>

#include "tools/rufo_play/screen_view.h"
#include "tools/rufo_play/trace_event.h"

namespace rufo::play {

// What the child's hand does to give an answer.
struct Gesture {
  enum class Kind {
    kClick,  // press and release at `from`
    kDrag,   // press at `from`, move down onto `to` from above, release there
    kCarry,  // click at `from` to pick up, move, click at `to` to put down
  };
  Kind kind = Kind::kClick;
  Point from;
  Point to;
};

// The gesture that gives the expected answer, or with `right` false a plausible wrong one: the
// nearest other region, the neighbouring control of the same kind, another piece into the same
// place. nullopt, with the problem, when the screen's data cannot place it.
std::optional<Gesture> PlanAnswer(const ExpectedAnswer& expected, bool right,
                                  const ScreenView& view, std::string* problem);

// The region of the screen nearest in value to `near` that is none of `excluded`; -1 if none.
int NearestOtherRegion(const ScreenView& view, int near, const std::vector<int>& excluded);

}  // namespace rufo::play
