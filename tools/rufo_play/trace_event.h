#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/rect.h"

namespace rufo::play {

// The answer a game expects, as its question line states it.
struct ExpectedAnswer {
  enum class Form { kHit, kControl, kDragToRect, kDragToHit, kCarryToControl };
  Form form = Form::kHit;
  std::vector<int> values;  // kHit: the regions that answer; the others: the piece's region
  std::string control;      // kControl, kCarryToControl: the control's entry name
  platform::Rect drop;      // kDragToRect: where the piece must land
  int hit = -1;             // kDragToHit: the region the piece must land over

  // The form as the trace spells it, for messages.
  std::string Text() const;
};

// One line of the game's trace: "MS KIND FIELDS...".
struct TraceEvent {
  enum class Kind {
    kScreen,
    kSpeak,
    kQuestion,
    kAnswer,
    kSticker,
    kSave,
    kDebug,
    kFatal,
    kSync,
    kGarden,
    kGame,
    kOther
  };
  uint32_t timeMs = 0;
  Kind kind = Kind::kOther;
  int screen = -1;      // kScreen: the new screen; kQuestion, kAnswer: the screen asking
  int previous = -1;    // kScreen
  std::string control;  // kSpeak
  std::string text;     // kSpeak: the sound's name; kDebug, kFatal, kOther: the rest of the line
  ExpectedAnswer expected;  // kQuestion
  bool good = false;        // kAnswer
  int goodCount = 0;        // kAnswer
  int wrongCount = 0;       // kAnswer
  int number = 0;           // kSticker, kGame: the sticker; kFatal: the exit code
  // kGarden, kGame: a place of the game's table, told at its start. `screen` is the place,
  // `control` a game's entering control in its main scene.
  std::string name;                  // kGarden: "Garden1"; kGame: its code, "NUM"
  std::vector<std::string> scripts;  // the screen scripts it may load, the first made is used
  std::vector<std::string> masks;    // the hit maps it may load
  int winAt = 0;                     // kGame
  int lesson = 0;                    // kGame
};

// Reads "0x201" (or a decimal number); nullopt when it is neither.
std::optional<int> ParseNumber(std::string_view text);
// The answer part of a question line ("hit 1,4", "drag 3 to 10,20,30,40", ...).
std::optional<ExpectedAnswer> ParseAnswer(std::string_view text);
// nullopt when the line is malformed; kinds this reader does not know are kOther.
std::optional<TraceEvent> ParseTraceLine(std::string_view line);
// "0x201", as the trace writes screen ids.
std::string ScreenText(int id);

}  // namespace rufo::play
