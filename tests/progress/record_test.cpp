// The progress record: its lines, what a reader makes of cut, damaged and oversized records,
// appending after a cut, folding and the tables made of it.
#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <string>

#include "progress/catalogue.h"
#include "progress/record.h"
#include "progress/summary.h"
#include "tests/support/temp_folder.h"

namespace rufo::progress {
namespace {

const int32_t kMonday = *ParseDate("2025-03-03");

Stamp At(int32_t day, int32_t second = 9 * 3600) {
  return {day, second};
}

std::string Lines(std::initializer_list<Event> events) {
  std::string text;
  for (const Event& e : events)
    text += FormatLine(e);
  return text;
}

// The event's own line read back, without its line end.
std::optional<Event> ReadBack(const Event& e) {
  const std::string line = FormatLine(e);
  return ParseLine(std::string_view(line).substr(0, line.size() - 1));
}

TEST(ProgressLine, EveryKindReadsBackAsWrittenAndALineNotWholeAndOursIsDamaged) {
  const Event events[] = {
      Event::Answer(At(kMonday, 3723), 2, 0x202, true),
      Event::Answer(At(kMonday), 0, 0x703, false),
      Event{At(kMonday, 0), 1, Event::Kind::kAnswers, 0x403, 12, 3},
      Event::Sticker(At(kMonday), 3, 13),
      Event::Lesson(At(kMonday), 0, 0x104, true),
      Event::Lesson(At(kMonday), 0, 0x107, false),
      Event{At(kMonday, 0), 1, Event::Kind::kLesson, 0x102, 5, 2},
      Event::Play(At(kMonday, 86399), 1, 86400),
      Event::Forget(At(kMonday), 2),
  };
  // Every field of the line shows in its text, so the same text is the same event.
  for (const Event& e : events) {
    const auto read = ReadBack(e);
    ASSERT_TRUE(read) << FormatLine(e);
    EXPECT_EQ(FormatLine(*read), FormatLine(e));
  }
  EXPECT_EQ(FormatLine(events[0]).substr(0, 39), "2025-03-03\t01:02:03\t2\tanswer\t0x202\tgood");

  // A line that is not whole and ours is damaged.
  const std::string good = FormatLine(events[0]);
  const std::string_view line = std::string_view(good).substr(0, good.size() - 1);
  // Cut anywhere, or one character changed, the checksum no longer fits.
  for (size_t cut = 0; cut < line.size(); ++cut)
    EXPECT_FALSE(ParseLine(line.substr(0, cut))) << cut;
  std::string changed(line);
  changed[line.find("good")] = 'f';
  EXPECT_FALSE(ParseLine(changed));
  // Whole lines with values no game writes.
  const Event wrong[] = {
      Event::Answer(At(kMonday), 0, 0x201, true),   // a scene, not a game
      Event::Lesson(At(kMonday), 0, 0x101, false),  // the hub, not a lesson
      Event::Sticker(At(kMonday), 0, 14),
      Event::Play(At(kMonday), 0, 86401),
      Event::Answer(At(kMonday), 4, 0x202, true),
      Event{At(kMonday), 0, Event::Kind::kLesson, 0x102, 2, 3},  // more after a loss than visits
  };
  for (const Event& e : wrong)
    EXPECT_FALSE(ReadBack(e)) << FormatLine(e);
  EXPECT_FALSE(ParseLine(std::string(kMaxLineLength + 1, 'x')));
  EXPECT_FALSE(ParseDate("2025-02-29"));
  EXPECT_FALSE(ParseDate("1999-12-31"));
}

// A forgotten child's earlier history is gone, their later stays; cut and damaged lines are left
// out and counted.
TEST(ProgressRecord, ForgottenHistoryAndDamagedLinesAreLeftOut) {
  const std::string last = FormatLine(Event::Play(At(kMonday), 0, 60));
  const std::string text =
      Lines({Event::Answer(At(kMonday), 1, 0x202, true), Event::Answer(At(kMonday), 2, 0x202, true),
             Event::Forget(At(kMonday), 1), Event::Sticker(At(kMonday + 1), 1, 7)});
  const Record record =
      ParseRecord(text + "garbage\there\n\n\x01\xff\n" + last.substr(0, last.size() - 1));
  ASSERT_EQ(record.events.size(), 2u);
  EXPECT_EQ(record.events[0].slot, 2);
  EXPECT_EQ(record.events[1].kind, Event::Kind::kSticker);
  EXPECT_EQ(record.damagedLines, 2u);
  EXPECT_TRUE(record.tornEnd);
  EXPECT_FALSE(record.cutShort);
}

// An append after a cut line is read whole and the cut line stays apart; of fifty megabytes only
// the end is read, and quickly.
TEST(ProgressRecord, AppendsAfterACutLineAndReadsOnlyTheEndOfAHugeRecord) {
  test::TempFolder folder;
  const std::string path = (folder.Path() / kRecordFileName).string();
  const std::string play = FormatLine(Event::Play(At(kMonday), 0, 45));
  // The cut play line would read as "play 4" if the next line were glued to a line end after it.
  folder.Write(kRecordFileName, play.substr(0, play.size() - 6));
  EXPECT_GT(AppendEvent(path, Event::Answer(At(kMonday), 0, 0x202, false)), 0u);
  EXPECT_GT(AppendEvent(path, Event::Sticker(At(kMonday), 0, 8)), 0u);
  Record record = ReadRecord(path);
  ASSERT_EQ(record.events.size(), 2u);
  EXPECT_EQ(record.events[0].b, 1);
  EXPECT_EQ(record.events[1].subject, 8);
  EXPECT_EQ(record.damagedLines, 1u);
  EXPECT_FALSE(record.tornEnd);
  EXPECT_EQ(AppendEvent((folder.Path() / "no" / "such").string(), record.events[0]), 0u);

  {
    std::ofstream out(path, std::ios::binary);
    const std::string old = FormatLine(Event::Answer(At(kMonday - 30), 0, 0x202, true));
    std::string block;
    while (block.size() < (1u << 20))
      block += old;
    for (int i = 0; i < 50; ++i)
      out << block;
    out << FormatLine(Event::Sticker(At(kMonday), 0, 7));
  }
  const auto start = std::chrono::steady_clock::now();
  record = ReadRecord(path);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
  EXPECT_TRUE(record.cutShort);
  EXPECT_EQ(record.damagedLines, 0u);
  ASSERT_FALSE(record.events.empty());
  EXPECT_LE(record.events.size(), kReadLimit / 40);
  EXPECT_EQ(record.events.back().kind, Event::Kind::kSticker);
}

TEST(ProgressRecord, FoldingKeepsEveryTotalInABoundedNumberOfLines) {
  std::vector<Event> events;
  for (int day = -60; day <= 0; ++day) {
    for (int i = 0; i < 40; ++i) {
      const auto& games = Games();
      events.push_back(
          Event::Answer(At(kMonday + day, i), i % 4, games[i % games.size()].screen, i % 3 != 0));
    }
    events.push_back(Event::Lesson(At(kMonday + day), -day % 2, 0x104, day % 3 == 0));
    events.push_back(Event::Play(At(kMonday + day), 0, 600 + day));
  }
  events.push_back(Event::Sticker(At(kMonday - 40), 0, 7));
  const std::vector<Event> folded = Fold(events, kMonday);
  // Per child: 14 games and 6 lessons a day for the recent days and once for the older ones,
  // play once a day and once before, and the stickers.
  EXPECT_LE(folded.size(), 4u * (kRecentDays + 1) * (14 + 6 + 1) + 14);
  EXPECT_LT(folded.size(), events.size() / 5);
  for (int slot = 0; slot < kSlots; ++slot) {
    const ChildProgress before = Summarise(events, slot, kMonday);
    const ChildProgress after = Summarise(folded, slot, kMonday);
    for (size_t g = 0; g < before.games.size(); ++g) {
      EXPECT_EQ(after.games[g].good, before.games[g].good) << slot << " " << g;
      EXPECT_EQ(after.games[g].wrong, before.games[g].wrong) << slot << " " << g;
      EXPECT_EQ(after.games[g].stickerDay, before.games[g].stickerDay) << slot << " " << g;
    }
    for (size_t l = 0; l < before.lessons.size(); ++l) {
      EXPECT_EQ(after.lessons[l].visits, before.lessons[l].visits) << slot;
      EXPECT_EQ(after.lessons[l].afterLoss, before.lessons[l].afterLoss) << slot;
    }
    EXPECT_EQ(after.secondsByDay, before.secondsByDay) << slot;
  }
  // Folded again, nothing changes.
  EXPECT_EQ(Fold(folded, kMonday).size(), folded.size());
}

TEST(ProgressSummary, TablesAndTheLastFourteenDaysOfOneChild) {
  const std::vector<Event> events = {
      Event::Answer(At(kMonday), 0, 0x202, true),
      Event::Answer(At(kMonday), 0, 0x202, false),
      Event::Answer(At(kMonday), 1, 0x202, true),  // another child
      Event::Sticker(At(kMonday - 2), 0, 7),
      Event::Sticker(At(kMonday - 5), 0, 7),
      Event::Lesson(At(kMonday), 0, 0x102, true),
      Event::Lesson(At(kMonday), 0, 0x102, false),
      Event::Play(At(kMonday - 13), 0, 90),
      Event::Play(At(kMonday - 14), 0, 600),  // before the fourteen days
      Event::Play(At(kMonday), 0, 20),
      Event::Play(At(kMonday), 0, 100),
  };
  const ChildProgress child = Summarise(events, 0, kMonday);
  EXPECT_TRUE(child.any);
  EXPECT_EQ(child.games[0].good, 1);
  EXPECT_EQ(child.games[0].wrong, 1);
  EXPECT_EQ(child.games[0].stickerDay, kMonday - 5);
  EXPECT_FALSE(child.games[1].stickerDay);
  EXPECT_EQ(child.lessons[LessonIndex(0x102)].visits, 2);
  EXPECT_EQ(child.lessons[LessonIndex(0x102)].afterLoss, 1);
  EXPECT_EQ(child.secondsByDay.front(), 90);
  EXPECT_EQ(child.secondsByDay.back(), 120);
  EXPECT_FALSE(Summarise(events, 3, kMonday).any);
  for (const auto& [seconds, minutes] : {std::pair{0, 0}, {5, 1}, {89, 1}, {90, 2}})
    EXPECT_EQ(Minutes(seconds), minutes) << seconds;
}

}  // namespace
}  // namespace rufo::progress
