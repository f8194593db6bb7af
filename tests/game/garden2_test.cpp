// Garden2's three games in-process on the demo data: the rules of the watering, the colours and
// the picture series, and the series file's limits on data trees of the test's own.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "controls/screen_script.h"
#include "game/game_random.h"
#include "gardens/garden2/colour_things.h"
#include "gardens/garden2/picture_series.h"
#include "gardens/garden2/watering.h"
#include "tests/game/garden2_places.h"
#include "tests/game/garden_game.h"
#include "tests/support/pictures.h"

namespace rufo {
namespace {

class Garden2Test : public GardenGameTest {
 protected:
  const Watering& Dir() { return Shown<Watering>(); }
  const ColourThings& Col() { return Shown<ColourThings>(); }
  const PictureSeries& Log() { return Shown<PictureSeries>(); }

  void AnswerDir(bool right) {
    AwaitQuestion<Watering>();
    const int asked = Dir().Direction();
    const auto [x, y] = kBeds[right ? asked : asked % Watering::kDirections + 1];
    Click(x, y);
  }
  void AnswerCol(bool right) {
    AwaitQuestion<ColourThings>();
    const int region = ColourThings::Region(Col().Colour());
    Click(ThingX(right ? region : (region + 1) % ColourThings::kPerScene), kThingY);
  }
  // Drags a piece onto the middle of the gap, held down and let go there.
  void DragInto(int piece) {
    const platform::Rect& gap = Log().Drop();
    MoveTo(PieceX(piece), kPieceY);
    Button(true);
    MoveTo((gap.left + gap.right) / 2, (gap.top + gap.bottom) / 2);
    Button(false);
  }
  int AnsweredRight() {
    AwaitQuestion<PictureSeries>();
    const int row = Log().Row();
    DragInto(Log().Rows()[row].answer);
    return row;
  }
};

TEST_F(Garden2Test, WateringNeverRepeatsADirectionAndTheTenthWinsEvenBehind) {
  // A game whose tenth question asks for the flowers behind RUFO.
  for (uint32_t seed = 1; seed < 200; ++seed) {
    Random().Seed(seed);
    GoTo(kScreenWatering);
    if (Dir().Sequence()[9] == 5) break;
    GoTo(kScreenGarden2);
  }
  ASSERT_EQ(Dir().Sequence()[9], 5);

  // While RUFO asks, a click on the right bed is not taken.
  RunUntil([&] { return Dir().Speaking() && Dir().Direction() > 0; });
  Click(kBeds[Dir().Direction()].first, kBeds[Dir().Direction()].second);
  EXPECT_EQ(Dir().Score().good, 0);
  EXPECT_FALSE(Playing(Watering::Button(Dir().Direction())));

  // A click on RUFO asks again with the same words.
  AwaitQuestion<Watering>();
  Click(kGarden2RufoX, kGarden2RufoY);
  EXPECT_TRUE(Dir().Speaking());
  EXPECT_EQ(Dir().Kind(), 1);

  std::vector<int> asked;
  std::vector<int> variants;
  for (int good = 0; good < 10; ++good) {
    if (good == 4) {
      // A wrong bed: the same direction stays asked.
      AwaitQuestion<Watering>();
      const int direction = Dir().Direction();
      AnswerDir(false);
      AwaitQuestion<Watering>();
      EXPECT_EQ(Dir().Direction(), direction);
      EXPECT_EQ(Dir().Score().wrong, 1);
    }
    AwaitQuestion<Watering>();
    asked.push_back(Dir().Direction());
    variants.push_back(Dir().Variant());
    AnswerDir(true);
  }
  for (size_t i = 1; i < asked.size(); ++i)
    EXPECT_NE(asked[i], asked[i - 1]) << i;
  EXPECT_EQ(variants.front(), 0);
  EXPECT_EQ(variants.back(), 5);
  for (size_t i = 1; i + 1 < variants.size(); ++i) {
    EXPECT_GE(variants[i], 1);
    EXPECT_LE(variants[i], 4);
  }
  RunUntil([&] { return Dir().Kind() == Dir().Info().speeches.win; });
  EXPECT_TRUE(Visible(Watering::Flowers(5))) << "the flowers behind bloomed";
}

TEST_F(Garden2Test, ColoursNeverRepeatWithinASceneAndBothScenesAreAsked) {
  EnterGame(kScreenColourThings);
  std::vector<std::pair<int, int>> asked;  // scene, colour
  for (int good = 0; good < 10; ++good) {
    AwaitQuestion<ColourThings>();
    asked.emplace_back(Col().Scene(), Col().Colour());
    EXPECT_EQ(Col().Colour() / ColourThings::kPerScene, Col().Scene());
    if (good == 2) {
      AnswerCol(false);
      AwaitQuestion<ColourThings>();
      EXPECT_EQ(Col().Colour(), asked.back().second) << "the same colour after a correction";
    }
    AnswerCol(true);
  }
  bool switched = false;
  for (size_t i = 1; i < asked.size(); ++i) {
    EXPECT_NE(asked[i], asked[i - 1]) << i;
    switched = switched || asked[i].first != asked[i - 1].first;
  }
  EXPECT_TRUE(switched);
}

// The region each colour is judged by holds a thing of that colour in its scene's picture.
TEST(Garden2Pictures, EachColourLiesWhereItIsJudged) {
  if (!fs::exists(kDemoData / ".demogen")) GTEST_SKIP() << "no generated data";
  // 0xRRGGBB by colour: black, red, blue, orange, green, yellow; blue, pink, grey, green,
  // brown, yellow.
  constexpr uint32_t kColours[ColourThings::kColours] = {0x202020, 0xED2929, 0x2673F2, 0xFF8C1A,
                                                         0x40B833, 0xFFDE1A, 0x2673F2, 0xFF80BF,
                                                         0x999999, 0x40B833, 0x8A5A2E, 0xFFDE1A};
  const char* pictures[2] = {"Bitmaps/Garden2/COL/bg.png", "Bitmaps/Garden2/COL/bg2.png"};
  const int y[2] = {215, 250};
  for (int colour = 0; colour < ColourThings::kColours; ++colour) {
    const int scene = colour / ColourThings::kPerScene;
    int width = 0;
    const std::vector<uint32_t> picture =
        test::ReadPicture((kDemoData / pictures[scene]).string(), &width);
    ASSERT_EQ(width, 640);
    const uint32_t shown = picture[y[scene] * width + ThingX(ColourThings::Region(colour))];
    for (int shift = 0; shift < 24; shift += 8) {
      EXPECT_NEAR(int((shown >> shift) & 0xFF), int((kColours[colour] >> shift) & 0xFF), 12)
          << "colour " << colour;
    }
  }
}

TEST_F(Garden2Test, ADropBesideTheGapCountsForNothingAndThePieceGoesBack) {
  EnterGame(kScreenPictureSeries);
  AwaitQuestion<PictureSeries>();
  const int answer = Log().Rows()[Log().Row()].answer;
  const ScreenScript& script = *State().screen;
  const ScreenEntry& rest = script.Entry(script.FindEntry("P" + std::to_string(answer)));
  Control* piece = ScriptedControl(("P" + std::to_string(answer)).c_str());

  // Picked up with a click, it follows the mouse until the next click puts it down.
  Click(PieceX(answer), kPieceY);
  ASSERT_TRUE(Log().Dragging());
  Click(320, 260);
  EXPECT_FALSE(Log().Dragging());
  EXPECT_EQ(piece->Position(), (platform::Point{rest.x, rest.y}));
  EXPECT_EQ(Log().Score().good + Log().Score().wrong, 0);

  // Its own gap takes it: the row turns into its solved look.
  const int row = Log().Row();
  DragInto(answer);
  EXPECT_EQ(Log().Score().good, 1);
  EXPECT_EQ(piece->Position(), (platform::Point{rest.x, rest.y}));
  const SeriesRow& solved = Log().Rows()[row];
  const std::string filled = "P_" + std::to_string(answer) + "_V_" + std::to_string(solved.gap);
  EXPECT_TRUE(Visible(filled));
}

// The LOG game on a copy of the demo data whose series file the test writes.
class SeriesFileTest : public Garden2Test {
 protected:
  virtual std::string SeriesText() const = 0;

  void BeforeStart() override {
    std::ofstream(CopyOfDemoData() / "Data/Garden2/Log/log.dat", std::ios::binary) << SeriesText();
  }
};

class TwoRows : public SeriesFileTest {
  std::string SeriesText() const override { return "0,1,0,1,-1,0\r\n2,-1,2,3,2,3\r\n"; }
};

TEST_F(TwoRows, OnlyThoseTwoAreDrawnInTurn) {
  EnterGame(kScreenPictureSeries);
  ASSERT_EQ(Log().Rows().size(), 2u);
  int previous = AnsweredRight();
  for (int good = 1; good < 5; ++good) {
    const int row = AnsweredRight();
    EXPECT_EQ(row, 1 - previous);
    previous = row;
  }
}

class OneRow : public SeriesFileTest {
  std::string SeriesText() const override { return "0,1,0,1,-1,0\r\n"; }
};

TEST_F(OneRow, IsAsFatalAsNoFile) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(GoTo(kScreenPictureSeries), ::testing::ExitedWithCode(255),
              "Chyba pri nacitani skriptu Log.dat!");
}

// Bad lines among 31: each costs only itself, with a log line that says which went and why; an
// empty line goes without a word, and the lines past the thirtieth are left out too.
class BadAndExtraLines : public SeriesFileTest {
  std::string SeriesText() const override {
    std::string text =
        "0,1,0,1,-1,0\r\n3,-1,3,4,3,4\r\n0,1,999,1,-1,0\r\n2,-1,2,3,2,3\r\n-1,-1,2,3,2,3\r\n"
        "0,1,0,1,0,1\r\n0,1,0,1,-1,9\r\n\r\n";
    for (int line = 8; line < 31; ++line)
      text += line % 2 ? "0,1,0,1,-1,0\n" : "3,-1,3,4,3,4\n";
    return text;
  }
};

TEST_F(BadAndExtraLines, AreLeftOutWithALogLineAndTheRestIsPlayed) {
  GoTo(kScreenPictureSeries);
  ASSERT_EQ(Log().Rows().size(), 25u);
  EXPECT_EQ(Log().Rows()[0].gap, 4);
  EXPECT_EQ(Log().Rows()[0].answer, 0);
  EXPECT_EQ(Log().Rows()[2].pictures, (std::array<int, 5>{2, -1, 2, 3, 2}));
  EXPECT_EQ(Log().Rows()[2].gap, 1);
  const std::string log = engine_.LogText();
  for (const char* line :
       {"line 3 left out: its picture 999 is none of the pictures 0 to 4\n",
        "line 5 left out: it has more than one gap\n", "line 6 left out: it has no gap\n",
        "line 7 left out: its answer 9 is none of the pictures 0 to 4\n",
        "only the first 30 lines"}) {
    EXPECT_NE(log.find(std::string("\"Data\\Garden2\\Log\\log.dat\": ") + line), std::string::npos)
        << log;
  }
  EXPECT_EQ(log.find("log.dat\": line 8 "), std::string::npos) << log;
}

}  // namespace
}  // namespace rufo
