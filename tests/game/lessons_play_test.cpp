// The colours, directions and counting lessons played from outside on the demo data: from the
// hub into each lesson (the first while RUFO introduces the garden), two rounds of its pattern in
// the order the trace's speak lines show, and back to the hub with the toolbar, with nothing
// missing on the way.
#include <gtest/gtest.h>

#include <cctype>
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

// A colour chosen: the thing hops, RUFO names it and makes his two remarks.
Round Colour(int colour, Point at) {
  const std::string n = std::to_string(colour);
  return {colour,
          at,
          {"speak C" + n + " ", "speak MLUVI Sounds\\LearnG\\COL\\COL_NAME\\" + n,
           "speak MLUVI Sounds\\LearnG\\COL\\UNI\\", "speak MLUVI Sounds\\LearnG\\COL\\NEXT\\"}};
}
// A direction chosen: RUFO names it and shoots in it (animation `shot`), the balloon there
// (animation `balloon`) bursts and floats again, and a remark follows.
Round Direction(int value, Point at, const std::string& name, const std::string& shot,
                const std::string& balloon) {
  const auto lower = [](std::string text) {
    for (char& c : text)
      c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
  };
  const std::string shooting = "speak " + shot + " Bitmaps\\LearnG\\Dir\\Ani\\" + lower(shot);
  const std::string hit = "speak " + balloon + " ";
  return {value,
          at,
          {"speak MLUVI Sounds\\LearnG\\dir\\Dir_Name\\" + name, shooting + "_1",
           hit + lower(balloon) + "_1", shooting + "_2", hit, hit + lower(balloon) + "_2",
           "speak MLUVI Sounds\\LearnG\\DIR\\UNI\\"}};
}
// A number chosen: RUFO repeats it, counts the birds back one by one, makes a remark and says
// the number again before asking for the next.
Round Number(int value, Point at) {
  const std::string n = std::to_string(value + 1);
  std::vector<std::string> then = {"speak MLUVI Sounds\\LearnG\\NUM\\QUE\\" + n};
  if (value > 0) then.push_back("debug NUM_nBird = " + n);
  then.push_back("debug num = " + n);
  for (int bird = 1; bird <= value + 1; ++bird)
    then.push_back("speak MLUVI Sounds\\LearnG\\NUM\\NUM_SAY2\\" + std::to_string(bird));
  then.insert(then.end(), {"speak MLUVI Sounds\\LearnG\\NUM\\UNI\\",
                           "speak MLUVI Sounds\\LearnG\\NUM\\NUM_SAY\\" + n,
                           "speak MLUVI Sounds\\LearnG\\Num\\sp_next"});
  return {value, at, then};
}

const std::vector<Lesson>& Lessons() {
  static const std::vector<Lesson> lessons = {
      {kScreenLearnColours,
       {190, 130},
       "speak MLUVI Sounds\\LearnG\\COL\\sp_intro",
       "question 0x102 hit 0,1,2,3,4,5,6,7,8,9,10",
       {Colour(4, {362, 315}), Colour(8, {245, 405})}},
      {kScreenLearnDirections,
       {515, 90},
       "speak MLUVI Sounds\\LearnG\\DIR\\sp_intro",
       "question 0x103 hit 0,1,2,3,4,6",
       {Direction(2, {320, 62}, "up", "NAHORU", "CB2"),
        Direction(6, {262, 332}, "front", "VPREDU", "ZB")}},
      {kScreenLearnCounting,
       {130, 330},
       "speak MLUVI Sounds\\LearnG\\Num\\sp_intro",
       "question 0x104 hit 0,1,2,3,4,5,6,7,8,9",
       {Number(2, {164, 362}), Number(0, {40, 362})}},
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
  ASSERT_NO_FATAL_FAILURE(ArriveAtTheHub(player));
  player.Advance(500);
  for (const Lesson& lesson : Lessons()) {
    SCOPED_TRACE(Hex(lesson.id));
    player.Click(lesson.hubObject.x, lesson.hubObject.y);
    // The rainbow, clicked while RUFO introduces the garden, plays at once.
    if (lesson.id == kScreenLearnColours) {
      EXPECT_NE(player.AwaitLine("speak DUHA", 200), "");
    }
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
