#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// The game layer's vocabulary for screens, passed through from the floors below: the events a
// screen hears from its controls, the input messages it receives, and the forms of an answer
// that the trace records. Gardens and lessons include this header rather than those.
#include "controls/control_events.h"
#include "engine/messages.h"
#include "engine/trace.h"
#include "game/screen_ids.h"
#include "platform/rect.h"

namespace rufo {

// The controls a screen's script creates. Screens hold them as handles and act on them only
// through the functions below, each of which does nothing (or answers "no") for a null handle.
class Control;
class BitmapControl;
class ScriptedAnimationControl;

// A control of any of those kinds, for the functions that act on every control. The handle is
// made where the kinds are known, so that screens need not know them.
class ControlRef {
 public:
  ControlRef(std::nullptr_t) {}        // NOLINT: handles convert implicitly at call sites
  ControlRef(Control* control);        // NOLINT
  ControlRef(BitmapControl* control);  // NOLINT
  ControlRef(ScriptedAnimationControl* control);  // NOLINT
  Control* get() const { return control_; }

 private:
  Control* control_ = nullptr;
};
// The same for the functions that only look.
class ControlView {
 public:
  ControlView(std::nullptr_t) {}                         // NOLINT
  ControlView(const Control* control);                   // NOLINT
  ControlView(const BitmapControl* control);             // NOLINT
  ControlView(const ScriptedAnimationControl* control);  // NOLINT
  const Control* get() const { return control_; }

 private:
  const Control* control_ = nullptr;
};

using ScreenPoint = platform::Point;
using ScreenRect = platform::Rect;

// --- The scene ------------------------------------------------------------------------------

// Loads a screen script, replacing the controls it created before.
void LoadScript(const std::string& name);
// Loads the screen's hit map; an empty name drops it.
void LoadRegions(const std::string& name);
// The hit-map value at a point of the screen (255: none).
uint8_t RegionAt(int x, int y);
// The hit-map value under the pointer now (255: none). Input handlers have it in their Input.
uint8_t RegionUnderPointer();
// Shows a picture as the whole screen's background (with `force`, even when it is the same).
void SetBackground(const std::string& name, bool force);
// The line a developer sees on the screen in debug mode.
void SetDebugText(const std::string& text);

// --- Going elsewhere ------------------------------------------------------------------------

void GoTo(ScreenId screen);
// The screen shown before this one.
ScreenId PreviousScreen();

// --- Controls -------------------------------------------------------------------------------

// The bitmap of the script's entry of that name, or nullptr.
BitmapControl* ScriptedBitmap(const std::string& name);
// Whether `control` is the one the script's entry number `entry` created.
bool IsEntry(ControlView control, int entry);
// The control of the script's entry number `entry` (nullptr: none, or set aside), its name and
// its file ("" for an entry that does not exist).
Control* EntryControl(int entry);
std::string EntryName(int entry);
std::string EntryFile(const std::string& name);

void Show(ControlRef control, bool shown = true);
void Hide(ControlRef control);
// Shows or hides the script's entry of that name.
void ShowControl(const std::string& name, bool shown);
// Exists and is not hidden.
bool IsShown(ControlView control);
bool IsDisabled(ControlView control);
bool IsHovered(ControlView control);
// Draws the control above every other one (the toolbar is raised again after it).
void ToTop(ControlRef control);

struct ControlSize {
  int width = 0;
  int height = 0;
};
ScreenPoint PositionOf(ControlView control);
ControlSize SizeOf(ControlView control);
void MoveTo(ControlRef control, int x, int y);
// Moves the control so that its middle is at (x, y), as a thing carried by the pointer.
void CentreOn(ControlRef control, int x, int y);
// Moves the control back to where its script entry placed it.
void MoveHome(ControlRef control);
// The hit-map value the control answers to.
uint8_t HitIndexOf(ControlView control);

// Controls taken out of the scene: no longer drawn, asked or named by their script entry, and
// kept until the holder goes with the screen.
class SetAside {
 public:
  SetAside();
  ~SetAside();
  SetAside(const SetAside&) = delete;
  SetAside& operator=(const SetAside&) = delete;

  // Takes the control of the script's entry number `entry`; false when the entry has none.
  bool Take(int entry);
  // Whether the control of that entry was taken.
  bool Holds(int entry) const;

 private:
  std::vector<std::unique_ptr<Control>> controls_;
};

// --- Pictures with frames -------------------------------------------------------------------

void SetFrame(BitmapControl* bitmap, int frame);
int FrameOf(const BitmapControl* bitmap);
int FrameCount(const BitmapControl* bitmap);

// --- Animations -----------------------------------------------------------------------------

// Plays the animation's own script, or `script` when one is given, with its sound; false when
// it is missing or does not play (then no end will be reported).
bool Play(ScriptedAnimationControl* animation, const std::string& script = {}, bool loop = false);
// Plays the script's entry of that name as Play does; returns the animation.
ScriptedAnimationControl* PlayAnimation(const std::string& name, const std::string& script = {},
                                        bool loop = false);
// Play from the first frame.
bool PlayFromStart(ScriptedAnimationControl* animation, const std::string& script = {});
bool IsPlaying(const ScriptedAnimationControl* animation);
void SetFrame(ScriptedAnimationControl* animation, int frame);
int FrameOf(const ScriptedAnimationControl* animation);
int FrameCount(const ScriptedAnimationControl* animation);
// Chooses the sound of the animation's next play; an empty name makes it silent.
void ChooseSound(ScriptedAnimationControl* animation, const std::string& name);
// Ends a speech at once and reports its end; the animation stays visible.
void StopSpeaking(ScriptedAnimationControl* animation);
// Ends a play at once, its sound too, without reporting its end.
void Halt(ScriptedAnimationControl* animation);
// Stops the animation at its current frame, its sound playing on.
void Stop(ScriptedAnimationControl* animation);

// --- The toolbar ----------------------------------------------------------------------------

void ShowToolbar();
// The toolbar stays in view but takes no clicks.
void DisableToolbar();
// Draws the toolbar above everything.
void ToolbarToTop();

// --- The trace ------------------------------------------------------------------------------

// Writes the trace's question line for a screen open to a choice: any of `regions` will do.
void OfferChoice(ScreenId screen, const std::vector<int32_t>& regions);

}  // namespace rufo
