#include "progress/event.h"

#include <charconv>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <vector>

#include "progress/catalogue.h"

namespace rufo::progress {
namespace {

using std::chrono::day;
using std::chrono::month;
using std::chrono::sys_days;
using std::chrono::year;
using std::chrono::year_month_day;

year_month_day Civil(int32_t d) {
  return year_month_day{sys_days{std::chrono::days{d}}};
}

// A 16-bit check of a line's text (FNV-1a folded), so that a line cut short or changed is not
// taken for an event.
std::string Checksum(std::string_view text) {
  uint32_t hash = 2166136261u;
  for (unsigned char c : text) {
    hash ^= c;
    hash *= 16777619u;
  }
  char digits[8];
  std::snprintf(digits, sizeof digits, "%04x", (hash ^ (hash >> 16)) & 0xFFFFu);
  return digits;
}

std::string Hex(int32_t value) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%x", static_cast<uint32_t>(value));
  return text;
}

std::vector<std::string_view> Fields(std::string_view line) {
  std::vector<std::string_view> fields;
  size_t start = 0;
  while (fields.size() < 10) {
    const size_t tab = line.find('\t', start);
    fields.push_back(line.substr(start, tab == std::string_view::npos ? tab : tab - start));
    if (tab == std::string_view::npos) break;
    start = tab + 1;
  }
  return fields;
}

// A decimal number from 0 to `limit`, digits only.
std::optional<int64_t> Number(std::string_view text, int64_t limit) {
  int64_t value = 0;
  if (text.empty() || text.size() > 12) return std::nullopt;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc{} || end != text.data() + text.size() || value < 0 || value > limit) {
    return std::nullopt;
  }
  return value;
}

std::optional<int32_t> Screen(std::string_view text) {
  if (text.size() < 3 || text.size() > 6 || text.substr(0, 2) != "0x") return std::nullopt;
  int32_t value = 0;
  const auto [end, error] = std::from_chars(text.data() + 2, text.data() + text.size(), value, 16);
  if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::optional<int32_t> ParseTime(std::string_view text) {
  if (text.size() != 8 || text[2] != ':' || text[5] != ':') return std::nullopt;
  const auto h = Number(text.substr(0, 2), 23);
  const auto m = Number(text.substr(3, 2), 59);
  const auto s = Number(text.substr(6, 2), 59);
  if (!h || !m || !s) return std::nullopt;
  return static_cast<int32_t>(*h * 3600 + *m * 60 + *s);
}

// The event's own fields, after the slot.
std::optional<Event> ParseBody(Event event, const std::vector<std::string_view>& f) {
  const std::string_view kind = f[0];
  const size_t n = f.size();
  using Kind = Event::Kind;
  if ((kind == "answer" || kind == "answers") && n >= 2) {
    const auto game = Screen(f[1]);
    if (!game || GameIndex(*game) < 0) return std::nullopt;
    event.kind = Kind::kAnswers;
    event.subject = *game;
    if (kind == "answer" && n == 3 && (f[2] == "good" || f[2] == "wrong")) {
      (f[2] == "good" ? event.a : event.b) = 1;
      return event;
    }
    if (kind == "answers" && n == 4) {
      const auto good = Number(f[2], kMaxTotal);
      const auto wrong = Number(f[3], kMaxTotal);
      if (!good || !wrong) return std::nullopt;
      event.a = *good;
      event.b = *wrong;
      return event;
    }
    return std::nullopt;
  }
  if ((kind == "lesson" || kind == "lessons") && n >= 2) {
    const auto lesson = Screen(f[1]);
    if (!lesson || LessonIndex(*lesson) < 0) return std::nullopt;
    event.kind = Kind::kLesson;
    event.subject = *lesson;
    if (kind == "lesson" && n == 3 && (f[2] == "hub" || f[2] == "loss")) {
      event.a = 1;
      event.b = f[2] == "loss" ? 1 : 0;
      return event;
    }
    if (kind == "lessons" && n == 4) {
      const auto visits = Number(f[2], kMaxTotal);
      const auto afterLoss = Number(f[3], kMaxTotal);
      if (!visits || !afterLoss || *afterLoss > *visits) return std::nullopt;
      event.a = *visits;
      event.b = *afterLoss;
      return event;
    }
    return std::nullopt;
  }
  if (kind == "sticker" && n == 2) {
    const auto number = Number(f[1], 13);
    if (!number) return std::nullopt;
    event.kind = Kind::kSticker;
    event.subject = static_cast<int32_t>(*number);
    return event;
  }
  if (kind == "play" && n == 2) {
    const auto seconds = Number(f[1], kSecondsPerDay);
    if (!seconds) return std::nullopt;
    event.kind = Kind::kPlay;
    event.a = *seconds;
    return event;
  }
  if (kind == "forget" && n == 1) {
    event.kind = Kind::kForget;
    return event;
  }
  return std::nullopt;
}

}  // namespace

Stamp LocalNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  // The local calendar day: the seconds since the epoch as the local clock reads them.
  const int64_t localSeconds = static_cast<int64_t>(now) + local.tm_gmtoff;
  return {static_cast<int32_t>(localSeconds / kSecondsPerDay),
          local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec};
}

std::string FormatDate(int32_t d) {
  const year_month_day date = Civil(d);
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(date.year()),
                static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
  return text;
}

std::optional<int32_t> ParseDate(std::string_view text) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
  const auto y = Number(text.substr(0, 4), 2999);
  const auto m = Number(text.substr(5, 2), 12);
  const auto d = Number(text.substr(8, 2), 31);
  if (!y || !m || !d || *y < 2000) return std::nullopt;
  const year_month_day date{year{static_cast<int>(*y)}, month{static_cast<unsigned>(*m)},
                            day{static_cast<unsigned>(*d)}};
  if (!date.ok()) return std::nullopt;
  return static_cast<int32_t>(sys_days{date}.time_since_epoch().count());
}

int DayOfMonth(int32_t d) {
  return static_cast<int>(static_cast<unsigned>(Civil(d).day()));
}

int MonthOf(int32_t d) {
  return static_cast<int>(static_cast<unsigned>(Civil(d).month()));
}

Event Event::Answer(Stamp when, int slot, int32_t game, bool good) {
  return {when, slot, Kind::kAnswers, game, good ? 1 : 0, good ? 0 : 1};
}
Event Event::Sticker(Stamp when, int slot, int32_t number) {
  return {when, slot, Kind::kSticker, number, 0, 0};
}
Event Event::Lesson(Stamp when, int slot, int32_t lesson, bool afterLoss) {
  return {when, slot, Kind::kLesson, lesson, 1, afterLoss ? 1 : 0};
}
Event Event::Play(Stamp when, int slot, int64_t seconds) {
  return {when, slot, Kind::kPlay, 0, seconds, 0};
}
Event Event::Forget(Stamp when, int slot) {
  return {when, slot, Kind::kForget, 0, 0, 0};
}

std::string FormatLine(const Event& e) {
  char time[16];
  std::snprintf(time, sizeof time, "%02d:%02d:%02d", e.when.second / 3600, e.when.second / 60 % 60,
                e.when.second % 60);
  std::string line = FormatDate(e.when.day) + "\t" + time + "\t" + std::to_string(e.slot) + "\t";
  const bool single = e.a + e.b == 1;
  switch (e.kind) {
    case Event::Kind::kAnswers:
      line += single ? "answer\t" + Hex(e.subject) + (e.a ? "\tgood" : "\twrong")
                     : "answers\t" + Hex(e.subject) + "\t" + std::to_string(e.a) + "\t" +
                           std::to_string(e.b);
      break;
    case Event::Kind::kLesson:
      line += e.a == 1 ? "lesson\t" + Hex(e.subject) + (e.b ? "\tloss" : "\thub")
                       : "lessons\t" + Hex(e.subject) + "\t" + std::to_string(e.a) + "\t" +
                             std::to_string(e.b);
      break;
    case Event::Kind::kSticker:
      line += "sticker\t" + std::to_string(e.subject);
      break;
    case Event::Kind::kPlay:
      line += "play\t" + std::to_string(e.a);
      break;
    case Event::Kind::kForget:
      line += "forget";
      break;
  }
  return line + "\t" + Checksum(line) + "\n";
}

std::optional<Event> ParseLine(std::string_view line) {
  if (line.size() > kMaxLineLength) return std::nullopt;
  const size_t lastTab = line.rfind('\t');
  if (lastTab == std::string_view::npos ||
      line.substr(lastTab + 1) != Checksum(line.substr(0, lastTab))) {
    return std::nullopt;
  }
  std::vector<std::string_view> f = Fields(line.substr(0, lastTab));
  if (f.size() < 4) return std::nullopt;
  Event event;
  const auto date = ParseDate(f[0]);
  const auto time = ParseTime(f[1]);
  const auto slot = Number(f[2], kSlots - 1);
  if (!date || !time || !slot) return std::nullopt;
  event.when = {*date, *time};
  event.slot = static_cast<int>(*slot);
  f.erase(f.begin(), f.begin() + 3);
  return ParseBody(event, f);
}

}  // namespace rufo::progress
