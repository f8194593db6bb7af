#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace rufo::progress {

inline constexpr const char* kRecordFileName = "rufo_progress.tsv";
inline constexpr int kSlots = 4;
inline constexpr int32_t kSecondsPerDay = 86400;

// When an event happened: the calendar day (days since 1970-01-01) and the second of that day.
struct Stamp {
  int32_t day = 0;
  int32_t second = 0;
};

// Now by the machine's local clock.
Stamp LocalNow();

// "2025-03-03" and back; nullopt for anything else, or a day outside the years 2000 to 2999.
std::string FormatDate(int32_t day);
std::optional<int32_t> ParseDate(std::string_view text);
// The day of the month and the month of a day.
int DayOfMonth(int32_t day);
int MonthOf(int32_t day);

// One line of the record. A single answer is a total of one; the record's folded lines carry
// one day's totals.
struct Event {
  enum class Kind {
    kAnswers,  // subject: the game's screen; a: good answers, b: wrong ones
    kSticker,  // subject: the sticker number
    kLesson,   // subject: the lesson's screen; a: visits, b: those after a loss
    kPlay,     // a: seconds played
    kForget,   // the child's profile was deleted: everything before about the slot is gone
  };

  Stamp when;
  int slot = 0;
  Kind kind = Kind::kPlay;
  int32_t subject = 0;
  int64_t a = 0;
  int64_t b = 0;

  static Event Answer(Stamp when, int slot, int32_t game, bool good);
  static Event Sticker(Stamp when, int slot, int32_t number);
  static Event Lesson(Stamp when, int slot, int32_t lesson, bool afterLoss);
  static Event Play(Stamp when, int slot, int64_t seconds);
  static Event Forget(Stamp when, int slot);
};

// The largest total one line may carry; larger numbers make the line damaged.
inline constexpr int64_t kMaxTotal = 100000000;
// Lines longer than this are damaged whatever they hold.
inline constexpr size_t kMaxLineLength = 160;

// The line of an event, tab-separated, ending in a checksum of the rest and "\n":
//   2025-03-03  09:01:12  0  answer  0x202  good   1f3a
// A single answer or lesson visit is written as such ("answer 0x202 good", "lesson 0x104
// loss"), a day's totals as "answers 0x202 GOOD WRONG" and "lessons 0x104 VISITS AFTER-LOSS";
// then "sticker N", "play SECONDS" and "forget".
std::string FormatLine(const Event& event);
// The event of a line (without its "\n"); nullopt for a line that is not one this program writes
// whole: a wrong checksum, an unknown game or lesson, a number out of range.
std::optional<Event> ParseLine(std::string_view line);

}  // namespace rufo::progress
