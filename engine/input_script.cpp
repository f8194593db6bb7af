#include "engine/input_script.h"

#include <sys/stat.h>

#include <algorithm>
#include <sstream>

#include "engine/line_reader.h"
#include "engine/trace.h"
#include "platform/key_names.h"

namespace rufo {
namespace {

constexpr size_t kLineLimit = 1024;

}  // namespace

InputScript::~InputScript() {
  if (live_) std::fclose(live_);
}

bool InputScript::Load(const std::string& path, std::string* error) {
  std::FILE* file = std::fopen(path.c_str(), "r");
  struct stat info {};
  if (!file || ::fstat(::fileno(file), &info) != 0) {
    if (file) std::fclose(file);
    *error = "cannot open " + path;
    return false;
  }
  if (!S_ISREG(info.st_mode)) {
    live_ = file;
    return true;
  }
  std::string text;
  std::string line;
  LineReader reader(file, kLineLimit);
  while (reader.Next(&line))
    text += line + "\n";
  std::fclose(file);
  return Parse(text, error);
}

bool InputScript::Parse(const std::string& text, std::string* error) {
  actions_.clear();
  next_ = 0;
  std::istringstream lines(text);
  std::string line;
  for (int number = 1; std::getline(lines, line); ++number) {
    Action action;
    const LineResult result = ParseLine(line, &action);
    if (result == LineResult::kBad) {
      *error = "line " + std::to_string(number) + ": " + line;
      actions_.clear();
      return false;
    }
    if (result == LineResult::kAction) actions_.push_back(action);
  }
  std::stable_sort(actions_.begin(), actions_.end(),
                   [](const Action& x, const Action& y) { return x.timeMs < y.timeMs; });
  return true;
}

InputScript::LineResult InputScript::ParseLine(const std::string& line, Action* action) {
  const size_t start = line.find_first_not_of(" \t\r");
  if (start == std::string::npos || line[start] == '#') return LineResult::kNothing;
  return ParseAction(line, action) ? LineResult::kAction : LineResult::kBad;
}

bool InputScript::ParseAction(const std::string& line, Action* action) {
  std::istringstream in(line);
  long long time = -1;
  std::string verb;
  if (!(in >> time >> verb) || time < 0 || time > UINT32_MAX) return false;
  action->timeMs = static_cast<uint32_t>(time);
  if (verb == "move") {
    action->kind = Kind::kMove;
    if (!(in >> action->a >> action->b)) return false;
  } else if (verb == "ldown" || verb == "lup" || verb == "rdown" || verb == "rup") {
    action->kind = Kind::kButton;
    action->a = verb[0] == 'l' ? 0 : 1;
    action->b = verb.ends_with("down") ? 1 : 0;
  } else if (verb == "ldouble") {
    action->kind = Kind::kDouble;
  } else if (verb == "wheel") {
    action->kind = Kind::kWheel;
    if (!(in >> action->a)) return false;
  } else if (verb == "key") {
    std::string name, direction;
    if (!(in >> name >> direction)) return false;
    action->kind = Kind::kKey;
    action->a = platform::Set1ScanCodeFromName(name);
    if (action->a == 0 || (direction != "down" && direction != "up")) return false;
    action->b = direction == "down" ? 1 : 0;
  } else if (verb == "sync") {
    action->kind = Kind::kSync;
  } else {
    return false;
  }
  std::string rest;
  return !(in >> rest);
}

// Input is due when game time reaches it; a sync only once that time has been played through.
bool InputScript::Due(const Action& action, uint32_t gameMs) {
  return action.kind == Kind::kSync ? action.timeMs < gameMs : action.timeMs <= gameMs;
}

const InputScript::Action* InputScript::Peek(std::string* error) {
  if (next_ < actions_.size()) return &actions_[next_];
  if (!live_) return nullptr;
  actions_.clear();
  next_ = 0;
  LineReader reader(live_, kLineLimit);
  std::string line;
  while (reader.Next(&line)) {
    ++liveLine_;
    Action action;
    const LineResult result = ParseLine(line, &action);
    if (result == LineResult::kNothing) continue;
    if (result == LineResult::kBad) {
      *error = "line " + std::to_string(liveLine_) + ": " + line;
      break;
    }
    action.timeMs = std::max(action.timeMs, lastLiveTime_);
    lastLiveTime_ = action.timeMs;
    actions_.push_back(action);
    return &actions_.back();
  }
  std::fclose(live_);
  live_ = nullptr;
  return nullptr;
}

bool InputScript::Deliver(uint32_t gameMs, platform::InputFeed& feed, std::string* error) {
  error->clear();
  while (const Action* action = Peek(error)) {
    if (!Due(*action, gameMs)) return true;
    ++next_;
    Perform(*action, feed);
  }
  return error->empty();
}

void InputScript::Perform(const Action& action, platform::InputFeed& feed) {
  const uint32_t time = action.timeMs;
  switch (action.kind) {
    case Kind::kMove:
      feed.MoveTo(action.a, action.b, time);
      break;
    case Kind::kButton:
      feed.Button(action.a, action.b != 0, time);
      break;
    case Kind::kDouble:
      feed.DoubleClick(time);
      break;
    case Kind::kWheel:
      feed.Wheel(action.a, time);
      break;
    case Kind::kKey:
      feed.Key(action.a, action.b != 0, time);
      break;
    case Kind::kSync:
      trace::Sync(action.timeMs);
      break;
  }
}

}  // namespace rufo
