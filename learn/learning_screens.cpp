#include "learn/learning_screens.h"

#include "learn/hub.h"
#include "learn/lesson_soon.h"
#include "learn/notions_lesson.h"
#include "learn/pantry_lesson.h"
#include "learn/shapes_lesson.h"

namespace rufo {
namespace {

struct Lesson {
  ScreenId id;
  LessonSoonInfo info;
};
constexpr Lesson kLessons[] = {
    {kScreenLearnColours,
     {"Data\\LearnG\\COLORS\\screen.dat", "Bitmaps\\LearnG\\Colors\\bg_mask.png", kColoursIntroKind,
      "Sounds\\LearnG\\COL\\sp_intro"}},
    {kScreenLearnDirections,
     {"Data\\LearnG\\DIR\\screen.dat", "Bitmaps\\LearnG\\Dir\\bg_mask.png", kDirectionsIntroKind,
      "Sounds\\LearnG\\DIR\\sp_intro"}},
    {kScreenLearnCounting,
     {"Data\\LearnG\\NUM\\screen.dat", "Bitmaps\\LearnG\\NUM\\bg_mask.png", kCountingIntroKind,
      "Sounds\\LearnG\\Num\\sp_intro"}},
};

}  // namespace

// One line per screen; a lesson still to come says so.
void RegisterLearningScreens(ScreenTable& table) {
  table.Add<HubScreen>(kScreenLearnHub);
  for (const Lesson& lesson : kLessons) {
    table.Add(lesson.id,
              [&info = lesson.info] { return std::make_unique<LessonSoonScreen>(info); });
  }
  table.Add<NotionsLesson>(kScreenLearnNotions);
  table.Add<PantryLesson>(kScreenLearnPantry);
  table.Add<ShapesLesson>(kScreenLearnShapes);
}

}  // namespace rufo
