#include "learn/lesson_soon.h"

#include "game/learning.h"

namespace rufo {

void LessonSoonScreen::Build() {
  LoadScene(info_.script, info_.hitMap);
  LearningSay(info_.introKind, info_.intro);
}

}  // namespace rufo
