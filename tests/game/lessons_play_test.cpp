// The colours, directions and counting lessons played from outside on the demo data: from the
// hub into each lesson, two rounds of its pattern in the order the trace's speak lines show,
// and back to the hub with the toolbar, with nothing missing on the way.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "tests/game/live_player.h"
#include "tests/game/play_steps.h"

namespace rufo {
namespace {

struct Point {
  int x, y;
};

// One lesson: the hub object that leads there, its introduction, and per round the place
// clicked (for the hit value the question offers) and the speak lines that must follow it.
struct Round {
  int value;
  Point at;
  std::vector<std::string> then;
};
struct Lesson {
  ScreenId id;
  Point hubObject;
  std::string intro;
  std::string offer;  // the question line that opens the lesson for a choice
  std::vector<Round> rounds;
};

const std::vector<Lesson>& Lessons() {
  static const std::vector<Lesson> lessons = {
      {kScreenLearnColours,
       {190, 130},
       "speak MLUVI Sounds\\LearnG\\COL\\sp_intro",
       "question 0x102 hit 0,1,2,3,4,5,6,7,8,9,10",
       {{4,
         {362, 315},
         {"speak C4 ", "speak MLUVI Sounds\\LearnG\\COL\\COL_NAME\\4",
          "speak MLUVI Sounds\\LearnG\\COL\\UNI\\", "speak MLUVI Sounds\\LearnG\\COL\\NEXT\\"}},
        {8,
         {245, 405},
         {"speak C8 ", "speak MLUVI Sounds\\LearnG\\COL\\COL_NAME\\8",
          "speak MLUVI Sounds\\LearnG\\COL\\UNI\\", "speak MLUVI Sounds\\LearnG\\COL\\NEXT\\"}}}},
      {kScreenLearnDirections,
       {515, 90},
       "speak MLUVI Sounds\\LearnG\\DIR\\sp_intro",
       "question 0x103 hit 0,1,2,3,4,6",
       {{2,
         {320, 62},
         {"speak MLUVI Sounds\\LearnG\\dir\\Dir_Name\\up",
          "speak NAHORU Bitmaps\\LearnG\\Dir\\Ani\\nahoru_1", "speak CB2 cb2_1",
          "speak NAHORU Bitmaps\\LearnG\\Dir\\Ani\\nahoru_2", "speak CB2 ", "speak CB2 cb2_2",
          "speak MLUVI Sounds\\LearnG\\DIR\\UNI\\"}},
        {6,
         {262, 332},
         {"speak MLUVI Sounds\\LearnG\\dir\\Dir_Name\\front",
          "speak VPREDU Bitmaps\\LearnG\\Dir\\Ani\\vpredu_1", "speak ZB zb_1",
          "speak VPREDU Bitmaps\\LearnG\\Dir\\Ani\\vpredu_2", "speak ZB ", "speak ZB zb_2",
          "speak MLUVI Sounds\\LearnG\\DIR\\UNI\\"}}}},
      {kScreenLearnCounting,
       {130, 330},
       "speak MLUVI Sounds\\LearnG\\Num\\sp_intro",
       "question 0x104 hit 0,1,2,3,4,5,6,7,8,9",
       {{2,
         {164, 362},
         {"speak MLUVI Sounds\\LearnG\\NUM\\QUE\\3", "debug NUM_nBird = 3", "debug num = 3",
          "speak MLUVI Sounds\\LearnG\\NUM\\NUM_SAY2\\1",
          "speak MLUVI Sounds\\LearnG\\NUM\\NUM_SAY2\\2",
          "speak MLUVI Sounds\\LearnG\\NUM\\NUM_SAY2\\3", "speak MLUVI Sounds\\LearnG\\NUM\\UNI\\",
          "speak MLUVI Sounds\\LearnG\\NUM\\NUM_SAY\\3",
          "speak MLUVI Sounds\\LearnG\\Num\\sp_next"}},
        {0,
         {40, 362},
         {"speak MLUVI Sounds\\LearnG\\NUM\\QUE\\1", "debug num = 1",
          "speak MLUVI Sounds\\LearnG\\NUM\\NUM_SAY2\\1", "speak MLUVI Sounds\\LearnG\\NUM\\UNI\\",
          "speak MLUVI Sounds\\LearnG\\NUM\\NUM_SAY\\1",
          "speak MLUVI Sounds\\LearnG\\Num\\sp_next"}}}},
  };
  return lessons;
}

// How many lines of the trace, from `from` on, contain `text`.
int CountLines(const std::vector<std::string>& trace, size_t from, const std::string& text) {
  int count = 0;
  for (size_t i = from; i < trace.size(); ++i)
    count += trace[i].find(text) != std::string::npos;
  return count;
}

class LessonsPlay : public LivePlayTest {};

TEST_F(LessonsPlay, FromTheHubTwoRoundsOfEachLessonAndBack) {
  test::LivePlayer player(folder_, Environment());
  ASSERT_TRUE(player.Start());
  ASSERT_NO_FATAL_FAILURE(ChooseAChild(player));
  for (const Lesson& lesson : Lessons()) {
    SCOPED_TRACE(Hex(lesson.id));
    player.Click(lesson.hubObject.x, lesson.hubObject.y);
    ASSERT_NE(player.AwaitLine("screen " + Hex(lesson.id) + " 0x101"), "");
    ASSERT_NE(player.AwaitLine(lesson.intro), "");
    for (const Round& round : lesson.rounds) {
      ASSERT_NE(player.AwaitLine(lesson.offer), "");
      const size_t roundStart = player.Trace().size();
      player.Click(round.at.x, round.at.y);
      for (const std::string& line : round.then)
        ASSERT_NE(player.AwaitLine(line), "") << "after choosing " << round.value;
      // The counting brings back exactly as many birds as it counts aloud.
      if (lesson.id == kScreenLearnCounting) {
        EXPECT_EQ(CountLines(player.Trace(), roundStart, "NUM_SAY2\\"), round.value + 1);
      }
    }
    ASSERT_NE(player.AwaitLine(lesson.offer), "");
    Back(player);
    ASSERT_NE(player.AwaitLine("screen 0x101 " + Hex(lesson.id)), "");
    player.Advance(300);
  }
  EndPlay(player);
  // Every picture, script and sound the lessons played was there (the user file comes later).
  std::istringstream log(folder_.Read("rt/Debug.log"));
  for (std::string line; std::getline(log, line);) {
    const bool missing = line.find("Cannot load") != std::string::npos;
    EXPECT_FALSE(missing && line.find("rufo_usr.dat") == std::string::npos) << line;
  }
}

}  // namespace
}  // namespace rufo
