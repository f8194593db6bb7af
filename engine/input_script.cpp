#include "engine/input_script.h"

#include <algorithm>
#include <fstream>
#include <sstream>

#include "platform/sdl/sdl_scan_codes.h"

namespace rufo {
namespace {

constexpr int kLeftAltCode = 0x38;
constexpr int kRightAltCode = 0x138;

}  // namespace

bool InputScript::Load(const std::string& path, std::string* error) {
  std::ifstream file(path);
  if (!file) {
    *error = "cannot open " + path;
    return false;
  }
  std::stringstream text;
  text << file.rdbuf();
  return Parse(text.str(), error);
}

bool InputScript::Parse(const std::string& text, std::string* error) {
  actions_.clear();
  next_ = 0;
  std::istringstream lines(text);
  std::string line;
  for (int number = 1; std::getline(lines, line); ++number) {
    const size_t start = line.find_first_not_of(" \t\r");
    if (start == std::string::npos || line[start] == '#') continue;
    Action action;
    if (!ParseLine(line, &action)) {
      *error = "line " + std::to_string(number) + ": " + line;
      actions_.clear();
      return false;
    }
    actions_.push_back(action);
  }
  std::stable_sort(actions_.begin(), actions_.end(),
                   [](const Action& x, const Action& y) { return x.timeMs < y.timeMs; });
  return true;
}

bool InputScript::ParseLine(const std::string& line, Action* action) {
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
  } else {
    return false;
  }
  std::string rest;
  return !(in >> rest);
}

void InputScript::Deliver(uint32_t gameMs, platform::HeadlessWindow& window,
                          platform::InputSystem& input) {
  while (next_ < actions_.size() && actions_[next_].timeMs <= gameMs) {
    Perform(actions_[next_++], window, input);
  }
}

void InputScript::Perform(const Action& action, platform::HeadlessWindow& window,
                          platform::InputSystem& input) {
  namespace wm = platform;
  const uint32_t time = action.timeMs;
  switch (action.kind) {
    case Kind::kMove:
      input.Mouse().PushMouseMove(action.a - lastX_, action.b - lastY_, time);
      lastX_ = action.a;
      lastY_ = action.b;
      window.SetCursorPosition(action.a, action.b);
      window.PostMessage({wm::kWmMouseMove, 0, 0});
      break;
    case Kind::kButton: {
      const bool down = action.b != 0;
      input.Mouse().PushMouseButton(action.a, down, time);
      const uint32_t message = action.a == 0 ? (down ? wm::kWmLButtonDown : wm::kWmLButtonUp)
                                             : (down ? wm::kWmRButtonDown : wm::kWmRButtonUp);
      window.PostMessage({message, 0, 0});
      break;
    }
    case Kind::kDouble:
      input.Mouse().PushMouseButton(0, true, time);
      window.PostMessage({wm::kWmLButtonDblClk, 0, 0});
      break;
    case Kind::kWheel:
      input.Mouse().PushWheel(action.a, time);
      break;
    case Kind::kKey: {
      const bool down = action.b != 0;
      if (action.a == kLeftAltCode || action.a == kRightAltCode) altHeld_ = down;
      // Keys typed with Alt held, and Alt itself, arrive as system key messages.
      const bool alt = altHeld_ || action.a == kLeftAltCode || action.a == kRightAltCode;
      input.Keyboard().PushKey(platform::DeviceKeyCode(action.a), down, time);
      const uint32_t message = down ? (alt ? wm::kWmSysKeyDown : wm::kWmKeyDown)
                                    : (alt ? wm::kWmSysKeyUp : wm::kWmKeyUp);
      window.PostMessage({message, 0, wm::MakeKeyParam(action.a, false)});
      break;
    }
  }
}

}  // namespace rufo
