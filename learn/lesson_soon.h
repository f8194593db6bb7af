#pragma once

#include "learn/learning_screen.h"

namespace rufo {

// A lesson still to come: its screen and RUFO saying so in its introduction; the way back
// leads to where the child came from.
struct LessonSoonInfo {
  const char* script;
  const char* hitMap;  // nullptr: none
  int introKind;
  const char* intro;
};

class LessonSoonScreen final : public LearningScreen {
 public:
  explicit LessonSoonScreen(const LessonSoonInfo& info) : info_(info) {}
  void Build() override;

 private:
  const LessonSoonInfo& info_;
};

}  // namespace rufo
