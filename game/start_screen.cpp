#include "game/start_screen.h"

#include <memory>
#include <string>

#include "controls/bitmap_control.h"
#include "controls/control_list.h"
#include "controls/question_control.h"
#include "controls/scripted_animation_control.h"
#include "engine/graphics.h"
#include "engine/interface.h"
#include "engine/messages.h"
#include "game/common_controls.h"
#include "game/game_state.h"
#include "game/parents_key.h"
#include "game/progress.h"
#include "game/screen_rules.h"
#include "game/user_file.h"
#include "platform/rect.h"

namespace rufo {
namespace {

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

// The slot of a face or wipe-button region, or -1.
int SlotOf(uint8_t region, uint8_t first) {
  return region >= first && region < first + kProfileCount ? region - first : -1;
}

// A face whose picture is missing is left out: it draws nothing and the slot stays usable once
// the picture is back.
void CreateFaces() {
  for (int slot = 0; slot < kProfileCount; ++slot) {
    auto face = std::make_unique<BitmapControl>(kFirstFaceId + slot);
    const std::string picture = "face" + std::to_string(slot + 1);
    if (!face->Init(kFacePlaces[slot].x, kFacePlaces[slot].y, picture.c_str(), kFacePictures, 0,
                    kCfHidden | 0x01)) {
      continue;
    }
    const int frame = State().profiles[slot].face;
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

// A cap without its picture has no size: nobody can see or pick it up.
bool CapUsable() {
  const Control* cap = ScriptedControl("CEPKA");
  int w = 0;
  int h = 0;
  if (cap) cap->GetSize(&w, &h);
  return w > 0 && h > 0;
}

}  // namespace

void StartScreen::Say(int speech) {
  static constexpr const char* kSpeeches[] = {"Sounds\\Start\\sp_intro", "Sounds\\Start\\sp_go",
                                              "Sounds\\Start\\sp_wait"};
  speech_ = speech;
  SetSpeechKind(speech);
  if (!Animate("MLUVI", kSpeeches[speech])) SpeechOver();
}

void StartScreen::SpeechOver() {
  GameState& state = State();
  if (speech_ == kSpeechIntro || speech_ == kSpeechWait) state.facesClickable = true;
  if (profileChosen_) {
    state.Profile().newSticker = -1;
    Jump();
  } else if (speech_ == kSpeechWait) {
    state.facesClickable = false;
    if (ModalDialog()) {
      speech_ = kSpeechNone;
      introPending_ = true;
    } else {
      Say(kSpeechIntro);
    }
  }
}

void StartScreen::Jump() {
  if (!Animate("A_JUMP")) Jumped();
}

void StartScreen::Jumped() {
  GameState& state = State();
  WriteUserFile(state.profiles, state.currentProfile);
  Engine().ChangeScreen(kScreenLearnHub, 0, false);
}

bool StartScreen::FacesClickable() const {
  return State().facesClickable;
}

void StartScreen::Build() {
  CreateFaces();
  State().screen->Load("Data\\Start\\screen.dat");
  LoadHitMap("Bitmaps\\Start\\bg_mask.png");
  CreateCommonControls();
  HideToolbar();
  AddParentsKey();
  // A child coming back from the gardens hears the introduction at once, and the faces take
  // clicks while it plays; after the title or the parents' page the greeting starts over.
  const ScreenId previous = Engine().PreviousScreen();
  const bool greet = previous == kScreenTitle || previous == 0 || previous == kScreenParents;
  Say(greet ? kSpeechWait : kSpeechIntro);
}

void StartScreen::Leave() {
  if (Question(kDeleteQuestionId) && !Question(kDeleteQuestionId)->IsHidden()) {
    CloseDialog(kDeleteQuestionId, true);
  }
}

void StartScreen::ChooseSlot(int slot, int face) {
  if (Control* cap = ScriptedControl("CEPKA")) {
    Point place = face >= 4 ? kCapOnLargeFace[slot] : kCapOnSmallFace[slot];
    if (slot == 1 && face == 0) place = {67, 65};
    cap->SetPosition(place.x, place.y);
  }
  State().currentProfile = slot;
  capHeld_ = false;
  profileChosen_ = true;
  if (auto* listener = ScriptedAnimation("A_SPEEK")) {
    listener->StopSpeaking();
    listener->SetFlags(kCfHidden);
    listener->SetFrame(0);
  }
  State().profiles[slot].inUse = 1;
  Say(kSpeechGo);
}

void StartScreen::ClickCap(Control& cap) {
  if (!capHeld_) {
    capHeld_ = true;
    CentreCapOnMouse(cap);
    return;
  }
  for (int slot = 0; slot < kProfileCount; ++slot) {
    BitmapControl* face = Face(slot);
    const int picture = State().profiles[slot].face;
    if (face && face->MouseInside(face->Rectangle()) && picture != -1) {
      ChooseSlot(slot, picture);
      return;
    }
  }
  capHeld_ = false;
  cap.SetPosition(kCapRestX, kCapRestY);
}

void StartScreen::WipeStep(int slot) {
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
  progress::ForgetChild(slot);
}

void StartScreen::CycleFace(int slot) {
  BitmapControl* face = Face(slot);
  ProfileRecord& profile = State().profiles[slot];
  if (!face || capHeld_ || profile.inUse) return;
  face->ClearFlags(kCfHidden);
  face->SetCurrentFrame(NextFace(face->GetCurrentFrame(), face->GetFrameCount()));
  face->Refresh();
  profile.face = face->GetCurrentFrame();
}

void StartScreen::AskDeleteQuestion(uint8_t region) {
  if (!ShowDialog(kDeleteQuestionId)) return;
  pendingDeleteRegion_ = region;
  PlayQuestion("sounds\\del_que", kSpeechDeleteQuestion);
}

void StartScreen::AnswerDeleteQuestion() {
  const int slot = SlotOf(static_cast<uint8_t>(pendingDeleteRegion_), kFirstDeleteRegion);
  if (Question(kDeleteQuestionId)->GetResult() == kDialogYes && slot >= 0) {
    if (auto* button = ScriptedAnimation(kDeleteButtons[slot])) button->Speak("", false);
  }
  CloseDialog(kDeleteQuestionId, true);
}

void StartScreen::OnTick() {
  if (introPending_ && !ModalDialog()) {
    introPending_ = false;
    Say(kSpeechIntro);
  }
}

void StartScreen::OnControlEvent(Control* control, int32_t event, bool live) {
  if (control && control == Question(kDeleteQuestionId) && event == kEventClicked && live) {
    AnswerDeleteQuestion();
    return;
  }
  if (EventFrom(control, event, "A_JUMP", kEventAnimationEnd)) {
    Jumped();
    return;
  }
  if (EventFrom(control, event, "MLUVI", kEventAnimationEnd)) SpeechOver();
  if (profileChosen_) return;
  for (int slot = 0; slot < kProfileCount; ++slot) {
    if (EventFrom(control, event, kDeleteButtons[slot], kEventAnimationEnd)) WipeStep(slot);
  }
  if (EventFrom(control, event, "CEPKA", kEventClicked)) {
    if (State().facesClickable) ClickCap(*control);
    return;
  }
  if (event == kEventClicked && live && control) {
    const int slot = control->GetId() - kFirstFaceId;
    if (slot < 0 || slot >= kProfileCount || Face(slot) != control) return;
    CycleFace(slot);
    // Without the cap nothing can be carried onto a face: a click on a face chooses it.
    const int face = State().profiles[slot].face;
    if (!CapUsable() && State().facesClickable && face != -1) ChooseSlot(slot, face);
  }
}

void StartScreen::OnMessage(const Input& input, bool* /*unconsumed*/) {
  if (input.message != kMsgLeftDown) return;
  auto* speaker = ScriptedAnimation("MLUVI");
  if (speaker && IsSpeaking() && speech_ == kSpeechIntro) {
    speech_ = kSpeechNone;
    SetSpeechKind(kSpeechNone);
    speaker->SetFlags(kCfHidden);
    speaker->StopSpeaking();
    State().facesClickable = true;
    return;
  }
  // Once a child is chosen the screen is on its way to the learning garden: nothing is wiped.
  if (profileChosen_ || capHeld_) return;
  const int slot = SlotOf(input.region, kFirstDeleteRegion);
  if (slot >= 0 && State().profiles[slot].face != -1) AskDeleteQuestion(input.region);
}

bool StartScreen::OnPointer(uint8_t /*region*/) {
  if (!capHeld_ || !State().facesClickable) return false;
  if (Control* cap = ScriptedControl("CEPKA")) CentreCapOnMouse(*cap);
  Engine().SetCursor(kCursorHand);
  return true;
}

bool ProfileSlotPointer(uint8_t region) {
  const ProfileTable& profiles = State().profiles;
  if (int slot = SlotOf(region, kFirstFaceRegion); slot >= 0) {
    Engine().SetCursor(profiles[slot].inUse ? kCursorArrow : kCursorHand);
    return true;
  }
  if (int slot = SlotOf(region, kFirstDeleteRegion); slot >= 0) {
    Engine().SetCursor(profiles[slot].face == -1 ? kCursorArrow : kCursorHand);
    return true;
  }
  return false;
}

}  // namespace rufo
