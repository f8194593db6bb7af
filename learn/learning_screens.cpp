#include "learn/learning_screens.h"

#include "learn/colours_lesson.h"
#include "learn/counting_lesson.h"
#include "learn/directions_lesson.h"
#include "learn/hub.h"
#include "learn/notions_lesson.h"
#include "learn/pantry_lesson.h"
#include "learn/shapes_lesson.h"

namespace rufo {

// One line per screen.
void RegisterLearningScreens(ScreenTable& table) {
  table.Add<HubScreen>(kScreenLearnHub);
  table.Add<ColoursLesson>(kScreenLearnColours);
  table.Add<DirectionsLesson>(kScreenLearnDirections);
  table.Add<CountingLesson>(kScreenLearnCounting);
  table.Add<NotionsLesson>(kScreenLearnNotions);
  table.Add<PantryLesson>(kScreenLearnPantry);
  table.Add<ShapesLesson>(kScreenLearnShapes);
}

}  // namespace rufo
