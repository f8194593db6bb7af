#include "tools/rufo_play/trace_event.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <sstream>
#include <tuple>
#include <utility>

#include "engine/trace.h"
#include "tests/support/temp_folder.h"
#include "tools/rufo_play/places.h"

namespace rufo::play {
namespace {

using Kind = TraceEvent::Kind;
using Form = ExpectedAnswer::Form;

// A line that must be read; an empty event when it is not.
TraceEvent Read(std::string_view line) {
  const std::optional<TraceEvent> event = ParseTraceLine(line);
  EXPECT_TRUE(event) << line;
  return event.value_or(TraceEvent{});
}

TEST(TraceEventTest, EveryKindOfLineIsRead) {
  const TraceEvent screen = Read("1200 screen 0x201 0x101");
  EXPECT_EQ(std::tuple(screen.kind, screen.timeMs, screen.screen, screen.previous),
            std::tuple(Kind::kScreen, 1200u, 0x201, 0x101));
  // The first screen has none before it: -1, written as a 32-bit pattern.
  EXPECT_EQ(Read("5 screen 0x4 0xffffffff").previous, -1);
  EXPECT_EQ(Read("5 screen 0x4 -1").previous, -1);
  const TraceEvent speak = Read("300 speak MLUVI Sounds\\Start\\sp_intro");
  EXPECT_EQ(std::tuple(speak.kind, speak.control, speak.text),
            std::tuple(Kind::kSpeak, "MLUVI", "Sounds\\Start\\sp_intro"));
  const TraceEvent verdict = Read("900 answer 0x202 wrong 4 2");
  EXPECT_EQ(
      std::tuple(verdict.kind, verdict.screen, verdict.good, verdict.goodCount, verdict.wrongCount),
      std::tuple(Kind::kAnswer, 0x202, false, 4, 2));
  EXPECT_EQ(Read("901 sticker 7").number, 7);
  const TraceEvent fatal = Read("902 fatal -1 Chyba při vytváření kontrolů");
  EXPECT_EQ(std::tuple(fatal.kind, fatal.number, fatal.text),
            std::tuple(Kind::kFatal, -1, "Chyba při vytváření kontrolů"));
  EXPECT_EQ(Read("3 debug currNum = 4").text, "currNum = 4");
  EXPECT_EQ(Read("4 save").kind, Kind::kSave);
  EXPECT_EQ(Read("4000 sync").kind, Kind::kSync);
  EXPECT_EQ(Read("5 sparkle 1 2").kind, Kind::kOther) << "kinds to come are skipped";
}

TEST(TraceEventTest, DamagedLinesAreRefused) {
  for (const char* line : {"",
                           "screen 0x201 0x101",
                           "12",
                           "-5 save",
                           "12 screen 0x201",
                           "12 screen 0xZZ 0x101",
                           "12 speak MLUVI",
                           "12 answer 0x202 maybe 1 1",
                           "12 answer 0x202 good 1",
                           "12 sticker",
                           "12 sticker seven",
                           "12 save now",
                           "12 question 0x202",
                           "12 question 0x202 hit",
                           "12 question 0x202 hit 1,,2",
                           "12 question 0x202 drag 3 to 1,2,3",
                           "12 question 0x202 drag 3 onto hit 4",
                           "12 question 0x202 carry 3 to 4",
                           "12 fatal",
                           "12 garden 0x201 Garden1 Data\\Garden1\\screen.dat",
                           "12 game 0x202 NUM RUFO 7 10 0x104 Data\\Garden1\\NUM\\screen.dat",
                           "12 game 0x202 NUM RUFO seven 10 0x104 - -",
                           "12 question 0x202 poke 3"}) {
    EXPECT_FALSE(ParseTraceLine(line)) << line;
  }
}

// The questions the game writes, through its own trace helpers, are read back as asked.
TEST(TraceEventTest, QuestionsReadAsTheGameWritesThem) {
  struct Case {
    std::string answer;
    Form form;
    std::vector<int> values;
    std::string control;
    platform::Rect drop;
    int hit;
  };
  const Case cases[] = {
      {trace::HitAnswer({3}), Form::kHit, {3}, "", {}, -1},
      {trace::HitAnswer({1, 4, 7}), Form::kHit, {1, 4, 7}, "", {}, -1},
      {trace::ControlAnswer("PTAK"), Form::kControl, {}, "PTAK", {}, -1},
      {trace::DragToRect(2, {10, 20, 110, 90}), Form::kDragToRect, {2}, "", {10, 20, 110, 90}, -1},
      {trace::DragToHit(5, 125), Form::kDragToHit, {5}, "", {}, 125},
      {trace::CarryToControl(1, "TVA2"), Form::kCarryToControl, {1}, "TVA2", {}, -1},
  };
  for (const Case& c : cases) {
    const TraceEvent event = Read("77 question 0x302 " + c.answer);
    EXPECT_EQ(std::tuple(event.kind, event.screen), std::tuple(Kind::kQuestion, 0x302));
    const ExpectedAnswer& got = event.expected;
    EXPECT_EQ(std::tie(got.form, got.values, got.control, got.drop, got.hit),
              std::tie(c.form, c.values, c.control, c.drop, c.hit))
        << c.answer;
    EXPECT_EQ(got.Text(), c.answer) << "messages quote the question as the trace has it";
  }
}

// Numbers at the ends of an int, and lines from a file written with CRLF line ends.
TEST(TraceEventTest, NumbersAreReadToTheLimitsOfAnInt) {
  const std::pair<const char*, int> numbers[] = {
      {"2147483647", 2147483647}, {"-2147483648", INT32_MIN}, {"0xffffffff", -1},
      {"0x80000000", INT32_MIN},  {"-0x80000000", INT32_MIN}, {"0X1f", 31}};
  for (const auto& [text, value] : numbers)
    EXPECT_EQ(ParseNumber(text), value) << text;
  for (const char* text :
       {"2147483648", "-2147483649", "0x100000000", "0x", "-", "+5", " 5", "5 ", "--5"})
    EXPECT_FALSE(ParseNumber(text)) << text;

  EXPECT_EQ(Read("12 sticker 7\r").number, 7);
  EXPECT_EQ(Read("12 speak MLUVI Sounds\\x\r").text, "Sounds\\x");
}

// The game tells its table in its trace; the player learns the gardens and games from it, a
// game into the garden of its screen, a place told again in the place of the first.
TEST(TraceEventTest, ThePlayerLearnsTheGardensAndGamesTheGameTells) {
  rufo::test::TempFolder folder;
  const std::string path = folder.Root() + "trace.txt";
  ASSERT_TRUE(trace::Open(path, [] { return 0u; }));
  trace::Garden(0x201, "Garden1", "Data\\Garden1\\screen.dat", "Bitmaps\\Garden1\\bg_mask.png");
  trace::Game(0x202, "NUM", "RUFO", 7, 10, 0x104, "Data\\Garden1\\NUM\\screen.dat", "-");
  trace::Game(0x204, "FROG", "FROG", 0, 5, 0x104, "Data\\A\\screen.dat,Data\\B\\screen.dat",
              "Bitmaps\\A\\bg_mask.png");
  trace::Game(0x202, "NUM", "ZABA", 7, 12, 0x104, "Data\\Garden1\\NUM\\screen.dat", "-");
  trace::Game(0x302, "DIR", "STUDNA", 9, 10, 0x103, "-", "-");
  trace::Close();
  std::istringstream lines(rufo::test::ReadFile(path));
  std::string line;
  while (std::getline(lines, line))
    Learn(Read(line));

  ASSERT_EQ(Ring().size(), 2u) << "the learning garden, then Garden1";
  EXPECT_EQ(Ring()[1].scene.scripts, std::vector<std::string>{"Data\\Garden1\\screen.dat"});
  EXPECT_EQ(Ring()[1].scene.masks, std::vector<std::string>{"Bitmaps\\Garden1\\bg_mask.png"});
  ASSERT_EQ(Ring()[1].games.size(), 2u) << "the game told again replaced the first";
  const GameRow* frogs = FindGame(0x202);
  ASSERT_NE(frogs, nullptr);
  EXPECT_EQ(std::tuple(frogs->enter, frogs->winAt, frogs->place.masks.size()),
            std::tuple("ZABA", 12, 0u));
  const GameRow* added = FindGame(0x204);
  ASSERT_NE(added, nullptr);
  EXPECT_EQ(std::tuple(added->place.scripts.size(), added->sticker, added->lesson),
            std::tuple(2u, 0, 0x104));
  EXPECT_EQ(GardenOf(0x204), &Ring()[1]);
  EXPECT_EQ(Describe(0x204), "0x204 Garden1 FROG");
  EXPECT_EQ(FindGame(0x302), nullptr) << "a game of a garden not told";

  ForgetLearned();
  EXPECT_EQ(Ring().size(), 1u);
  EXPECT_EQ(FindGame(0x204), nullptr);
}

}  // namespace
}  // namespace rufo::play
