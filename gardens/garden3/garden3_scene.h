#pragma once

#include "game/screen.h"

namespace rufo {

// Garden3's scene: RUFO by the shed leads to the tools and the cart (NOT), the monkey by the
// flower beds to the planting (CAT), each once its animation has played. The edges lead on to
// Garden4 and Garden2 (the walk common to every main scene).
class Garden3Scene final : public Screen {
 public:
  void Build() override;
  void OnControlEvent(Control* control, int32_t event, bool live) override;
};

}  // namespace rufo
