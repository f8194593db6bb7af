#pragma once

#include "game/screen.h"

namespace rufo {

// Garden2's scene: the well leads to the watering (DIR), the ball to the colours (COL) and the
// bird to the picture series (LOG), each once its animation has played. The edges lead on to
// Garden3 and back to Garden1 (the walk common to every main scene).
class Garden2Scene final : public Screen {
 public:
  void Build() override;
  void OnControlEvent(Control* control, int32_t event, bool live) override;
};

}  // namespace rufo
