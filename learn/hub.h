#pragma once

#include "learn/learning_screen.h"

namespace rufo {

// The learning garden's hub: RUFO jumps in when the child arrives from the Start screen and
// introduces the garden; six objects lead to the six lessons; when the child ends the game he
// says good-bye here, with the toolbar gone, and the Credits follow. The edges lead on to
// Garden1 and Garden6 (the walk common to every main scene).
class HubScreen final : public LearningScreen {
 public:
  void Build() override;

 private:
  void OnLearningEvent(Control* control, int32_t event) override;
  // The objects do not start while RUFO speaks; the release that cuts his introduction short
  // over one of them starts it as well.
  void OnIntroductionCut(int kind) override;
};

}  // namespace rufo
