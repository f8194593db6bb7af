#include "learn/learning_screens.h"

#include "learn/colours_lesson.h"
#include "learn/counting_lesson.h"
#include "learn/directions_lesson.h"
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

// One line per screen; the lessons still to come say so.
void RegisterLearningScreens(ScreenTable& table) {
  table.Add<HubScreen>(kScreenLearnHub);
  table.Add<ColoursLesson>(kScreenLearnColours);
  table.Add<DirectionsLesson>(kScreenLearnDirections);
  table.Add<CountingLesson>(kScreenLearnCounting);
  for (const Lesson& lesson : kLessons) {
    table.Add(lesson.id,
              [&info = lesson.info] { return std::make_unique<LessonSoonScreen>(info); });
  }
  table.Add<NotionsLesson>(kScreenLearnNotions);
  table.Add<PantryLesson>(kScreenLearnPantry);
  table.Add<ShapesLesson>(kScreenLearnShapes);
}

}  // namespace rufo
