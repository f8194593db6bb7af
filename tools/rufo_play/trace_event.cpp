#include "tools/rufo_play/trace_event.h"

#include <charconv>
#include <cstdio>

namespace rufo::play {
namespace {

std::vector<std::string_view> Split(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  size_t start = 0;
  while (true) {
    const size_t end = text.find(separator, start);
    parts.push_back(text.substr(start, end == std::string_view::npos ? end : end - start));
    if (end == std::string_view::npos) return parts;
    start = end + 1;
  }
}

// The text after the first `words` space-separated words.
std::string_view After(std::string_view text, int words) {
  for (int i = 0; i < words; ++i) {
    const size_t space = text.find(' ');
    if (space == std::string_view::npos) return {};
    text.remove_prefix(space + 1);
  }
  return text;
}

std::optional<std::vector<int>> NumberList(std::string_view text, size_t count) {
  std::vector<int> numbers;
  for (std::string_view part : Split(text, ',')) {
    const std::optional<int> number = ParseNumber(part);
    if (!number) return std::nullopt;
    numbers.push_back(*number);
  }
  if (count && numbers.size() != count) return std::nullopt;
  return numbers;
}

bool ParseCounts(const std::vector<std::string_view>& words, TraceEvent* event) {
  if (words.size() != 6 || (words[3] != "good" && words[3] != "wrong")) return false;
  const auto screen = ParseNumber(words[2]);
  const auto good = ParseNumber(words[4]);
  const auto wrong = ParseNumber(words[5]);
  if (!screen || !good || !wrong) return false;
  event->screen = *screen;
  event->good = words[3] == "good";
  event->goodCount = *good;
  event->wrongCount = *wrong;
  return true;
}

}  // namespace

std::optional<int> ParseNumber(std::string_view text) {
  bool negative = false;
  if (text.starts_with('-')) {
    negative = true;
    text.remove_prefix(1);
  }
  // Hexadecimal numbers are 32-bit patterns: the game writes -1 as 0xffffffff.
  const bool hex = text.starts_with("0x") || text.starts_with("0X");
  if (hex) text.remove_prefix(2);
  uint32_t value = 0;
  const auto [end, error] =
      std::from_chars(text.data(), text.data() + text.size(), value, hex ? 16 : 10);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  // A decimal number is an int (-2147483648 included); negating wraps the 32-bit pattern.
  if (!hex && value > 0x7FFFFFFFu + (negative ? 1u : 0u)) return std::nullopt;
  return static_cast<int>(negative ? 0u - value : value);
}

std::string ScreenText(int id) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%x", static_cast<unsigned>(id));
  return text;
}

std::string ExpectedAnswer::Text() const {
  auto joined = [](const std::vector<int>& numbers) {
    std::string text;
    for (size_t i = 0; i < numbers.size(); ++i)
      text.append(i ? "," : "").append(std::to_string(numbers[i]));
    return text;
  };
  const std::string piece = values.empty() ? "" : std::to_string(values.front());
  switch (form) {
    case Form::kHit:
      return "hit " + joined(values);
    case Form::kControl:
      return "control " + control;
    case Form::kDragToRect:
      return "drag " + piece + " to " + joined({drop.left, drop.top, drop.right, drop.bottom});
    case Form::kDragToHit:
      return "drag " + piece + " to hit " + std::to_string(hit);
    case Form::kCarryToControl:
      return "carry " + piece + " to control " + control;
  }
  return {};
}

std::optional<ExpectedAnswer> ParseAnswer(std::string_view text) {
  const std::vector<std::string_view> words = Split(text, ' ');
  ExpectedAnswer answer;
  if (words.size() == 2 && words[0] == "hit") {
    const auto values = NumberList(words[1], 0);
    if (!values) return std::nullopt;
    answer.values = *values;
    return answer;
  }
  if (words.size() == 2 && words[0] == "control") {
    answer.form = ExpectedAnswer::Form::kControl;
    answer.control = words[1];
    return answer;
  }
  if (words.size() < 4 || words[2] != "to") return std::nullopt;
  const auto piece = ParseNumber(words[1]);
  if (!piece) return std::nullopt;
  answer.values = {*piece};
  if (words[0] == "drag" && words.size() == 4) {
    const auto box = NumberList(words[3], 4);
    if (!box) return std::nullopt;
    answer.form = ExpectedAnswer::Form::kDragToRect;
    answer.drop = {(*box)[0], (*box)[1], (*box)[2], (*box)[3]};
    return answer;
  }
  if (words[0] == "drag" && words.size() == 5 && words[3] == "hit") {
    const auto hit = ParseNumber(words[4]);
    if (!hit) return std::nullopt;
    answer.form = ExpectedAnswer::Form::kDragToHit;
    answer.hit = *hit;
    return answer;
  }
  if (words[0] == "carry" && words.size() == 5 && words[3] == "control") {
    answer.form = ExpectedAnswer::Form::kCarryToControl;
    answer.control = words[4];
    return answer;
  }
  return std::nullopt;
}

namespace {

// "-" or a list of names separated by commas.
std::vector<std::string> NameList(std::string_view text) {
  std::vector<std::string> names;
  if (text == "-") return names;
  for (std::string_view name : Split(text, ',')) {
    if (!name.empty()) names.emplace_back(name);
  }
  return names;
}

// "garden 0x201 NAME SCRIPT MASK" and "game 0x202 CODE ENTER STICKER WIN-AT LESSON SCRIPTS
// MASKS".
bool ParsePlace(const std::vector<std::string_view>& words, TraceEvent* event) {
  const bool game = words[1] == "game";
  if (words.size() != (game ? 10u : 6u)) return false;
  const auto screen = ParseNumber(words[2]);
  if (!screen) return false;
  event->kind = game ? TraceEvent::Kind::kGame : TraceEvent::Kind::kGarden;
  event->screen = *screen;
  event->name = words[3];
  event->scripts = NameList(words[game ? 8 : 4]);
  event->masks = NameList(words[game ? 9 : 5]);
  if (!game) return true;
  event->control = words[4];
  const auto sticker = ParseNumber(words[5]);
  const auto winAt = ParseNumber(words[6]);
  const auto lesson = ParseNumber(words[7]);
  if (!sticker || !winAt || !lesson) return false;
  if (event->control == "-") event->control.clear();
  event->number = *sticker;
  event->winAt = *winAt;
  event->lesson = *lesson;
  return true;
}

}  // namespace

std::optional<TraceEvent> ParseTraceLine(std::string_view line) {
  if (line.ends_with('\r')) line.remove_suffix(1);
  const std::vector<std::string_view> words = Split(line, ' ');
  TraceEvent event;
  const auto time = ParseNumber(words[0]);
  if (words.size() < 2 || !time || *time < 0) return std::nullopt;
  event.timeMs = static_cast<uint32_t>(*time);
  const std::string_view kind = words[1];
  using Kind = TraceEvent::Kind;
  if (kind == "screen") {
    const auto screen = words.size() == 4 ? ParseNumber(words[2]) : std::nullopt;
    const auto previous = words.size() == 4 ? ParseNumber(words[3]) : std::nullopt;
    if (!screen || !previous) return std::nullopt;
    event.kind = Kind::kScreen;
    event.screen = *screen;
    event.previous = *previous;
  } else if (kind == "speak") {
    if (words.size() < 4) return std::nullopt;
    event.kind = Kind::kSpeak;
    event.control = words[2];
    event.text = After(line, 3);
  } else if (kind == "question") {
    const auto screen = words.size() >= 4 ? ParseNumber(words[2]) : std::nullopt;
    const auto expected = screen ? ParseAnswer(After(line, 3)) : std::nullopt;
    if (!expected) return std::nullopt;
    event.kind = Kind::kQuestion;
    event.screen = *screen;
    event.expected = *expected;
  } else if (kind == "answer") {
    if (!ParseCounts(words, &event)) return std::nullopt;
    event.kind = Kind::kAnswer;
  } else if (kind == "sticker") {
    const auto number = words.size() == 3 ? ParseNumber(words[2]) : std::nullopt;
    if (!number) return std::nullopt;
    event.kind = Kind::kSticker;
    event.number = *number;
  } else if (kind == "save" || kind == "sync") {
    if (words.size() != 2) return std::nullopt;
    event.kind = kind == "save" ? Kind::kSave : Kind::kSync;
  } else if (kind == "debug") {
    event.kind = Kind::kDebug;
    event.text = After(line, 2);
  } else if (kind == "garden" || kind == "game") {
    if (!ParsePlace(words, &event)) return std::nullopt;
  } else if (kind == "fatal") {
    const auto code = words.size() >= 3 ? ParseNumber(words[2]) : std::nullopt;
    if (!code) return std::nullopt;
    event.kind = Kind::kFatal;
    event.number = *code;
    event.text = After(line, 3);
  } else {
    event.text = After(line, 1);
  }
  return event;
}

}  // namespace rufo::play
