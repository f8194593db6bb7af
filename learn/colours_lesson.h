#pragma once

#include "learn/learning_screen.h"

namespace rufo {

// The colours: eleven coloured objects (hit-map values 0 to 10, the colour numbers). A click
// makes the object hop, then its large picture appears and RUFO names the colour, adds a remark
// and a "next" remark, after which the child may choose again.
class ColoursLesson final : public LearningScreen {
 public:
  static constexpr int kColours = 11;

  void Build() override;
  void OnMessage(const Input& input, bool* unconsumed) override;

  bool Clickable() const { return clickable_; }
  int Chosen() const { return chosen_; }

 protected:
  void OnLearningEvent(Control* control, int32_t event) override;

 private:
  void BecomeClickable();
  void ShowLargePicture(int colour);

  bool clickable_ = false;
  int chosen_ = -1;
};

}  // namespace rufo
