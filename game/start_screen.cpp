#include "game/start_screen.h"

#include <memory>
#include <stdexcept>
#include <string>

#include "controls/bitmap_control.h"
#include "controls/control_list.h"
#include "controls/scripted_animation_control.h"
#include "engine/graphics.h"
#include "engine/interface.h"
#include "engine/messages.h"
#include "game/common_controls.h"
#include "game/game_state.h"
#include "game/screen_rules.h"
#include "game/user_file.h"
#include "platform/rect.h"

namespace rufo {
namespace {

constexpr int kFaceFrames = kFaceCount;
constexpr uint8_t kFirstFaceRegion = 20;
constexpr uint8_t kFirstDeleteRegion = 26;
constexpr int kCapRestX = 165;
constexpr int kCapRestY = 274;

using platform::Point;
constexpr Point kFacePlaces[kProfileCount] = {{71, 228}, {61, 58}, {200, 138}, {353, 65}};
constexpr Point kCapOnSmallFace[kProfileCount] = {{78, 221}, {67, 53}, {210, 132}, {366, 63}};
constexpr Point kCapOnLargeFace[kProfileCount] = {{79, 224}, {65, 57}, {213, 132}, {366, 63}};
constexpr const char* kDeleteButtons[kProfileCount] = {"KV_Z", "M_Z", "Z_Z", "OR_Z"};
constexpr const char* kDeleteReturns[kProfileCount] = {
    "Bitmaps\\Start\\Ani\\kv_z_b", "Bitmaps\\Start\\Ani\\m_z_b", "Bitmaps\\Start\\Ani\\z_z_b",
    "Bitmaps\\Start\\Ani\\or_z_b"};

BitmapControl* Face(int slot) {
  return dynamic_cast<BitmapControl*>(FindControl(kFirstFaceId + slot));
}

void Say(int kind) {
  static constexpr const char* kSpeeches[] = {"Sounds\\Start\\sp_intro", "Sounds\\Start\\sp_go",
                                              "Sounds\\Start\\sp_wait"};
  SetSpeechKind(kind);
  if (auto* speaker = ScriptedAnimation("MLUVI")) speaker->Speak(kSpeeches[kind], false);
}

void CreateFaces() {
  for (int slot = 0; slot < kProfileCount; ++slot) {
    auto face = std::make_unique<BitmapControl>(kFirstFaceId + slot);
    std::string picture = "face" + std::to_string(slot + 1);
    if (!face->Init(kFacePlaces[slot].x, kFacePlaces[slot].y, picture.c_str(), kFaceFrames, 0,
                    kCfHidden | 0x01)) {
      throw std::runtime_error("face picture " + picture);
    }
    int frame = State().profiles[slot].face;
    if (frame != -1) {
      face->SetCurrentFrame(frame);
      face->ClearFlags(kCfHidden);
    }
    AddControl(face.release());
  }
}

void CentreCapOnMouse(Control& cap) {
  int w = 0;
  int h = 0;
  cap.GetSize(&w, &h);
  cap.SetPosition(Engine().MouseX() - w / 2, Engine().MouseY() - h / 2);
}

void ChooseSlot(int slot, int face) {
  GameState& state = State();
  if (Control* cap = ScriptedControl("CEPKA")) {
    Point place = face >= 4 ? kCapOnLargeFace[slot] : kCapOnSmallFace[slot];
    if (slot == 1 && face == 0) place = {67, 65};
    cap->SetPosition(place.x, place.y);
  }
  state.currentProfile = slot;
  state.capHeld = false;
  state.profileChosen = true;
  if (auto* listener = ScriptedAnimation("A_SPEEK")) {
    listener->StopSpeaking();
    listener->SetFlags(kCfHidden);
    listener->SetFrame(0);
  }
  state.profiles[slot].inUse = 1;
  Say(kSpeechGo);
}

void ClickCap(Control& cap) {
  GameState& state = State();
  if (!state.capHeld) {
    state.capHeld = true;
    CentreCapOnMouse(cap);
    return;
  }
  for (int slot = 0; slot < kProfileCount; ++slot) {
    BitmapControl* face = Face(slot);
    if (face && face->MouseInside(face->Rectangle()) && state.profiles[slot].face != -1) {
      ChooseSlot(slot, state.profiles[slot].face);
      return;
    }
  }
  state.capHeld = false;
  cap.SetPosition(kCapRestX, kCapRestY);
}

void WipeStep(int slot) {
  ProfileRecord& profile = State().profiles[slot];
  if (profile.deletePhase != 0) {
    profile.deletePhase = 0;
    return;
  }
  profile.face = -1;
  profile.stickers.fill(0);
  profile.name.fill(0);
  if (BitmapControl* face = Face(slot)) face->SetFlags(kCfHidden);
  if (auto* button = ScriptedAnimation(kDeleteButtons[slot])) {
    button->Speak(kDeleteReturns[slot], false);
  }
  profile.inUse = 0;
  profile.deletePhase = 1;
}

void CycleFace(int slot) {
  BitmapControl* face = Face(slot);
  ProfileRecord& profile = State().profiles[slot];
  if (!face || State().capHeld || profile.inUse) return;
  face->ClearFlags(kCfHidden);
  face->SetCurrentFrame(NextFace(face->GetCurrentFrame(), face->GetFrameCount()));
  face->Refresh();
  profile.face = face->GetCurrentFrame();
}

void AskDeleteQuestion(uint8_t region) {
  State().pendingDeleteRegion = region;
  PlayQuestion("sounds\\del_que", kSpeechDeleteQuestion);
  ShowDialog(kDeleteQuestionId);
}

}  // namespace

void BuildStartScreen() {
  GameState& state = State();
  state.profileChosen = false;
  CreateFaces();
  state.screen->Load("Data\\Start\\screen.dat");
  LoadHitMap("Bitmaps\\Start\\bg_mask.png");
  if (!CreateCommonControls()) throw std::runtime_error("toolbar or dialogs");
  HideToolbar();
  ScreenId previous = Engine().PreviousScreen();
  if (previous == kScreenTitle || previous == 0) Say(kSpeechWait);
}

void StartScreenEvent(Control* control, int32_t event, bool live) {
  GameState& state = State();
  if (EventFrom(control, event, "A_JUMP", kEventAnimationEnd)) {
    WriteUserFile(state.profiles, state.currentProfile);
    Engine().ChangeScreen(kScreenLearn, 0, false);
    return;
  }
  if (EventFrom(control, event, "MLUVI", kEventAnimationEnd)) {
    if (state.profileChosen) {
      state.Profile().newSticker = -1;
      if (auto* jumper = ScriptedAnimation("A_JUMP")) jumper->Speak("", false);
    } else if (SpeechKind() == kSpeechWait) {
      state.facesClickable = false;
      Say(kSpeechIntro);
    }
  }
  if (state.profileChosen) return;
  for (int slot = 0; slot < kProfileCount; ++slot) {
    if (EventFrom(control, event, kDeleteButtons[slot], kEventAnimationEnd)) WipeStep(slot);
  }
  if (EventFrom(control, event, "CEPKA", kEventClicked)) {
    if (state.facesClickable) ClickCap(*control);
    return;
  }
  if (event == kEventClicked && live && control) {
    int slot = control->GetId() - kFirstFaceId;
    if (slot >= 0 && slot < kProfileCount && Face(slot) == control) CycleFace(slot);
  }
}

void StartScreenMessage(int32_t message, bool* /*unconsumed*/) {
  if (message != kMsgLeftDown) return;
  GameState& state = State();
  auto* speaker = ScriptedAnimation("MLUVI");
  if (speaker && IsSpeaking() && SpeechKind() == kSpeechIntro) {
    SetSpeechKind(kSpeechNone);
    speaker->SetFlags(kCfHidden);
    speaker->StopSpeaking();
    state.facesClickable = true;
    return;
  }
  uint8_t region = HitMapValue(Engine().MouseX(), Engine().MouseY());
  if (region >= kFirstDeleteRegion && region < kFirstDeleteRegion + kProfileCount &&
      !state.capHeld && state.profiles[region - kFirstDeleteRegion].face != -1) {
    AskDeleteQuestion(region);
  }
}

const char* DeleteButtonName(int slot) {
  return kDeleteButtons[slot];
}

bool StartScreenPointer(uint8_t region) {
  GameState& state = State();
  if (!state.capHeld || !state.facesClickable) {
    if (region >= kFirstFaceRegion && region < kFirstFaceRegion + kProfileCount) {
      Engine().SetCursor(state.profiles[region - kFirstFaceRegion].inUse ? kCursorArrow
                                                                         : kCursorHand);
      return true;
    }
    if (region >= kFirstDeleteRegion && region < kFirstDeleteRegion + kProfileCount) {
      Engine().SetCursor(state.profiles[region - kFirstDeleteRegion].face == -1 ? kCursorArrow
                                                                                : kCursorHand);
      return true;
    }
    return false;
  }
  if (Control* cap = ScriptedControl("CEPKA")) CentreCapOnMouse(*cap);
  Engine().SetCursor(kCursorHand);
  return true;
}

}  // namespace rufo
