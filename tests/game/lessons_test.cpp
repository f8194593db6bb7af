// The colours, directions and counting lessons played in-process on the demo data: what each
// choice sets going, in which order, and when the lesson takes the next choice.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <vector>

#include "learn/colours_lesson.h"
#include "learn/counting_lesson.h"
#include "learn/directions_lesson.h"
#include "tests/game/garden_game.h"

namespace rufo {
namespace {

// Where the demo data puts each lesson's things.
struct Spot {
  int x, y;
};
Spot ColourThing(int colour) {
  return colour < 6 ? Spot{50 + colour * 78, 315} : Spot{89 + (colour - 6) * 78, 405};
}
constexpr Spot kLeftBalloon{95, 215};
constexpr Spot kRightBalloon{545, 215};
Spot Post(int number) {
  return {40 + (number - 1) * 62, 362};
}
// Where a bird sitting on a post has its control.
constexpr int PerchX(int number) {
  return (number - 1) * 62;
}
constexpr const char* kBirds[] = {"P1", "P2", "P3",    "P4",    "P5",    "P6",    "P7",
                                  "P8", "P9", "P_BUM", "P_LUK", "P_MIC", "P_PIST"};

class LessonsTest : public GardenGameTest {
 protected:
  // Goes to the lesson from the hub and waits until it takes a choice.
  template <typename Lesson>
  const Lesson& Enter(ScreenId id) {
    GoTo(kScreenLearnHub);
    GoTo(id);
    RunUntil([&] { return Shown<Lesson>().Clickable(); });
    return Shown<Lesson>();
  }
  void Press(Spot at) { GardenGameTest::Press(at.x, at.y); }
  void Click(Spot at) { GardenGameTest::Click(at.x, at.y); }
  // The places of the birds shown, from the left.
  static std::vector<int> PerchesTaken() {
    std::vector<int> xs;
    for (const char* bird : kBirds) {
      if (Visible(bird)) xs.push_back(ScriptedControl(bird)->Position().x);
    }
    std::sort(xs.begin(), xs.end());
    return xs;
  }
  static std::vector<int> FirstPerches(int count) {
    std::vector<int> xs;
    for (int number = 1; number <= count; ++number)
      xs.push_back(PerchX(number));
    return xs;
  }
};

TEST_F(LessonsTest, ColoursShowTheChosenThingsPictureAndTakeTheNextChoiceAfterBothRemarks) {
  const ColoursLesson& lesson = Enter<ColoursLesson>(kScreenLearnColours);
  Click(ColourThing(2));
  EXPECT_TRUE(Playing("C2"));
  EXPECT_FALSE(Visible("START"));
  EXPECT_FALSE(lesson.Clickable());
  // Not clickable while the thing hops: another thing stays still.
  Click(ColourThing(7));
  EXPECT_FALSE(Playing("C7"));
  RunUntil([&] { return !Playing("C2"); });
  EXPECT_TRUE(Visible("START"));
  for (int colour = 0; colour < ColoursLesson::kColours; ++colour)
    EXPECT_EQ(Visible("C" + std::to_string(colour) + "BMP"), colour == 2) << colour;
  EXPECT_EQ(Learning().speechKind, 30);
  RunUntil([&] { return Learning().speechKind == kColoursRemarkKind; });
  RunUntil([&] { return Learning().speechKind == kColoursNextRemarkKind; });
  EXPECT_FALSE(lesson.Clickable());
  RunUntil([&] { return lesson.Clickable(); });
  EXPECT_FALSE(Visible("MLUVI"));
  EXPECT_TRUE(Visible("C2BMP"));
  // A press on a thing takes the picture away; the release there chooses it.
  Press(ColourThing(9));
  EXPECT_FALSE(Visible("C2BMP"));
  Button(false);
  EXPECT_TRUE(Playing("C9"));
  EXPECT_EQ(lesson.Chosen(), 9);
}

TEST_F(LessonsTest, AShotBalloonFloatsAgainBeforeTheRemarkAndTheNextChoice) {
  const DirectionsLesson& lesson = Enter<DirectionsLesson>(kScreenLearnDirections);
  using Balloon = DirectionsLesson::Balloon;
  Click(kLeftBalloon);
  EXPECT_EQ(Learning().speechKind, 1);
  EXPECT_TRUE(Playing("MLUVI"));
  RunUntil([&] { return Playing("VLEVO"); });
  EXPECT_FALSE(Visible("MLUVI"));
  RunUntil([&] { return lesson.State(0) == Balloon::kHit; });
  RunUntil([&] { return lesson.State(0) == Balloon::kGone; });
  // The remark starts as the balloon floats again, not before.
  RunUntil([&] { return Learning().speechKind == kDirectionsRemarkKind; });
  EXPECT_EQ(lesson.State(0), Balloon::kFloating);
  EXPECT_TRUE(Playing("FB"));
  EXPECT_TRUE(Visible("MLUVI"));
  // During the remark a balloon click does nothing.
  Click(kRightBalloon);
  EXPECT_EQ(Learning().speechKind, kDirectionsRemarkKind);
  RunUntil([&] { return lesson.Clickable(); });
  Click(kRightBalloon);
  EXPECT_EQ(Learning().speechKind, 2);
}

// The birds come one by one, each with its counting word, exactly as many as RUFO said, and land
// on the posts in turn from post 1, never beyond the number counted; a click beside the posts
// keeps the lesson waiting for a number; the next number sends the birds off.
TEST_F(LessonsTest, CountingBringsBackAsManyBirdsAsItCountsOneByOne) {
  const CountingLesson& lesson = Enter<CountingLesson>(kScreenLearnCounting);
  Click(Post(3));
  EXPECT_EQ(lesson.Count(), 3);
  EXPECT_FALSE(lesson.Clickable());
  std::vector<std::vector<int>> perchesAtEachWord;
  bool wasSpeaking = Learning().speaking;
  RunUntil([&] {
    const bool speaking = Learning().speaking;
    if (speaking && !wasSpeaking && Learning().speechKind == 44) {
      perchesAtEachWord.push_back(PerchesTaken());
    }
    wasSpeaking = speaking;
    return Learning().speechKind == kCountingRemarkKind;
  });
  EXPECT_EQ(perchesAtEachWord,
            (std::vector<std::vector<int>>{FirstPerches(1), FirstPerches(2), FirstPerches(3)}));
  EXPECT_EQ(lesson.ReturnList().size(), 3u);
  RunUntil([&] { return lesson.Clickable(); });
  Click(Spot{320, 470});  // the toolbar's tab
  Click(Spot{600, 40});   // the sky
  EXPECT_TRUE(lesson.Clickable());
  EXPECT_TRUE(OnScreen(kScreenLearnCounting));
  Click(Post(10));
  EXPECT_EQ(lesson.Count(), 10);
  int flying = 0;
  for (const char* bird : kBirds)
    flying += Playing(bird);
  EXPECT_EQ(flying, 3);
  RunUntil([&] { return Learning().speechKind == kCountingRemarkKind; });
  EXPECT_EQ(PerchesTaken(), FirstPerches(10));
  // RUFO stands clear of the posts: no bird sits over his feet, the bottom of his picture.
  const Control* rufo = ScriptedControl("MLUVI");
  int w = 0, h = 0;
  rufo->GetSize(&w, &h);
  const int feet = rufo->Position().y + h - 40;
  EXPECT_GT(Shot().Shows("Bitmaps/LearnG/NUM/bg.png", rufo->Position().x, feet, w, 40,
                         rufo->Position().x, feet),
            0.97);
}

// Without RUFO's speaking control the lessons say nothing, but the way back still leads out.
class LessonsWithoutSpeakerTest : public LessonsTest {
 protected:
  void BeforeStart() override {
    const fs::path data = CopyOfDemoData();
    for (const char* lesson : {"COLORS", "DIR", "NUM"}) {
      const fs::path script = data / "Data" / "LearnG" / lesson / "screen.dat";
      std::stringstream text;
      text << std::ifstream(script).rdbuf();
      std::string changed = text.str();
      changed.replace(changed.find(",MLUVI"), 6, ",MLUVX");
      std::ofstream(script) << changed;
    }
  }
};

TEST_F(LessonsWithoutSpeakerTest, TheWayBackStillLeadsOut) {
  for (ScreenId lesson : {kScreenLearnColours, kScreenLearnDirections, kScreenLearnCounting}) {
    GoTo(kScreenGarden1);
    GoTo(lesson);
    Run(3000);
    EXPECT_FALSE(Learning().speaking) << std::hex << lesson;
    CurrentScreen()->OnBack();
    RunUntil([&] { return OnScreen(kScreenGarden1); });
  }
}

}  // namespace
}  // namespace rufo
