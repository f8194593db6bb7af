// Garden3 played in-process on the demo data: the tools dragged into the cart (only from
// above), the light going out between the halves and the restart after the twentieth tool; the
// beds, the carried flowers and the monkey that frames every speech.
#include <gtest/gtest.h>

#include <set>

#include "controls/bitmap_control.h"
#include "controls/control_list.h"
#include "engine/interface.h"
#include "game/game_state.h"
#include "gardens/garden3/flower_beds.h"
#include "gardens/garden3/tool_cart.h"
#include "platform/window.h"
#include "tests/game/garden3_places.h"
#include "tests/game/garden_game.h"

namespace rufo {
namespace {

class Garden3Test : public GardenGameTest {
 protected:
  const ToolCart& Tools() { return Shown<ToolCart>(); }
  const FlowerBeds& Beds() { return Shown<FlowerBeds>(); }

  // Picks the tool with a click and drops it with a click in the cart, coming down from above
  // or in from the side.
  void PutInCart(int tool, bool fromAbove) {
    const auto [x, y] = ToolPlace(tool);
    Click(x, y);
    MoveTo(fromAbove ? kCartX : kBesideCartX, fromAbove ? kOverCartY : kCartY);
    MoveTo(kCartX, kCartY);
    Button(true);
    Button(false);
  }
  // The other tool of the asked one's pair, which is always on the wall beside it.
  static int Partner(int tool) { return tool < 10 ? tool + 10 : tool - 10; }

  void Plant(int colour, int bed) {
    Click(kPotX[colour], kPotY);
    Click(kBedX[bed], kBedY[bed]);
  }
  // How much of a tool's small picture a frame shows in a place of the cart ("NAKLAD1" is 0).
  static double ShowsInCart(const Frame& frame, int place, int tool) {
    const Control* look = ScriptedControl(("NAKLAD" + std::to_string(place + 1)).c_str());
    if (!look) return 0;
    return frame.Shows("Bitmaps/Garden3/NOT/NAKLAD.png", tool * 50, 0, 50, 100, look->Position().x,
                       look->Position().y);
  }
  bool Listed(int32_t id) {
    const ControlList& list = Engine().Controls();
    for (int i = 0; i < list.Count(); ++i) {
      if (list.At(i)->GetId() == id) return true;
    }
    return false;
  }
};

// Only a tool that comes down into the cart from above counts. One pushed in from the side, or
// dropped anywhere else, goes back to its place in its resting look; the asked one from above
// is praised and leaves the screen's controls for good (the game frees it when the screen goes).
TEST_F(Garden3Test, ToolsCountOnlyWhenTheyComeIntoTheCartFromAbove) {
  EnterGame(kScreenToolCart);
  AwaitQuestion<ToolCart>();
  const int asked = Tools().AskedTool();
  const ScreenEntry& entry = State().screen->Entry(asked + 1);
  Control* tool = entry.control;

  PutInCart(asked, false);
  EXPECT_FALSE(Tools().Dragging());
  EXPECT_EQ(Tools().Score().good + Tools().Score().wrong, 0);
  EXPECT_EQ(tool->Position().x, entry.x);
  EXPECT_EQ(tool->Position().y, entry.y);
  if (Control* resting = ScriptedControl((entry.name + "W").c_str())) {
    EXPECT_FALSE(resting->IsHidden());
    EXPECT_TRUE(tool->IsHidden());
  }

  PutInCart(Partner(asked), true);
  EXPECT_EQ(Tools().Score().wrong, 1);
  EXPECT_TRUE(Tools().CartLoad().empty()) << "a wrong tool goes back, not into the cart";
  AwaitQuestion<ToolCart>();
  EXPECT_EQ(Tools().AskedTool(), asked) << "after a correction the same tool stays asked";

  const int32_t id = tool->GetId();
  const auto [x, y] = ToolPlace(asked);
  PutInCart(asked, true);
  EXPECT_EQ(Tools().Score().good, 1);
  EXPECT_TRUE(Tools().InCart(asked));
  EXPECT_EQ(Tools().CartLoad(), std::vector<int>{asked});
  EXPECT_EQ(entry.control, nullptr);
  EXPECT_FALSE(Listed(id));
  // Its place is empty now: pressing there picks nothing.
  RunUntil([&] { return Tools().AnswerAllowed() && !Tools().Speaking(); });
  Click(x, y);
  EXPECT_FALSE(Tools().Dragging());
  GoTo(kScreenGarden3);
}

// With sticker 12 earned: ten tools, the light goes out and comes back on with the other ten,
// and after the twentieth the game starts again with every count at zero. Each tool put in
// shows, smaller, in the next place of the cart; the cart goes dark with the shed and comes back
// empty with the other half, and empty again when the game starts again.
TEST_F(Garden3Test, WithTheStickerTheToolsGoOnThroughTheDarkAndStartAgainAfterTwenty) {
  State().Profile().stickers[12] = 1;
  EnterGame(kScreenToolCart);
  std::set<int> asked;
  std::vector<int> load;
  for (int i = 0; i < ToolCart::kTools; ++i) {
    AwaitQuestion<ToolCart>();
    EXPECT_EQ(Tools().HalfShown(), i < 10 ? 0 : 1);
    const int tool = Tools().AskedTool();
    asked.insert(tool);
    const auto& half = ToolCart::HalfTools(Tools().HalfShown());
    EXPECT_NE(std::find(half.begin(), half.end(), tool), half.end());
    PutInCart(tool, true);
    ASSERT_EQ(Tools().Score().good, i + 1);
    load.push_back(tool);
    EXPECT_EQ(Tools().CartLoad(), load);
    // Part of a tall tool may hide behind RUFO's feet or the tool in front; an empty place
    // shows under half of it.
    EXPECT_GT(ShowsInCart(Shot(), i % 10, tool), 0.6) << "tool " << tool << " in the cart";
    if (i == 9) {
      RunUntil([&] { return Tools().Dark(); });
      EXPECT_FALSE(Visible("VOZIK"));
      EXPECT_FALSE(Visible("S"));
      EXPECT_FALSE(Visible("NAKLAD1"));
      RunUntil([&] { return !Tools().Dark(); });
      EXPECT_TRUE(Visible("VOZIK"));
      EXPECT_TRUE(Visible("S"));
      EXPECT_TRUE(Tools().CartLoad().empty());
      EXPECT_LT(ShowsInCart(Shot(), 0, load[0]), 0.5) << "the cart is empty again";
      load.clear();
    }
  }
  EXPECT_EQ(asked.size(), 20u);
  RunUntil(
      [&] { return Engine().PreviousScreen() == kScreenToolCart && OnScreen(kScreenToolCart); });
  EXPECT_EQ(Tools().Score().good, 0);
  EXPECT_EQ(Tools().QuestionIndex(), 0);
  EXPECT_EQ(Tools().HalfShown(), 0);
  AwaitQuestion<ToolCart>();
  EXPECT_TRUE(Tools().CartLoad().empty());
  EXPECT_LT(ShowsInCart(Shot(), 0, load[0]), 0.5) << "the game starts with an empty cart";
}

// Every question: three beds of different shapes, three different colours, and the shape asked
// is the shape of one of the beds.
TEST_F(Garden3Test, TheBedsNeverShareAShapeAndTheQuestionNamesOneOfThem) {
  State().Profile().stickers[13] = 1;
  EnterGame(kScreenFlowerBeds);
  for (int i = 0; i < 12; ++i) {
    AwaitQuestion<FlowerBeds>();
    const auto& shapes = Beds().BedShapes();
    EXPECT_EQ(std::set<int>(shapes.begin(), shapes.end()).size(), 3u);
    EXPECT_EQ(shapes[Beds().AskedBed()], Beds().AskedShape());
    for (int bed = 0; bed < FlowerBeds::kBeds; ++bed) {
      const auto* shown = dynamic_cast<const BitmapControl*>(
          ScriptedControl(("TVA" + std::to_string(bed + 1)).c_str()));
      ASSERT_NE(shown, nullptr);
      EXPECT_EQ(shown->GetCurrentFrame(), shapes[bed]);
    }
    Plant(Beds().AskedColour(), Beds().AskedBed());
    EXPECT_EQ(Beds().Score().good, i + 1);
  }
}

// A release over a bed with nothing carried plants nothing; a flower of another colour, or the
// asked colour in another bed, is wrong; the asked colour in the asked bed grows there.
TEST_F(Garden3Test, OnlyACarriedFlowerOfTheAskedColourInTheAskedBedIsRight) {
  EnterGame(kScreenFlowerBeds);
  AwaitQuestion<FlowerBeds>();
  const int x = kBedX[Beds().AskedBed()], y = kBedY[Beds().AskedBed()];
  Click(x, y);
  EXPECT_EQ(Beds().Score().good + Beds().Score().wrong, 0);
  EXPECT_TRUE(Beds().AnswerAllowed());

  const int colour = Beds().AskedColour(), bed = Beds().AskedBed();
  Click(kPotX[(colour + 1) % 4], kPotY);
  EXPECT_TRUE(Beds().Carrying());
  EXPECT_TRUE(Visible("C" + std::to_string((colour + 1) % 4)));
  Click(x, y);
  EXPECT_FALSE(Beds().Carrying());
  EXPECT_EQ(Beds().Score().wrong, 1);
  EXPECT_TRUE(Playing("MOVE")) << "the monkey comes down before the correction";

  AwaitQuestion<FlowerBeds>();
  Plant(colour, (bed + 1) % 3);
  EXPECT_EQ(Beds().Score().wrong, 2);
  AwaitQuestion<FlowerBeds>();
  Plant(colour, bed);
  EXPECT_EQ(Beds().Score().good, 1);
  EXPECT_TRUE(Visible("K_" + std::to_string(colour) + "_" + std::to_string(Beds().AskedShape())));
}

// Left for the album while the monkey was still climbing down, the game comes back with the
// monkey and a new question, not a silence.
TEST_F(Garden3Test, BackFromTheAlbumDuringTheMonkeysMoveANewQuestionIsPosed) {
  GoTo(kScreenGarden3);
  GoTo(kScreenFlowerBeds);
  RunUntil([&] { return Playing("MOVE"); });
  GoTo(kScreenAlbum);
  GoTo(kScreenFlowerBeds);
  EXPECT_TRUE(Playing("MOVE"));
  AwaitQuestion<FlowerBeds>();
  EXPECT_EQ(Beds().Score().good + Beds().Score().wrong, 0);
}

}  // namespace
}  // namespace rufo
