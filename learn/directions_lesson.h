#pragma once

#include <array>

#include "learn/learning_screen.h"

namespace rufo {

// The directions: six balloons float around RUFO, to his left, right, above, below, behind and
// in front of him. A click on a balloon makes RUFO name its direction, aim and hit it; the
// balloon pops, comes back floating, and a remark follows before the next choice.
class DirectionsLesson final : public LearningScreen {
 public:
  static constexpr int kBalloons = 6;
  enum class Balloon { kGone = 0, kFloating = 1, kHit = 2 };

  void Build() override;

  bool Clickable() const { return clickable_; }
  Balloon State(int balloon) const { return balloons_[balloon]; }

 protected:
  void OnLearningEvent(Control* control, int32_t event) override;

 private:
  void BecomeClickable();
  void OnSpeechEnd();
  void Float(int balloon);

  std::array<Balloon, kBalloons> balloons_{};
  bool clickable_ = false;
  bool returnPending_ = false;
  bool aimBusy_ = false;
};

}  // namespace rufo
