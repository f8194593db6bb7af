#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/input_device.h"
#include "platform/window.h"

namespace rufo {

// A script of timed input for headless runs. Each line: game time in milliseconds, then one of
// "move X Y", "ldown", "lup", "ldouble", "rdown", "rup", "wheel N", "key NAME down|up". Blank
// lines and lines starting with "#" are skipped. Every action reaches the program the way real
// input does: as window messages and as buffered device events.
class InputScript {
 public:
  // Reads the script; false with a description of the first bad line.
  bool Load(const std::string& path, std::string* error);
  bool Parse(const std::string& text, std::string* error);
  bool Loaded() const { return !actions_.empty(); }
  // Delivers every action due at or before the given game time.
  void Deliver(uint32_t gameMs, platform::HeadlessWindow& window, platform::InputSystem& input);

 private:
  enum class Kind { kMove, kButton, kDouble, kWheel, kKey };
  struct Action {
    uint32_t timeMs = 0;
    Kind kind = Kind::kMove;
    int a = 0;  // x, button (0 left, 1 right), wheel turn or key code
    int b = 0;  // y, or 1 for a press
  };

  static bool ParseLine(const std::string& line, Action* action);
  void Perform(const Action& action, platform::HeadlessWindow& window,
               platform::InputSystem& input);

  std::vector<Action> actions_;
  size_t next_ = 0;
  int lastX_ = 0;
  int lastY_ = 0;
  bool altHeld_ = false;
};

}  // namespace rufo
