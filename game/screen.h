#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>

#include "game/screen_ids.h"

namespace rufo {

class Control;

// One input message as a screen receives it: the message and its parameter, where the pointer
// was and the hit-map region under it (255: none). The game builds it once at dispatch, so a
// screen never asks the engine where the mouse is.
struct Input {
  int32_t message = 0;
  intptr_t param = 0;
  int x = 0;
  int y = 0;
  uint8_t region = 255;
};

// One screen of the game. The game makes a fresh object each time the screen is built, so its
// members start from their initial values on every visit. The rules common to every screen
// (toolbar, yes/no dialogs, help, walking, the hit-map cursor) run in the game before or around
// these operations; a screen handles only what is its own.
class Screen {
 public:
  virtual ~Screen() = default;

  // Creates the screen's controls. The old screen's controls are gone, the hit map unloaded and
  // the toolbar prepared for this screen; the toolbar is raised above the new controls after.
  virtual void Build() = 0;
  // Every control event (256 clicked, 512 animation or speech over, 1024 released inside),
  // after the toolbar and the dialogs have reacted to theirs.
  virtual void OnControlEvent(Control* /*control*/, int32_t /*event*/, bool /*live*/) {}
  // Input messages after the common rules; never while a yes/no dialog is up. A press arrives
  // once, as the window's message (kMsgLeftDown and the like); the input devices' buffered
  // messages (kMsgDeviceLeftDown and the like) are the controls' alone.
  virtual void OnMessage(const Input& /*input*/, bool* /*unconsumed*/) {}
  // Once per tick that builds no screen, before the controls' own ticks.
  virtual void OnTick() {}
  // Toolbar button 3, the way back, clicked while no help was playing.
  virtual void OnBack() {}
  // The mouse moved to hit-map value `region` (255: none); true when the screen set the cursor
  // itself and the common hand-cursor rule must not run.
  virtual bool OnPointer(uint8_t /*region*/) { return false; }
  // The screen is being replaced; its controls still exist.
  virtual void Leave() {}

  ScreenId Id() const { return id_; }

 private:
  friend class ScreenTable;
  ScreenId id_ = 0;
};

using ScreenMaker = std::function<std::unique_ptr<Screen>()>;

// Makes a screen of the type, for tables that name a screen's type.
template <typename ScreenType>
std::unique_ptr<Screen> MakeScreen() {
  return std::make_unique<ScreenType>();
}

// The screens by id. Each family registers its screens with one call from the entry point.
class ScreenTable {
 public:
  // Registers how the screen `id` is made; a later registration of the same id replaces it.
  void Add(ScreenId id, ScreenMaker make);
  template <typename ScreenType>
  void Add(ScreenId id) {
    Add(id, MakeScreen<ScreenType>);
  }
  bool Has(ScreenId id) const;
  // A new object for the screen `id`; an empty screen when the id is not registered.
  std::unique_ptr<Screen> Make(ScreenId id) const;

 private:
  std::map<ScreenId, ScreenMaker> makers_;
};

// The program's table of screens.
ScreenTable& Screens();

// The screen now shown, or nullptr before the first build.
Screen* CurrentScreen();

}  // namespace rufo
