#pragma once

#include "learn/learning_screen.h"

namespace rufo {

// The notions lesson: hide-and-seek among seven hiding places ("H1" to "H7"). The first click
// sends RUFO leaping off ("SKOK"); the chosen place rustles and RUFO pops out of it ("A1" to
// "A7"), saying where he was. The mushroom living there ("M1" to "M7") greets him, says its name
// and adds a remark; then the child may choose another place, and RUFO moves there.
class NotionsLesson final : public LearningScreen {
 public:
  static constexpr int kPlaces = 7;

  void Build() override;

  bool Clickable() const { return clickable_; }
  // The place RUFO is hiding in (1 to 7), or -1 before his leap.
  int CurrentPlace() const { return current_; }

 private:
  void OnLearningEvent(Control* control, int32_t event) override;

  void Choose(int place);
  void MushroomEnded(int place);
  // Opens the lesson to the next choice: every place but the current one.
  void AllowChoice();

  bool clickable_ = false;
  bool jumpedIn_ = false;
  int current_ = -1;
};

}  // namespace rufo
