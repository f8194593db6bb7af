#include "tools/rufo_play/screen_view.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "tests/play/play_fixtures.h"
#include "tests/support/pictures.h"
#include "tools/rufo_play/answer_plan.h"

namespace rufo::play {
namespace {

using test::MaskDrawing;

ExpectedAnswer Asked(std::string_view text) {
  return ParseAnswer(text).value();
}

// A small made-up screen: a script with every kind of entry, its pictures and a hit map whose
// regions 0 to 5 are the answers, and an animation entry at index 7 that answers to region 6.
class ScreenViewTest : public ::testing::Test {
 protected:
  // Writes the screen's files; the data root.
  static std::string MadeUpTree(const rufo::test::TempFolder& folder) {
    folder.Write("data/Data/Game/screen.dat",
                 "; made up\n"
                 "BG=Bitmaps\\Game\\bg,BG\n"  // 0
                 "PATH_ANI=Bitmaps\\Game\\Ani\\\n"
                 "ANI=0,0,B1\n"                                   // 1: region 0
                 "ANI=0,0,B2\n"                                   // 2: region 1
                 "BITMAP=100,50,Bitmaps\\Game\\pic,PIC\n"         // 3
                 "ABITMAP=200,60,Bitmaps\\Game\\strip,STRIP,4\n"  // 4
                 "BUTTON=300,70,Bitmaps\\Game\\knob,KNOB,0\n"     // 5
                 "EMPTY\n"                                        // 6
                 "ANI=0,0,PARROT,flags=CLK_PLAY\n"                // 7: region 6
                 "BITMAP=0,0,Bitmaps\\Game\\gone,GONE\n");        // 8
    for (const auto& [name, width, height] :
         {std::tuple("pic", 40, 20), {"strip", 160, 30}, {"knob", 50, 80}}) {
      rufo::test::WritePicture(folder, "data/Bitmaps/Game/" + std::string(name) + ".png", width,
                               height, [](int, int) { return 0x404040u; });
    }
    MaskDrawing mask;
    for (int value = 0; value < 6; ++value)
      mask.Fill({20 + value * 60, 300, 60 + value * 60, 340}, value);
    mask.Fill({500, 100, 560, 160}, 6);
    // The data tree was made where letter case does not count.
    mask.Write(folder, "data/BITMAPS/game/BG_MASK.PNG");
    return folder.Root() + "data";
  }

  rufo::test::TempFolder folder_;
  const Place place_{
      0x999, "made-up game", {"Data\\Game\\screen.dat"}, {"Bitmaps\\Game\\bg_mask.png"}};
  DataTree data_{MadeUpTree(folder_)};
  const ScreenView view_{data_, place_, {}};
  std::string problem_;

  // The problem named when nothing was made, or "made".
  template <typename T>
  std::string Refusal(const std::optional<T>& made) const {
    return made ? "made" : problem_;
  }
};

TEST_F(ScreenViewTest, ControlsAreFoundWhereAChildWouldClickThem) {
  ASSERT_TRUE(view_.Made());
  const RegionMap* mask = data_.Mask("Bitmaps\\Game\\bg_mask.png");
  ASSERT_NE(mask, nullptr);
  auto parrot = view_.Control("PARROT", &problem_);
  ASSERT_TRUE(parrot) << problem_;
  EXPECT_EQ(mask->At(parrot->x, parrot->y), 6) << "an animation answers to the region before it";
  auto second = view_.Control("B2", &problem_);
  ASSERT_TRUE(second) << problem_;
  EXPECT_EQ(mask->At(second->x, second->y), 1);
  // Pictures: a bitmap whole, an animated bitmap one frame wide, a button one state high.
  EXPECT_EQ(view_.Control("PIC", &problem_), (Point{120, 60}));
  EXPECT_EQ(view_.Control("STRIP", &problem_), (Point{220, 75}));
  EXPECT_EQ(view_.Control("KNOB", &problem_), (Point{325, 80}));
  EXPECT_EQ(view_.Regions(), (std::vector<int>{0, 1, 2, 3, 4, 5, 6}));
  const std::vector<std::string> clickable = view_.ClickableControls();
  EXPECT_EQ(clickable, (std::vector<std::string>{"B1", "B2", "PIC", "STRIP", "KNOB", "PARROT"}));
}

TEST_F(ScreenViewTest, WhatIsMissingIsNamed) {
  EXPECT_EQ(Refusal(view_.Control("RUFO", &problem_)), "Data\\Game\\screen.dat has no entry RUFO");
  EXPECT_FALSE(view_.Control("rufo", &problem_)) << "entry names keep their case";
  EXPECT_EQ(Refusal(view_.Control("GONE", &problem_)),
            "the picture Bitmaps\\Game\\gone of GONE is missing");
  EXPECT_EQ(Refusal(view_.Region(9, &problem_)), "Bitmaps\\Game\\bg_mask.png has no region 9");
  EXPECT_FALSE(view_.Control("BG", &problem_));

  const Place unmade{
      0x998, "unmade", {"Data\\Nothing\\screen.dat"}, {"Bitmaps\\Nothing\\bg_mask.png"}};
  const ScreenView nothing(data_, unmade, {});
  EXPECT_FALSE(nothing.Made());
  EXPECT_EQ(Refusal(nothing.Region(0, &problem_)), "Bitmaps\\Nothing\\bg_mask.png is missing");
  EXPECT_TRUE(nothing.Free({600, 0, 640, 100})) << "with no hit map every place is free";
}

TEST_F(ScreenViewTest, RightAndWrongAnswersArePlannedOrRefusedWithAReason) {
  const RegionMap& mask = *data_.Mask("Bitmaps\\Game\\bg_mask.png");
  auto region = [&](Point p) { return int(mask.At(p.x, p.y)); };

  const ExpectedAnswer hit = Asked("hit 3,4");
  EXPECT_EQ(region(PlanAnswer(hit, true, view_, &problem_)->from), 3);
  EXPECT_EQ(region(PlanAnswer(hit, false, view_, &problem_)->from), 2) << "the nearest other value";

  const ExpectedAnswer control = Asked("control B2");
  EXPECT_EQ(region(PlanAnswer(control, true, view_, &problem_)->from), 1);
  EXPECT_EQ(region(PlanAnswer(control, false, view_, &problem_)->from), 0)
      << "the neighbouring control of the same kind";

  const ExpectedAnswer drag = Asked("drag 5 to 400,10,440,50");
  const auto dragged = PlanAnswer(drag, true, view_, &problem_);
  ASSERT_TRUE(dragged);
  EXPECT_EQ(dragged->kind, Gesture::Kind::kDrag);
  EXPECT_EQ(region(dragged->from), 5);
  EXPECT_EQ(dragged->to, (Point{420, 30}));
  EXPECT_EQ(region(PlanAnswer(drag, false, view_, &problem_)->from), 4) << "another piece";

  const ExpectedAnswer intoHit = Asked("drag 5 to hit 6");
  const auto wrongPiece = PlanAnswer(intoHit, false, view_, &problem_);
  ASSERT_TRUE(wrongPiece);
  EXPECT_EQ(region(wrongPiece->from), 4) << "neither the piece nor the target";
  EXPECT_EQ(region(wrongPiece->to), 6);

  const ExpectedAnswer carry = Asked("carry 0 to control PARROT");
  const auto carried = PlanAnswer(carry, true, view_, &problem_);
  ASSERT_TRUE(carried);
  EXPECT_EQ(carried->kind, Gesture::Kind::kCarry);
  EXPECT_EQ(region(carried->to), 6);

  EXPECT_EQ(Refusal(PlanAnswer(Asked("hit 8"), true, view_, &problem_)),
            "Bitmaps\\Game\\bg_mask.png has no region 8");
  EXPECT_EQ(Refusal(PlanAnswer(Asked("control NOBODY"), false, view_, &problem_)),
            "Data\\Game\\screen.dat has no entry NOBODY");

  // Told to lose, the player needs something else to click: without it the plan fails and says
  // why, rather than giving the right answer.
  EXPECT_EQ(Refusal(PlanAnswer(Asked("hit 0,1,2,3,4,5,6"), false, view_, &problem_)),
            "no region but 0 to give a wrong answer with");
  EXPECT_EQ(Refusal(PlanAnswer(Asked("control KNOB"), false, view_, &problem_)),
            "Data\\Game\\screen.dat has no control like KNOB to give a wrong answer with");
  // The other bitmap's picture is missing, so PIC has no neighbour either.
  EXPECT_FALSE(PlanAnswer(Asked("control PIC"), false, view_, &problem_));
  EXPECT_TRUE(PlanAnswer(Asked("control PIC"), true, view_, &problem_));
}

}  // namespace
}  // namespace rufo::play
