#pragma once

#include "learn/learning_screen.h"

namespace rufo {

// The shapes lesson: one of four pictures built of shapes ("S0" to "S3"), each with its own hit
// map (values 0 circle, 1 square, 2 triangle, 3 rectangle). A click on a shape lights it up on
// the board ("I0" to "I3") and RUFO names it in one of four ways; after a remark a picture is
// drawn again (it may be the same one).
class ShapesLesson final : public LearningScreen {
 public:
  static constexpr int kShapes = 4;
  static constexpr int kScenes = 4;

  void Build() override;
  void OnMessage(const Input& input, bool* unconsumed) override;

  int Scene() const { return scene_; }
  bool Clickable() const { return clickable_; }

 private:
  void OnLearningEvent(Control* control, int32_t event) override;
  void NewScene();

  bool clickable_ = false;
  int highlighted_ = 0;
  int scene_ = 0;
};

}  // namespace rufo
