#pragma once

#include <array>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "controls/control_list.h"
#include "engine/cursor_file.h"
#include "engine/engine_sound_host.h"
#include "engine/input_script.h"
#include "engine/interface_properties.h"
#include "engine/run_options.h"
#include "gfx/hit_map.h"
#include "platform/clock.h"
#include "platform/dd_result.h"
#include "platform/device_context.h"
#include "platform/input_device.h"
#include "platform/input_feed.h"
#include "platform/instance_lock.h"
#include "platform/message_box.h"
#include "platform/registry_store.h"
#include "platform/sound_device.h"
#include "platform/surface.h"
#include "platform/video_device.h"
#include "platform/window.h"

namespace rufo {

class Control;

namespace platform {
class Event;
}

// An event that the input pump turns into message 258 (kMsgWaitableSignalled), and the user data
// that goes with it; the message's parameter points to the record of the signalled one.
struct Waitable {
  platform::Event* event = nullptr;
  intptr_t userData = 0;
};

// The game's four callbacks into the engine.
using ScreenLoader = void (*)();
using ControlEventHandler = void (*)(Control* control, int32_t event, bool flag);
using TickHandler = void (*)();
using MessageHook = void (*)(int32_t message, intptr_t param, bool* unconsumed);

// Root selectors for MakeDataPath and OpenDataFile.
enum RootSelector : int { kDataRoot = 0, kRuntimeRoot = 1, kThirdRoot = 2, kNoRoot = 3 };

// The platform pieces the engine runs on: real ones for play, headless ones for tests.
struct Platform {
  std::unique_ptr<platform::Clock> clock;
  std::unique_ptr<platform::Window> window;
  std::unique_ptr<platform::VideoDevice> video;
  std::unique_ptr<platform::InputSystem> input;
  // Input handed in from outside, as a headless run takes it; nullptr when input comes from the
  // system. It feeds the window and the input system above, so it is destroyed before them.
  std::unique_ptr<platform::InputFeed> inputFeed;
  std::unique_ptr<platform::MessageBox> messageBox;
  // Opens the sound device at start-up; nullptr when there is none.
  std::function<std::unique_ptr<platform::SoundDevice>(const RunOptions& options)> openSound;
  bool headless = false;
  // Sound objects stream from threads of their own; without, the input pump refills them.
  bool soundThreads = true;

  static Platform Real();
  static Platform Headless();
};

// The engine: window, display, input, sound, configuration, the main loop and the screen stack.
// There is one at a time; Engine() returns it.
class Interface {
 public:
  static constexpr int kScreenStackSize = 16;
  static constexpr int kRootSize = 264;
  static constexpr int kIniLineLimit = 254;

  explicit Interface(Platform platform, RunOptions options = {});
  ~Interface();
  Interface(const Interface&) = delete;
  Interface& operator=(const Interface&) = delete;

  // Start-up and shutdown.
  bool Init(const InterfaceProperties* properties);
  void Shutdown();

  // Display.
  bool SetDisplay(bool fullScreen);
  void ReleaseDisplay();
  void SwitchMode();
  uint32_t ColorToPixel(uint32_t color) const;
  // Creates a picture surface in the display's format: video memory first when asked, else or on
  // failure system memory.
  platform::DdResult CreatePictureSurface(int width, int height, bool videoMemory,
                                          std::unique_ptr<platform::Surface>* out);
  void ComposeFrame();
  // What composing a frame does besides drawing (the hint's timing, the frame count), for a frame
  // that nobody will see.
  void KeepFrameState();
  // Selects the background picture by name (null removes it); false when it cannot be loaded.
  bool SetBackground(const char* name, bool force);
  // (Re)loads the cursor set from "Cursors.dat"; a missing or malformed file is fatal.
  bool LoadCursors();
  // The index of the cursor with that name; -1 for none, a null or an empty name.
  int FindCursor(const char* name) const;
  // Selects a cursor (-1 hides the engine's cursor); false for an index out of range.
  bool SetCursor(int index);
  int CurrentCursor() const { return currentCursor_; }
  int CursorCount() const { return static_cast<int>(cursors_.size()); }
  void SetHintStyle(uint32_t textColor, uint32_t backColor, uint32_t frameColor, float seconds);
  // The status line drawn at the bottom with showDebugText (at most 255 bytes are kept); a
  // change is traced.
  void SetDebugText(const std::string& text);
  // Shows or hides the frame-rate and debug text lines together.
  void ToggleDebugLines();
  const std::string& DebugText() const { return debugText_; }
  int FramesPerSecond() const { return framesPerSecond_; }
  // The hint being shown or waited for: the control's id, or -1.
  int32_t HintControl() const { return hint_.controlId; }
  // Solid one-pixel pens: grey (160, 160, 160), white, and the hint frame's.
  const platform::Pen& GreyPen() const { return greyPen_; }
  const platform::Pen& WhitePen() const { return whitePen_; }
  // The one-pixel outline of a control in layout mode.
  void DrawLayoutOutline(int x, int y, int w, int h);

  // Main loop and screens.
  void SetGameCallbacks(ScreenLoader loader, ControlEventHandler eventHandler, TickHandler tick,
                        MessageHook hook);
  // Runs the loop until the quit flag is set: steps, sleeping 10 ms whenever no tick was due.
  int Run();
  // One pass of the loop: the input pump, then a tick and a frame when one is due. False when
  // none was (the caller may rest). The browser calls it from its frame callback.
  bool Step();
  // Whether the loop is to end: the quit flag, set here too once RUFO_RUN_MS has passed.
  bool LoopOver();
  // Receives every frame the loop composes, with the game time it was composed at. Headless, the
  // loop composes only the frames the sink wants (all of them when wanted is empty) and none
  // without a sink; with a window it composes every frame.
  using FrameSink = std::function<void(uint32_t gameMs, const platform::Surface& frame)>;
  using FrameWanted = std::function<bool(uint32_t gameMs)>;
  void SetFrameSink(FrameSink sink, FrameWanted wanted = {}) {
    frameSink_ = std::move(sink);
    frameWanted_ = std::move(wanted);
  }
  void RequestQuit() { quit_ = true; }
  bool QuitRequested() const { return quit_; }
  void ChangeScreen(int32_t id, int32_t reserved, bool push);
  void PopScreens(int count);
  int32_t CurrentScreen() const { return screenStack_[depth_]; }
  int32_t PreviousScreen() const { return previousScreen_; }
  int Depth() const { return depth_; }
  bool ScreenChangePending() const { return changePending_; }
  int32_t TickNumber() const { return tickNumber_; }
  // Milliseconds since the main loop started (before it, since the clock's start): the time of
  // the trace, the input script and the captures.
  uint32_t GameTimeMs() const;
  // Runs one tick of the loop (screen change, tick handler, controls).
  void RunTick();
  // The dispatcher: offers an input message to the controls and then to the game's hook;
  // dropped while a screen change is pending.
  void PostGameMessage(int32_t message, intptr_t param);
  // Calls the game's message hook directly (messages that bypass the controls).
  void CallMessageHook(int32_t message, intptr_t param, bool* unconsumed);
  void NotifyGameEvent(Control* control, int32_t event, bool flag);

  // Window procedure: turns window messages into engine state and game messages.
  void WindowProc(const platform::WindowMessage& message);
  void PumpWindowMessages();

  // Input: one pass of the pump (window messages, waitable events, the buffered devices, the
  // cursor poll), and the input state it keeps.
  void PumpInput();
  bool IsKeyDown(int code) const { return code >= 0 && code < 512 && (keyState_[code] & 0x80); }
  int MouseX() const { return mouseX_; }
  int MouseY() const { return mouseY_; }
  // Whether the mouse lies in the rectangle, moved by the offset when one is given.
  bool MouseInRect(const platform::Rect& rect, const platform::Point* offset) const;
  bool LeftButtonDown() const { return leftDown_; }
  bool RightButtonDown() const { return rightDown_; }
  bool LayoutMode() const { return layoutMode_; }
  bool InputSuppressed() const { return suppressInput_; }
  platform::InputSystem& Input() { return *platform_.input; }
  // Where scripted input goes; nullptr when input comes from the system.
  platform::InputFeed* InputFeed() { return platform_.inputFeed.get(); }
  ControlList& Controls() { return controls_; }
  // Waitable events: each signal of a registered event becomes one message 258 in the pump. The
  // table grows as needed (a busy screen holds a sound object per speaking figure); false only
  // for a null event.
  bool RegisterWaitable(platform::Event* event, intptr_t userData);
  bool UnregisterWaitable(platform::Event* event);
  // Refills the sound objects that stream without threads, then turns the signalled events into
  // messages, so that a sound whose refill found its end reports it in the same pass.
  void PumpWaitables();

  // Configuration, data paths and the registry.
  void ReadPaths();
  void ReadPathsFromIni(std::FILE* ini);
  std::string MakeDataPath(const std::string& name, int selector) const;
  std::FILE* OpenDataFile(const std::string& name, const char* mode, int selector, bool fallback);
  const std::string& Root(int selector) const { return roots_[selector]; }
  // The folder that a root's files land in: the root itself when it ends with a separator, the
  // folder holding it when it is a prefix of names, the current folder when it is empty.
  std::filesystem::path RootFolder(int selector) const;
  bool OpenAppKey(const char* appName, const char* title);
  void CloseAppKey();
  bool RegGetDword(const std::string& path, uint32_t* value);
  bool RegGetString(const std::string& path, char* buffer, uint32_t* size);
  bool RegGetBytes(const std::string& path, void* buffer, uint32_t* size);
  bool RegSetDword(const std::string& path, uint32_t value);
  bool RegSetString(const std::string& path, const std::string& text);
  bool RegSetBytes(const std::string& path, const void* buffer, uint32_t length);

  // Reporting.
  void Log(const std::string& text, bool withTime = false);
  // Logs the line unless this run has logged the same line through LogOnce already.
  void LogOnce(const std::string& text);
  [[noreturn]] void Fatal(const std::string& text, int32_t exitCode);

  // State other parts of the engine and the game read.
  const InterfaceProperties& Properties() const { return props_; }
  const RunOptions& Options() const { return options_; }
  platform::Clock& Clock() { return *platform_.clock; }
  platform::Window& Window() { return *platform_.window; }
  platform::VideoDevice& Video() { return *platform_.video; }
  platform::MessageBox& MessageBox() { return *platform_.messageBox; }
  // The sound device, or nullptr when sound is off or no device could be opened.
  platform::SoundDevice* Sound() { return sound_.get(); }
  platform::Surface* Primary() { return primary_.get(); }
  platform::Surface* BackBuffer() { return backBuffer_.get(); }
  bool FullScreen() const { return fullScreen_; }
  bool Minimized() const { return minimized_; }
  bool Active() const { return active_; }
  bool OwnCursor() const { return ownCursor_; }
  bool Headless() const { return platform_.headless; }
  bool SoundThreads() const { return platform_.soundThreads; }
  // The current screen's hit map (LoadHitMap, HitMapValue).
  gfx::HitMap& HitMap() { return hitMap_; }

 private:
  bool ReadRegistryString(const std::string& path, std::string* out);
  bool SplitValuePath(const std::string& path, std::string* key, std::string* value) const;
  bool RegGet(const std::string& path, platform::RegistryType type, std::string* data);
  bool RegSet(const std::string& path, platform::RegistryType type, std::string data);
  platform::PixelFormat DisplayFormat(bool fullScreen) const;
  void InitInput();
  void LoadInputScript();
  void AwaitScreen();
  // Whether anybody will see the frame of this pass.
  bool FrameSeen(uint32_t gameMs) const;
  void ReleaseCursors();
  bool LoadCursorLine(const CursorLine& line);
  // Keeps the hint state for this frame; the control whose hint shows in it, or nullptr.
  const Control* UpdateHint();
  void DrawHint(const Control& control);
  // Draws the frame into the back buffer: background, controls, hint, cursor, diagnostics.
  void DrawFrame(const Control* hinted);
  void PlaceHint(const std::string& text);
  void DrawCursor();
  void CountFrame();
  void DrawDiagnostics();
  void CreatePens();
  void HandleKeyDown(int code);
  void HandleLeftButtonDown();
  // Dispatches unless layout mode or input suppression is on.
  void DispatchInput(int32_t message, intptr_t param);
  void PumpKeyboard();
  void PumpMouse();
  // Takes the window's cursor position; a change inside the game area reaches the game.
  void PollCursor();
  void ReportLayoutMove(Control* control);
  void Present();
  void FatalDisplay(const char* step, platform::DdResult result);
  void InitSound();
  // Start-up steps a player can do something about: each ends the program with a message that
  // says what is wrong.
  void MakeRuntimeFolder();
  void RequireDataFolder();
  void OpenWindow();
  // Locks the folders the children's profiles are saved in against a second copy of the game
  // that has its own runtime folder; the folder another copy holds, or nothing.
  std::optional<std::filesystem::path> LockSaveFolders();
  // Another copy saves into that folder: says so to the user and in the log, then ends.
  [[noreturn]] void RefuseSecondCopy(const std::filesystem::path& folder);
  // Opens "Debug.log" in the runtime root, else in the data root, else logs to standard error;
  // `replace` empties it first, as each run does, where a refused second copy only adds to it.
  void OpenLog(bool replace);

  Platform platform_;
  RunOptions options_;
  InterfaceProperties props_;
  bool initialised_ = false;
  // What the sound objects reach the engine through; installed while this engine is current.
  EngineSoundHost soundHost_{*this};

  // Display.
  std::unique_ptr<platform::Surface> primary_;
  std::unique_ptr<platform::Surface> backBuffer_;
  bool fullScreen_ = false;
  bool minimized_ = false;
  bool active_ = true;
  bool ownCursor_ = false;
  // The primary holds what the window shows; cleared whenever the window must be shown afresh.
  bool frameOnScreen_ = false;
  // What the last composed frame drew, and the surface changes counted when it was shown.
  platform::FrameRecord frameRecord_;
  uint64_t surfaceWritesShown_ = 0;

  // Main loop and screens.
  ScreenLoader loader_ = nullptr;
  ControlEventHandler eventHandler_ = nullptr;
  TickHandler tickHandler_ = nullptr;
  MessageHook messageHook_ = nullptr;
  std::array<int32_t, kScreenStackSize> screenStack_{};
  int depth_ = 0;
  int32_t previousScreen_ = -1;
  bool changePending_ = false;
  int32_t changeCounter_ = 0;
  bool quit_ = false;
  bool loopStarted_ = false;
  uint32_t loopStart_ = 0;
  int32_t tickNumber_ = 0;
  FrameSink frameSink_;
  FrameWanted frameWanted_;

  // Input.
  std::array<uint8_t, 512> keyState_{};
  int mouseX_ = -1;
  int mouseY_ = -1;
  bool leftDown_ = false;
  bool rightDown_ = false;
  uint32_t lastLeftPress_ = 0;
  uint32_t lastRightPress_ = 0;
  platform::MouseState mouseState_;
  bool suppressInput_ = false;
  bool layoutMode_ = false;
  InputScript inputScript_;

  ControlList controls_;

  // Frame composition: background, cursors, hint, diagnostics.
  struct Cursor {
    std::string name;
    std::unique_ptr<platform::Surface> picture;
    std::vector<uint8_t> mask;  // one opacity byte per picture pixel, or empty
    int hotspotX = 0;
    int hotspotY = 0;
    int frameWidth = 0;
    int frameHeight = 0;
    int delay = 0;
  };
  struct HintState {
    int32_t controlId = -1;
    int cx = 0;
    int cy = 0;
    int x = 0;
    int y = 0;
    platform::Point placedAt;
    uint32_t startMs = 0;
    bool clockStarted = false;
  };
  struct HintStyle {
    uint32_t textColor = 0x008080FF;
    uint32_t backColor = 0x00FFFF00;
    uint32_t frameColor = 0;
    uint32_t delayMs = 1000;
  };
  platform::Pen greyPen_;
  platform::Pen whitePen_;
  platform::Pen framePen_;
  std::unique_ptr<platform::Surface> background_;
  std::string backgroundName_;
  std::vector<Cursor> cursors_;
  int currentCursor_ = -1;
  HintState hint_;
  HintStyle hintStyle_;
  int framesCounted_ = 0;
  int framesPerSecond_ = 0;
  uint32_t secondStartMs_ = 0;
  bool secondStarted_ = false;
  std::string debugText_;
  // Sound and the waitable events.
  std::unique_ptr<platform::SoundDevice> sound_;
  std::vector<Waitable> waitables_;
  std::vector<platform::Event*> waitableEvents_;
  Waitable signalled_;

  // Configuration.
  std::array<std::string, 3> roots_;
  std::optional<platform::RegistryStore> registry_;
  std::string appKey_;

  gfx::HitMap hitMap_;
  std::FILE* log_ = nullptr;
  std::set<std::string> loggedOnce_;
  platform::InstanceLock instanceLock_;
};

// The running engine.
Interface& Engine();
// The running engine, or nullptr before it is made and after it is gone.
Interface* EngineIfAny();

// The engine's input state and cursor, as the controls and the game read them.
inline bool IsKeyDown(int code) {
  return Engine().IsKeyDown(code);
}
inline int MouseX() {
  return Engine().MouseX();
}
inline int MouseY() {
  return Engine().MouseY();
}
inline bool MouseInRect(const platform::Rect& rect, const platform::Point* offset) {
  return Engine().MouseInRect(rect, offset);
}
inline int CurrentCursor() {
  return Engine().CurrentCursor();
}

}  // namespace rufo
