// Garden4 played in-process on the demo data: the woodpecker's turns, the nests' rounds and
// pictures, and a nest strip shorter than its birds.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>

#include "controls/bitmap_control.h"
#include "gardens/garden4/nest_birds.h"
#include "gardens/garden4/woodpecker_knocks.h"
#include "tests/game/garden4_places.h"
#include "tests/game/garden_game.h"

namespace rufo {
namespace {

constexpr const char* kNestNames[NestBirds::kNests] = {"LN", "PN", "LD", "PD"};
constexpr int kMostBirds[NestBirds::kNests] = {7, 9, 4, 8};

class Garden4Test : public GardenGameTest {
 protected:
  const WoodpeckerKnocks& Woodpecker() { return Shown<WoodpeckerKnocks>(); }
  const NestBirds& Nests() { return Shown<NestBirds>(); }
  static const BitmapControl* NestPicture(int nest) {
    return dynamic_cast<const BitmapControl*>(ScriptedControl(kNestNames[nest]));
  }
  // Answers the nests' question and waits until the answer has been counted.
  void AnswerNests(int value) {
    const int answered = Nests().Score().good + Nests().Score().wrong;
    Click(CardX(value), kCardY);
    RunUntil([&] { return Nests().Score().good + Nests().Score().wrong > answered; });
  }
};

// Every turn knocks a number other than the last one, exactly that many times, and no click
// counts before the last knock is over.
TEST_F(Garden4Test, TheWoodpeckerNeverKnocksTheSameNumberTwiceAndClicksWaitForTheLastKnock) {
  State().Profile().stickers[5] = 1;  // so that the turns go on past ten
  EnterGame(kScreenWoodpeckerKnocks);
  int previous = 0;
  for (int turn = 0; turn < 12; ++turn) {
    RunUntil([&] { return Playing("DATEL"); });
    const int knocks = Woodpecker().Knocks();
    EXPECT_NE(knocks, previous);
    previous = knocks;
    Click(CardX(knocks - 1), kCardY);  // the right number, but the woodpecker still knocks
    // Each knock lasts 0.52 s; the question opens when the last one is over.
    int ms = 4;
    for (; !Woodpecker().AnswerAllowed() && ms < 10000; ++ms)
      Step();
    EXPECT_EQ(std::lround(ms / 520.0), knocks);
    EXPECT_EQ(Woodpecker().Score().good, turn);
    Click(CardX(knocks - 1), kCardY);
    EXPECT_EQ(Woodpecker().Score().good, turn + 1);
  }
}

// A round asks each nest once, over the same birds; each nest shows its birds as its picture;
// an empty nest is answered with 0.
TEST_F(Garden4Test, EachRoundAsksEveryNestOnceAndAnEmptyNestTakesZero) {
  State().Profile().stickers[6] = 1;
  EnterGame(kScreenNestBirds);
  bool emptyAnswered = false;
  for (int round = 0; round < 12 && !(round >= 3 && emptyAnswered); ++round) {
    std::set<int> asked;
    AwaitQuestion<NestBirds>();
    const auto birds = Nests().Birds();
    for (int nest = 0; nest < NestBirds::kNests; ++nest) {
      EXPECT_GE(birds[nest], 0);
      EXPECT_LE(birds[nest], kMostBirds[nest]);
      ASSERT_NE(NestPicture(nest), nullptr);
      EXPECT_EQ(NestPicture(nest)->GetCurrentFrame(), birds[nest]) << kNestNames[nest];
    }
    for (int question = 0; question < NestBirds::kNests; ++question) {
      AwaitQuestion<NestBirds>();
      EXPECT_EQ(Nests().QuestionIndex(), question);
      EXPECT_EQ(Nests().Birds(), birds);
      const int nest = Nests().AskedNest();
      asked.insert(nest);
      emptyAnswered = emptyAnswered || birds[nest] == 0;
      const int good = Nests().Score().good;
      AnswerNests(birds[nest]);
      EXPECT_EQ(Nests().Score().good, good + 1) << "nest " << nest << " with " << birds[nest];
    }
    EXPECT_EQ(asked.size(), 4u);
  }
  EXPECT_TRUE(emptyAnswered) << "no empty nest was asked in twelve rounds";
}

// Clicking RUFO while the question is open asks it again; nothing counts meanwhile.
TEST_F(Garden4Test, RufoClickedAsksTheSameNestAgain) {
  EnterGame(kScreenNestBirds);
  AwaitQuestion<NestBirds>();
  const int nest = Nests().AskedNest();
  Click(kGarden4RufoX, kGarden4RufoY);
  EXPECT_TRUE(Nests().Speaking());
  Click(CardX(Nests().Birds()[nest]), kCardY);  // while he asks: not taken
  AwaitQuestion<NestBirds>();
  EXPECT_EQ(Nests().AskedNest(), nest);
  EXPECT_EQ(Nests().Score().good + Nests().Score().wrong, 0);
}

// A nest whose strip holds three pictures never has more than two birds, and shows them.
class Garden4ShortNestTest : public Garden4Test {
 protected:
  void BeforeStart() override {
    CopyOfDemoData();
    const std::string script = "demo/Data/Garden4/NaD/screen.dat";
    std::string text = engine_.Folder().Read(script);
    const std::string strip = "Bitmaps\\Garden4\\nad\\PN,PN,10";
    const size_t at = text.find(strip);
    ASSERT_NE(at, std::string::npos);
    text.replace(at, strip.size(), "Bitmaps\\Garden4\\nad\\PN,PN,3");
    engine_.Folder().Write(script, text);
  }
};

TEST_F(Garden4ShortNestTest, ANestShowsNoMoreBirdsThanItsStripHoldsAndThatIsTheAnswer) {
  State().Profile().stickers[6] = 1;
  EnterGame(kScreenNestBirds);
  std::set<int> seen;
  for (int question = 0; question < 40; ++question) {
    AwaitQuestion<NestBirds>();
    const int birds = Nests().Birds()[1];
    seen.insert(birds);
    EXPECT_LE(birds, 2);
    EXPECT_EQ(NestPicture(1)->GetCurrentFrame(), birds);
    AnswerNests(Nests().Birds()[Nests().AskedNest()]);
  }
  EXPECT_TRUE(seen.count(2)) << "the birds past the strip show its last picture";
}

}  // namespace
}  // namespace rufo
