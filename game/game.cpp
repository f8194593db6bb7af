#include "game/game.h"

#include <exception>

#include "controls/control_list.h"
#include "controls/scripted_animation_control.h"
#include "controls/toolbar_control.h"
#include "engine/graphics.h"
#include "engine/interface.h"
#include "engine/messages.h"
#include "game/album.h"
#include "game/common_controls.h"
#include "game/game_state.h"
#include "game/screen_rules.h"
#include "game/start_screen.h"
#include "game/title_end_screens.h"
#include "platform/cp1250.h"

namespace rufo {
namespace {

constexpr int kTitleWait = 500;

void BuildFamilyZero(ScreenId id) {
  switch (id) {
    case kScreenStart:
      BuildStartScreen();
      break;
    case kScreenEnd:
      BuildEndScreen();
      break;
    case kScreenCredits:
      BuildCreditsScreen();
      break;
    case kScreenEntry:
      BuildEntryScreen();
      break;
    case kScreenTitle:
      BuildTitleScreen();
      break;
    default:
      break;
  }
}

void BuildScreen() {
  DestroyControls(false);
  LoadHitMap(nullptr);
  SetSpeaking(false);
  ReevaluateCursor();
  ScreenId id = Engine().CurrentScreen();
  PrepareToolbar(id);
  // The learning garden's and the gardens' scenes are built by their own loaders; until they
  // exist their screens hold only the toolbar.
  if (id == kScreenAlbum) BuildAlbum();
  if (Family(id) == 0) BuildFamilyZero(id);
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

void OnControlEvent(Control* control, int32_t event, bool live) {
  GameState& state = State();
  ScreenId id = Engine().CurrentScreen();
  if (id == kScreenAlbum && event == kEventAnimationEnd) state.albumReady = true;
  int kind = SpeechKind();
  if ((kind == kSpeechIntro || kind == kSpeechWait) &&
      EventFrom(control, event, "MLUVI", kEventAnimationEnd)) {
    state.facesClickable = true;
  }
  if (EventFrom(control, event, "MYS2", kEventClicked)) {
    MoveControl(control->GetId(), ControlList::kCapacity);
  }
  if (HandleCommonEvent(control, event, live)) return;
  if (id == kScreenStart) StartScreenEvent(control, event, live);
  if (id == kScreenEnd) EndScreenEvent(control, event);
}

void OnTick() {
  GameState& state = State();
  if (!state.titleTimerOn) return;
  if (++state.titleTimer > kTitleWait) {
    Engine().ChangeScreen(kScreenStart, 0, false);
    state.titleTimerOn = false;
    state.titleTimer = 0;
  }
}

void PointAtRegion(bool unconsumed) {
  if (!unconsumed) return;
  ScreenId id = Engine().CurrentScreen();
  uint8_t region = HitMapValue(Engine().MouseX(), Engine().MouseY());
  if ((id & 1) && StartScreenPointer(region)) return;
  GameState& state = State();
  int cursor = Engine().CurrentCursor();
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

void Walk(int32_t message) {
  ScreenId id = Engine().CurrentScreen();
  if (!IsMainScene(id)) return;
  if (message == kMsgLeftDown) {
    ScreenId target = WalkTarget(id, Engine().MouseX(), Engine().CurrentCursor());
    if (target) Engine().ChangeScreen(target, 0, false);
  }
  if (message == kMsgMouseMoved) {
    int shape = WalkingCursor(Engine().MouseX(), Engine().CurrentCursor());
    if (shape >= 0) Engine().SetCursor(shape);
    State().savedCursor = kCursorArrow;
  }
}

void OnMessage(int32_t message, intptr_t param, bool* unconsumed) {
  if (ModalDialog()) return;
  GameState& state = State();
  ScreenId id = Engine().CurrentScreen();
  if (message == kMsgLeftUp && id == kScreenTitle) {
    state.titleTimerOn = true;
    state.titleTimer = kTitleWait;
  }
  if (message == kMsgLeftUp && id == kScreenAlbum && state.albumReady) LeaveAlbum();
  if (message == kMsgKeyDown && id == kScreenCredits) Engine().RequestQuit();
  if (message == kMsgWaitableSignalled) HelpFinished(param);
  if (message == kMsgMouseMoved) PointAtRegion(*unconsumed);
  if (message == kMsgLeftUp) {
    if (id == kScreenCredits) Engine().RequestQuit();
    if (*unconsumed) StopHelp();
  }
  if (message == kMsgLeftDown && state.questionSound && state.questionSound->IsPlaying()) {
    AfterQuestionSound(unconsumed);
  }
  if (id == kScreenStart) StartScreenMessage(message, unconsumed);
  Walk(message);
}

}  // namespace

bool GameStart() {
  Engine().SetGameCallbacks(LoadScreen, OnControlEvent, OnTick, OnMessage);
  Engine().SetCursor(kCursorArrow);
  Engine().ChangeScreen(kScreenEntry, 0, false);
  return true;
}

void GameEnd() {
  GameState& state = State();
  GameStateForControls().questionSound = nullptr;
  GameStateForControls().helpSound = nullptr;
  state.questionSound.reset();
  state.helpSound.reset();
}

}  // namespace rufo
