#include "game/game.h"

#include <exception>

#include "controls/control_list.h"
#include "controls/scripted_animation_control.h"
#include "controls/toolbar_control.h"
#include "engine/graphics.h"
#include "engine/interface.h"
#include "engine/messages.h"
#include "engine/trace.h"
#include "game/common_controls.h"
#include "game/game_screens.h"
#include "game/game_state.h"
#include "game/game_table.h"
#include "game/progress.h"
#include "game/screen.h"
#include "game/screen_rules.h"
#include "game/start_screen.h"
#include "platform/cp1250.h"

namespace rufo {
namespace {

std::unique_ptr<Screen>& Shown() {
  static std::unique_ptr<Screen> screen;
  return screen;
}

void BuildScreen() {
  if (Shown()) Shown()->Leave();
  DestroyControls(false);
  LoadHitMap(nullptr);
  SetSpeaking(false);
  ReevaluateCursor();
  const ScreenId id = Engine().CurrentScreen();
  PrepareToolbar(id);
  Shown().reset();
  Shown() = Screens().Make(id);
  trace::Screen(id, Engine().PreviousScreen());
  progress::ScreenBuilt(id, Engine().PreviousScreen());
  Shown()->Build();
  RaiseToolbar();
}

void LoadScreen() {
  try {
    BuildScreen();
  } catch (const std::exception&) {
    GameEnd();
    Engine().Fatal(platform::Utf8ToCp1250("Chyba při vytváření kontrolů"), -1);
  }
}

// A main scene that is already being left (a walk, the toolbar) hears no more of its controls:
// an object whose animation ends meanwhile must not lead into its game instead.
bool BeingLeft(const Screen& screen) {
  return IsMainScene(screen.Id()) && Engine().ScreenChangePending();
}

void OnControlEvent(Control* control, int32_t event, bool live) {
  if (EventFrom(control, event, "MYS2", kEventClicked)) {
    MoveControl(control->GetId(), ControlList::kCapacity);
  }
  HandleCommonEvent(control, event, live);
  Screen* screen = CurrentScreen();
  if (screen && !BeingLeft(*screen)) screen->OnControlEvent(control, event, live);
}

void OnTick() {
  progress::Tick();
  if (Screen* screen = CurrentScreen()) screen->OnTick();
}

// The hand over a hit-map region, the saved cursor elsewhere; the screen and, on screens with
// an odd id, the profile slots have their say first.
void PointAtRegion(Screen* screen, uint8_t region, bool unconsumed) {
  if (!unconsumed) return;
  const ScreenId id = Engine().CurrentScreen();
  if (screen && screen->OnPointer(region)) return;
  if ((id & 1) && ProfileSlotPointer(region)) return;
  GameState& state = State();
  const int cursor = Engine().CurrentCursor();
  if (region == kNoRegion) {
    if (cursor != state.savedCursor) {
      Engine().SetCursor(state.savedCursor == -1 ? kCursorArrow : state.savedCursor);
    }
  } else if (cursor != kCursorHand && cursor != kCursorBusy) {
    state.savedCursor = cursor;
    Engine().SetCursor(kCursorHand);
  }
}

void AfterQuestionSound(bool* unconsumed) {
  State().questionSound->Stop();
  if (ToolbarControl* toolbar = Toolbar()) {
    toolbar->ClearFlags(kCfDisabled);
    toolbar->SetKeepOpen(false);
  }
  *unconsumed = false;
  SetSpeechKind(kSpeechNone);
  ReevaluateCursor();
}

void HelpFinished(intptr_t param) {
  const auto* record = reinterpret_cast<const Waitable*>(param);
  const SoundObject* help = State().helpSound.get();
  if (!record || !help || record->userData != help->UserData() || SpeechKind() != kSpeechHelp) {
    return;
  }
  if (ToolbarControl* toolbar = Toolbar()) {
    toolbar->ClearFlags(kCfDisabled);
    toolbar->SetKeepOpen(false);
  }
  ReevaluateCursor();
  SetSpeechKind(kSpeechNone);
}

// The edges of a main scene lead to the next scene of the ring, unless the hand points at
// something or the farewell is on its way to the credits.
void Walk(const Input& input) {
  const ScreenId id = Engine().CurrentScreen();
  if (!IsMainScene(id)) return;
  if (input.message == kMsgLeftDown && !State().learning.farewell) {
    const ScreenId target = WalkTarget(id, input.x, Engine().CurrentCursor());
    if (target) Engine().ChangeScreen(target, 0, false);
  }
  if (input.message == kMsgMouseMoved) {
    const int shape = WalkingCursor(input.x, Engine().CurrentCursor());
    if (shape >= 0) Engine().SetCursor(shape);
    State().savedCursor = kCursorArrow;
  }
}

// The input devices' buffered messages (keys, buttons and moves as the devices report them)
// repeat what the window's messages say; the controls read them, the game and its screens not.
bool FromInputDevice(int32_t message) {
  return message >= kMsgDeviceKeyDown && message <= kMsgDeviceMove;
}

void OnMessage(int32_t message, intptr_t param, bool* unconsumed) {
  if (ModalDialog() || FromInputDevice(message)) return;
  const int x = Engine().MouseX();
  const int y = Engine().MouseY();
  const Input input{message, param, x, y, HitMapValue(x, y)};
  Screen* screen = CurrentScreen();
  if (message == kMsgWaitableSignalled) HelpFinished(param);
  if (message == kMsgMouseMoved) PointAtRegion(screen, input.region, *unconsumed);
  if (message == kMsgLeftUp && *unconsumed) StopHelp();
  if (message == kMsgLeftDown && State().questionSound && State().questionSound->IsPlaying()) {
    AfterQuestionSound(unconsumed);
  }
  if (screen) screen->OnMessage(input, unconsumed);
  Walk(input);
}

}  // namespace

Screen* CurrentScreen() {
  return Shown().get();
}

bool GameStart() {
  RegisterGameScreens(Screens());
  TraceGameTable();
  Engine().SetGameCallbacks(LoadScreen, OnControlEvent, OnTick, OnMessage);
  Engine().SetCursor(kCursorArrow);
  Engine().ChangeScreen(kScreenEntry, 0, false);
  return true;
}

void GameEnd() {
  progress::GameEnded();
  GameState& state = State();
  GameStateForControls().questionSound = nullptr;
  GameStateForControls().helpSound = nullptr;
  state.questionSound.reset();
  state.helpSound.reset();
  Shown().reset();
}

}  // namespace rufo
