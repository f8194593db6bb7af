// The notions, pantry and shapes lessons played from outside on the demo data, as a child
// would: from the learning garden's hub into each lesson, several rounds of it answered where
// the trace's questions say, and back to the hub. The trace's speak lines show each lesson's
// introduction, names and remarks in their order.
#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "tests/game/lessons_places.h"
#include "tests/game/live_player.h"
#include "tests/game/play_steps.h"

namespace rufo {
namespace {

// A shelf place is "I" + shelf + place.
int SlotX(int slot) {
  return 66 + 74 * slot;
}
int SlotY(int shelf) {
  return (shelf + 1) * 102 - 10;
}

std::vector<int> Numbers(const std::string& text) {
  static const std::regex number("\\d+");
  std::vector<int> numbers;
  for (std::sregex_iterator it(text.begin(), text.end(), number), end; it != end; ++it)
    numbers.push_back(std::stoi(it->str()));
  return numbers;
}

// The number a speak line's sound name ends with.
int LastNumber(const std::string& line) {
  const std::vector<int> numbers = Numbers(line);
  return numbers.empty() ? -1 : numbers.back();
}

class NotionsPantryShapesPlay : public LivePlayTest {
 protected:
  // Clicks the hub's object and cuts the lesson's introduction short.
  void Enter(int x, int y, const std::string& lesson, const std::string& intro) {
    player_.Click(x, y);
    ASSERT_NE(player_.AwaitLine("screen " + lesson + " 0x101"), "");
    ASSERT_NE(player_.AwaitLine("speak MLUVI " + intro), "");
    player_.Release(320, 20);
  }
  void BackToHub(const std::string& lesson) {
    Back(player_);
    ASSERT_NE(player_.AwaitLine("screen 0x101 " + lesson), "");
  }
  std::string Await(const std::string& text) {
    const std::string line = player_.AwaitLine(text);
    EXPECT_NE(line, "") << "no trace line with: " << text;
    return line;
  }

  // RUFO hides where the child clicks and pops out saying where he was; the mushroom there greets
  // him (never with its first remark 0), says its name and adds a word (never its remark 1).
  void PlayNotions(int rounds) {
    int current = -1;
    for (int round = 0; round < rounds; ++round) {
      SCOPED_TRACE("notions round " + std::to_string(round));
      const std::string question = Await("question 0x105 hit ");
      ASSERT_NE(question, "");
      const std::vector<int> offered = Numbers(question.substr(question.find(" hit ")));
      ASSERT_FALSE(offered.empty());
      for (int value : offered)
        EXPECT_NE(value + 1, current) << "RUFO's own place is offered";
      const int place = offered.front() + 1;
      const std::string n = std::to_string(place);
      player_.Click(kPlaceX[place], kPlaceY[place]);
      if (current < 0) {
        Await("speak SKOK");
      } else {
        const std::string old = std::to_string(current);
        Await("speak H" + old + " Bitmaps\\LearnG\\NOT\\Ani\\H" + old + "_2");
      }
      Await("speak H" + n + " Bitmaps\\LearnG\\NOT\\Ani\\H" + n);
      Await("speak A" + n + " Sounds\\LearnG\\NOT\\NOT_NAME\\vyleza" + n);
      EXPECT_NE(LastNumber(Await("speak M" + n + " Sounds\\LearnG\\NOT\\UNI\\FIRST\\")), 0);
      Await("speak M" + n + " Sounds\\LearnG\\NOT\\NOT_NAME\\" + n);
      EXPECT_NE(LastNumber(Await("speak M" + n + " Sounds\\LearnG\\NOT\\UNI\\SECOUND\\")), 1);
      current = place;
    }
  }

  // Shelf by shelf RUFO names what the gap needs; a wrong thing gets the cross and a correction,
  // the right one (dragged with the button held on the first shelf, clicked and carried on the
  // others) a remark; the third tidy shelf opens the pot, a surprise pops out, RUFO praises
  // the child and announces the first of three new shelves.
  void PlayPantry() {
    for (int shelf = 0; shelf < 3; ++shelf) {
      SCOPED_TRACE("shelf " + std::to_string(shelf));
      const std::string announced =
          Await("speak MLUVI Sounds\\LearnG\\LOG\\POL_" + std::to_string(shelf) + "\\");
      std::smatch m;
      const std::string question = Await("question 0x106 carry ");
      ASSERT_TRUE(
          std::regex_search(question, m, std::regex("carry (\\d) to control I(\\d)(\\d)$")));
      const int item = std::stoi(m[1]), slot = std::stoi(m[3]);
      EXPECT_EQ(std::stoi(m[2]), shelf);
      EXPECT_EQ(LastNumber(announced), item + 1);
      if (shelf == 1) {
        player_.Click(ItemX((item + 1) % 6), kItemY);
        player_.Click(SlotX(slot), SlotY(shelf));
        Await("speak BAD");
        Await("speak MLUVI Sounds\\GB_UNI\\BAD_1\\");
        Await("question 0x106 carry " + std::to_string(item));
      }
      if (shelf == 0) {
        // Held down from the crate and let go over the gap.
        player_.Press(ItemX(item), kItemY);
        player_.Move((ItemX(item) + SlotX(slot)) / 2, (kItemY + SlotY(shelf)) / 2);
        player_.Release(SlotX(slot), SlotY(shelf));
      } else {
        player_.Click(ItemX(item), kItemY);
        player_.Click(SlotX(slot), SlotY(shelf));
      }
      if (shelf < 2) Await("speak MLUVI Sounds\\LearnG\\LOG\\UNI\\");
    }
    Await("speak GOOD");
    Await("speak POKLICE Bitmaps\\LearnG\\LOG\\Ani\\POKLICE");
    EXPECT_TRUE(std::regex_search(Await(" speak "), std::regex(" speak (CERT|ZABA|PRASE|MROZ) ")));
    Await("speak POKLICE Bitmaps\\LearnG\\LOG\\ani\\pok_2");
    Await("speak START");
    Await("speak MLUVI Sounds\\GB_UNI\\GOOD\\");
    Await("speak MLUVI Sounds\\LearnG\\LOG\\POL_0\\");
  }

  // Each click on a shape of the picture shown names that shape, one of four ways, and a remark
  // and a new picture follow. The remarks' numbers, in order.
  std::vector<int> PlayShapes(int rounds) {
    std::vector<int> remarks;
    for (int round = 0; round < rounds; ++round) {
      SCOPED_TRACE("shapes round " + std::to_string(round));
      Await("question 0x107 hit 0,1,2,3");
      int scene = -1;
      for (const std::string& line : player_.Trace()) {
        if (line.find("debug Bitmaps\\LearnG\\TVA\\bm_mask") != std::string::npos) {
          scene = LastNumber(line);
        }
      }
      if (scene < 0) {
        ADD_FAILURE() << "no picture shown";
        return remarks;
      }
      const int shape = round % 4;
      player_.Click(kShapeAt[scene][shape][0], kShapeAt[scene][shape][1]);
      const int variant = LastNumber(
          Await("speak MLUVI Sounds\\LearnG\\TVA\\TVA_NAME\\TVA_" + std::to_string(shape) + "\\"));
      EXPECT_GE(variant, 0);
      EXPECT_LT(variant, 4);
      remarks.push_back(LastNumber(Await("speak MLUVI Sounds\\LearnG\\TVA\\UNI\\")));
    }
    return remarks;
  }

  test::LivePlayer player_{folder_, Environment("5", 3600000)};
};

TEST_F(NotionsPantryShapesPlay, FromTheHubIntoNotionsPantryAndShapesAndBack) {
  ASSERT_NO_FATAL_FAILURE(StartAndChooseAChild(player_));

  Enter(kMushroomX, kMushroomY, "0x105", "Sounds\\LearnG\\NOT\\sp_intro");
  PlayNotions(5);
  BackToHub("0x105");

  player_.Click(kPantryX, kPantryY);
  ASSERT_NE(player_.AwaitLine("screen 0x106 0x101"), "");
  Await("speak START");
  Await("speak MLUVI Sounds\\LearnG\\LOG\\sp_intro");
  player_.Release(320, 20);
  PlayPantry();
  BackToHub("0x106");

  Enter(kDwarfX, kDwarfY, "0x107", "Sounds\\LearnG\\TVA\\sp_intro");
  PlayShapes(3);
  BackToHub("0x107");

  EndPlay(player_);
}

// The shapes lesson's remarks vary: in two hundred rounds RUFO never says the same one twice
// running.
TEST_F(NotionsPantryShapesPlay, ShapesRemarksNeverComeTwiceRunning) {
  ASSERT_NO_FATAL_FAILURE(StartAndChooseAChild(player_));
  Enter(kDwarfX, kDwarfY, "0x107", "Sounds\\LearnG\\TVA\\sp_intro");
  const std::vector<int> remarks = PlayShapes(200);
  ASSERT_EQ(remarks.size(), 200u);
  for (size_t i = 1; i < remarks.size(); ++i)
    EXPECT_NE(remarks[i], remarks[i - 1]) << "remarks " << i - 1 << " and " << i;
  EndPlay(player_);
}

}  // namespace
}  // namespace rufo
