#include "learn/learning_screens.h"

#include "learn/hub.h"
#include "learn/lesson_soon.h"

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
    {kScreenLearnNotions,
     {"Data\\LearnG\\NOT\\screen.dat", "Bitmaps\\LearnG\\NOT\\bg_mask.png", kNotionsIntroKind,
      "Sounds\\LearnG\\NOT\\sp_intro"}},
    {kScreenLearnPantry,
     {"Data\\LearnG\\LOG\\screen.dat", "Bitmaps\\LearnG\\LOG\\bg_mask.png", kPantryIntroKind,
      "Sounds\\LearnG\\LOG\\sp_intro"}},
    {kScreenLearnShapes,
     {"Data\\LearnG\\TVA\\screen.dat", nullptr, kShapesIntroKind, "Sounds\\LearnG\\TVA\\sp_intro"}},
};

}  // namespace

// One line per screen; the lessons are still to come and each says so.
void RegisterLearningScreens(ScreenTable& table) {
  table.Add<HubScreen>(kScreenLearnHub);
  for (const Lesson& lesson : kLessons) {
    table.Add(lesson.id,
              [&info = lesson.info] { return std::make_unique<LessonSoonScreen>(info); });
  }
}

}  // namespace rufo
