#pragma once

#include "game/screen.h"

namespace rufo {

// Garden4's scene: the woodpecker on the tree leads to the knocking (NUM), the nest to the
// birds (NAD), each once its animation has played. The edges lead on to Garden5 and Garden3
// (the walk common to every main scene).
class Garden4Scene final : public Screen {
 public:
  void Build() override;
  void OnControlEvent(Control* control, int32_t event, bool live) override;
};

}  // namespace rufo
