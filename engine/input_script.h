#pragma once

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "platform/input_feed.h"

namespace rufo {

// A script of timed input for headless runs. Each line: game time in milliseconds, then one of
// "move X Y", "ldown", "lup", "ldouble", "rdown", "rup", "wheel N", "key NAME down|up", "sync".
// Blank lines and lines starting with "#" are skipped. Every action goes to the platform's input
// feed, which delivers it the way real input arrives. "T sync" writes "T sync" to
// the trace once game time has passed T, so a reader of the trace knows every line up to T.
//
// A regular file is read and checked whole before the run, its lines taken in time order. Any
// other file (a pipe, a FIFO) is live: lines are read as game time reaches them, the engine
// waiting for the next line only when it must know whether that line is due; a live line earlier
// than the one before it is due at once. The end of the input ends the script, not the run.
class InputScript {
 public:
  ~InputScript();
  // Opens the script (a regular file is read whole); false with a description of what failed.
  bool Load(const std::string& path, std::string* error);
  bool Parse(const std::string& text, std::string* error);
  bool Loaded() const { return live_ || !actions_.empty(); }
  // Delivers every action due at the given game time. False, with a description, when a live
  // line is malformed.
  bool Deliver(uint32_t gameMs, platform::InputFeed& feed, std::string* error);

 private:
  enum class Kind { kMove, kButton, kDouble, kWheel, kKey, kSync };
  struct Action {
    uint32_t timeMs = 0;
    Kind kind = Kind::kMove;
    int a = 0;  // x, button (0 left, 1 right), wheel turn or key code
    int b = 0;  // y, or 1 for a press
  };

  // A line that is blank or a comment gives no action.
  enum class LineResult { kAction, kNothing, kBad };
  static LineResult ParseLine(const std::string& line, Action* action);
  static bool ParseAction(const std::string& line, Action* action);
  static bool Due(const Action& action, uint32_t gameMs);
  // The next action of the script, reading a live script's next line when it has none; nullopt
  // at the end of the input or (with the error set) at a malformed line.
  const Action* Peek(std::string* error);
  static void Perform(const Action& action, platform::InputFeed& feed);

  std::vector<Action> actions_;
  size_t next_ = 0;
  std::FILE* live_ = nullptr;
  int liveLine_ = 0;
  uint32_t lastLiveTime_ = 0;
};

}  // namespace rufo
