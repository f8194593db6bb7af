#pragma once

#include <array>
#include <optional>
#include <vector>

#include "learn/learning_screen.h"

#include "game/scene_kit.h"

namespace rufo {

class ScriptedAnimationControl;

// The counting: ten numbered posts on a fence (hit-map values 0 to 9 for the numbers 1 to 10),
// each with the place of a bird. A click on a post says how many birds will come; the birds
// there fly off, RUFO plays with a toy, and as many birds as the number come one by one, each
// with its counting word, before RUFO says how many came and the child may choose again. The
// birds land on the posts in turn, the first on post 1, so that the last one sits on the post
// of the number counted.
class CountingLesson final : public LearningScreen {
 public:
  static constexpr int kNumbers = 10;

  void Build() override;

  bool Clickable() const { return clickable_; }
  int Count() const { return count_; }
  const std::vector<int>& ReturnList() const { return returnList_; }

 protected:
  void OnLearningEvent(Control* control, int32_t event) override;

 private:
  void BecomeClickable();
  void OnSpeechEnd();
  void ChooseNumber(int number);
  void ThrowToy();
  void BringBirdsBack();
  void ReturnNextBird();
  ScriptedAnimationControl* LandingBird(int order);

  bool clickable_ = false;
  bool busy_ = false;
  int count_ = 0;
  int weapon_ = 0;
  int returned_ = 0;
  std::vector<int> returnList_;
  // Where the bird of each post sits in the screen script, post 1 first.
  std::array<std::optional<ScreenPoint>, kNumbers> perches_;
};

}  // namespace rufo
