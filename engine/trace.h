#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/rect.h"

// A line-per-event record of what the game decides, for tests, the scripted player and content
// makers: "MS KIND FIELDS...", game time in milliseconds first, flushed at every line. Texts are
// written in UTF-8 (the game's Windows-1250 converted), a line break inside them as a space.
// Nothing is written until Open() is called, so callers need not check whether tracing is on.
namespace rufo::trace {

// Starts writing to `path` (replacing it); `nowMs` gives the game time. False when the file cannot
// be created.
bool Open(const std::string& path, std::function<uint32_t()> nowMs);
void Close();
bool Enabled();

// "MS screen 0x201 0x101"
void Screen(int32_t newId, int32_t previousId);
// "MS speak CONTROL NAME": NAME as passed, without its extension.
void Speak(const std::string& control, const std::string& name);
// "MS question 0x202 ANSWER", with ANSWER made by one of the helpers below.
void Question(int32_t screen, const std::string& answer);
// "MS answer 0x202 good|wrong GOOD WRONG", the counts after this answer.
void Answer(int32_t screen, bool good, int32_t goodCount, int32_t wrongCount);
void Sticker(int32_t number);
// "MS garden 0x201 NAME SCRIPT MASK": a garden's main scene, as the game was built with it.
void Garden(int32_t scene, const std::string& name, const std::string& script,
            const std::string& mask);
// "MS game 0x202 CODE ENTER STICKER WIN-AT 0x104 SCRIPTS MASKS": a game of the garden its screen
// belongs to, entered through the control ENTER of the main scene; SCRIPTS and MASKS list the
// names the game may load, separated by commas ("-" for none).
void Game(int32_t screen, const std::string& code, const std::string& enter, int32_t sticker,
          int32_t winAt, int32_t lesson, const std::string& scripts, const std::string& masks);
void Save();
void Debug(const std::string& text);
void Fatal(int32_t code, const std::string& text);
// "MS sync" with the time the input script gave: every line up to that game time is written.
void Sync(uint32_t timeMs);

// The forms of an expected answer.
std::string HitAnswer(const std::vector<int32_t>& values);           // "hit 3" or "hit 1,4,7"
std::string ControlAnswer(const std::string& name);                  // "control NAME"
std::string DragToRect(int32_t value, const platform::Rect& drop);   // "drag V to L,T,R,B"
std::string DragToHit(int32_t value, int32_t hit);                   // "drag V to hit H"
std::string CarryToControl(int32_t value, const std::string& name);  // "carry V to control NAME"

}  // namespace rufo::trace
