// Garden5 played from outside on the demo data: the program runs headless, input goes in as
// game time passes and answers are clicked where the trace says; then the trace is read for the
// rules a child relies on.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "tests/game/garden5_places.h"
#include "tests/game/live_player.h"
#include "tests/game/play_steps.h"

namespace rufo {
namespace {

// One trace line split into its words: time, kind, fields.
struct Line {
  std::vector<std::string> words;

  explicit Line(const std::string& text) {
    std::istringstream in(text);
    for (std::string word; in >> word;)
      words.push_back(word);
  }
  bool Is(const std::string& kind, const std::string& first = "") const {
    return words.size() > 1 && words[1] == kind &&
           (first.empty() || (words.size() > 2 && words[2] == first));
  }
  // The number at the end of the named sound: "Sounds\...\PAP\2" gives 2.
  int SoundNumber() const { return std::stoi(words.back().substr(words.back().rfind('\\') + 1)); }
  bool Names(const std::string& part) const {
    return words.size() > 3 && words[3].find(part) != std::string::npos;
  }
};

// Where things stand on the demo pictures.
constexpr std::array<const char*, 4> kParrots = {"FIALOVY", "CERVENY", "ZELENY", "MODRY"};
constexpr int kParrotY = 330;
int ParrotX(const std::string& name) {
  const int index = std::find(kParrots.begin(), kParrots.end(), name) - kParrots.begin();
  return 110 + index * 140;
}
std::pair<int, int> HiveAt(int place) {
  return {110 + place % 4 * 140, place < 4 ? 255 : 385};
}
// Hive colours by layout 1 to 4 and hit value.
constexpr int kHiveColours[4][8] = {{0, 1, 2, 3, 4, 5, 6, 7},
                                    {7, 6, 5, 4, 3, 2, 1, 0},
                                    {4, 5, 6, 7, 0, 1, 2, 3},
                                    {1, 2, 3, 0, 5, 6, 7, 4}};

std::string ControlIn(const std::string& question) {
  return question.substr(question.rfind(' ') + 1);
}

// Clicks the parrot the question names, or the next one.
void ClickParrot(test::LivePlayer& player, const std::string& question, bool right) {
  const int x = ParrotX(ControlIn(question));
  player.Click(right ? x : (x - 110 + 140) % 560 + 110, kParrotY);
}
// Clicks the flower or the hive at the hit value the question names, or at the next one.
void ClickMeadow(test::LivePlayer& player, const std::string& question, bool right) {
  const auto [x, y] = FlowerAt((AnswerIn(question) + !right) % 11);
  player.Click(x, y);
}
void ClickHive(test::LivePlayer& player, const std::string& question, bool right) {
  const auto [x, y] = HiveAt((AnswerIn(question) + !right) % 8);
  player.Click(x, y);
}

// Each new board: its shape is named once (the debug line), the four parrots say the four
// shapes, the one the question names says the board's shape, and the next board differs.
void CheckParrots(const std::vector<std::string>& trace) {
  int boards = 0, board = -1, previous = -1;
  std::vector<std::pair<std::string, int>> said;
  for (const std::string& text : trace) {
    const Line line(text);
    if (line.Is("speak", "TABULE")) {
      said.clear();
      board = -1;
    } else if (line.Is("debug", "shape")) {
      board = std::stoi(line.words.back());
    } else if (line.Is("speak") && line.Names("\\PAP\\")) {
      said.emplace_back(line.words[2], line.SoundNumber());
    } else if (line.Is("question", "0x602") && !said.empty()) {
      ASSERT_EQ(said.size(), 4u) << text;
      std::set<int> shapes;
      for (const auto& [parrot, shape] : said) {
        shapes.insert(shape);
        if (parrot == ControlIn(text)) {
          EXPECT_EQ(shape, board) << "the truthful parrot: " << text;
        }
      }
      EXPECT_EQ(shapes.size(), 4u) << "every parrot says another shape";
      EXPECT_NE(board, previous) << "board " << boards;
      previous = board;
      ++boards;
      said.clear();
    }
  }
  EXPECT_GE(boards, 11);
}

// No layout or colour of the meadow twice in a row; the caterpillar sighs before each
// correction.
void CheckMeadow(const std::vector<std::string>& trace) {
  std::vector<int> layouts, colours;
  int layout = 0;
  bool corrected = false, sighed = false;
  int corrections = 0;
  for (const std::string& text : trace) {
    const Line line(text);
    if (line.Is("screen", "0x603")) {  // a new visit starts afresh
      layouts.push_back(0);
      colours.push_back(-1);
    }
    if (line.Is("speak") && line.Names("\\COL\\Ani\\k_1") && line.words[3].back() == '1') {
      layout = std::stoi(line.words[2].substr(2));
      layouts.push_back(layout);
    } else if (line.Is("speak") && line.Names("\\COL_NAME\\")) {
      EXPECT_EQ(line.words[2], "AM_" + std::to_string(layout)) << "the layout's caterpillar asks";
      colours.push_back(line.SoundNumber());
    } else if (line.Is("answer", "0x603") && line.words[3] == "wrong" && line.words[5] != "3") {
      corrected = true;
      sighed = false;
    } else if (corrected && line.Is("speak", "ACH_" + std::to_string(layout))) {
      sighed = true;
    } else if (corrected && line.Is("speak") && line.Names("GB_UNI\\BAD")) {
      EXPECT_TRUE(sighed) << "the sigh comes before the correction: " << text;
      EXPECT_EQ(line.words[2], "AM_" + std::to_string(layout));
      corrected = false;
      ++corrections;
    }
  }
  EXPECT_EQ(corrections, 2);
  for (size_t i = 1; i < layouts.size(); ++i) {
    if (layouts[i] && layouts[i - 1]) {
      EXPECT_NE(layouts[i], layouts[i - 1]) << "layout " << i;
    }
  }
  for (size_t i = 1; i < colours.size(); ++i) {
    if (colours[i] >= 0 && colours[i - 1] >= 0) {
      EXPECT_NE(colours[i], colours[i - 1]) << "colour " << i;
    }
  }
  EXPECT_GE(colours.size(), 13u);
}

void CheckHives(const std::vector<std::string>& trace) {
  // Every question of a visit fits one and the same hive layout; a right hive sees the bee fly
  // to it and the hive answer before the praise.
  std::vector<std::set<int>> visits;
  int colour = -1, place = -1, flight = -1;
  std::vector<std::string> afterGood;
  int homecomings = 0;
  for (const std::string& text : trace) {
    const Line line(text);
    if (line.Is("screen", "0x604")) visits.push_back({1, 2, 3, 4});
    if (line.Is("speak", "MLUVI") && line.Names("\\COL_NAME\\")) colour = line.SoundNumber();
    if (line.Is("question", "0x604")) {
      place = std::stoi(line.words.back());
      std::set<int>& fitting = visits.back();
      std::erase_if(fitting, [&](int layout) { return kHiveColours[layout - 1][place] != colour; });
      EXPECT_FALSE(fitting.empty()) << "the layout changed within a visit: " << text;
    }
    if (line.Is("answer", "0x604") && line.words[3] == "good") {
      flight = place < 4 ? place + 4 : place - 4;
      afterGood.clear();
    }
    if (flight >= 0 && line.Is("speak")) {
      afterGood.push_back(line.words[2]);
      if (line.Names("GB_UNI") || line.Names("sp_win")) {
        const std::vector<std::string> expected = {"V" + std::to_string(flight),
                                                   "U" + std::to_string(flight), "MLUVI"};
        EXPECT_EQ(afterGood, expected) << text;
        flight = -1;
        ++homecomings;
      }
    }
  }
  EXPECT_EQ(visits.size(), 2u);
  EXPECT_EQ(homecomings, 10);
}

class Garden5Play : public LivePlayTest {};

// From the Start screen through the learning garden and Garden6 to Garden5, where each game is
// entered from the scene, lost into its lesson, resumed and won to its sticker; then the trace
// of its play is read for its rules.
TEST_F(Garden5Play, EachGameLostThenWonByItsRules) {
  test::LivePlayer player(folder_, Environment("11", 1200000));
  ASSERT_TRUE(player.Start());
  ASSERT_NO_FATAL_FAILURE(ChooseAChild(player));
  ASSERT_NO_FATAL_FAILURE(Walk(player, false, {"0x701 0x101", "0x601 0x701"}));
  const struct {
    int x, y;
    const char* folder;
    ScreenId screen, lesson;
    int sticker;
    void (*answer)(test::LivePlayer&, const std::string&, bool);
    void (*check)(const std::vector<std::string>& trace);
  } games[] = {
      {175, 245, "NOT", kScreenTruthfulParrot, kScreenLearnShapes, 3, ClickParrot, CheckParrots},
      {314, 290, "COL", kScreenMeadowColours, kScreenLearnColours, 4, ClickMeadow, CheckMeadow},
      {480, 280, "COL2", kScreenBeeHives, kScreenLearnColours, 2, ClickHive, CheckHives},
  };
  for (const auto& game : games) {
    SCOPED_TRACE(Hex(game.screen));
    const size_t from = player.Trace().size();
    ASSERT_NO_FATAL_FAILURE(
        Enter(player, game.x, game.y,
              std::string("speak MLUVI Sounds\\Garden5\\") + game.folder + "\\sp_intro"));
    ASSERT_NO_FATAL_FAILURE(LoseThenWin(
        player, game.screen, game.lesson, game.sticker,
        [&](const std::string& line, bool right) { game.answer(player, line, right); }));
    EXPECT_TRUE(StoredProfile().HasSticker(game.sticker));
    game.check({player.Trace().begin() + from, player.Trace().end()});
  }
  player.Key("F12");
  ASSERT_EQ(player.Finish(), 0) << player.StandardError();
}

}  // namespace
}  // namespace rufo
