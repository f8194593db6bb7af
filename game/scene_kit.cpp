#include "game/scene_kit.h"

#include <algorithm>

#include "controls/bitmap_control.h"
#include "controls/control_list.h"
#include "controls/scripted_animation_control.h"
#include "controls/toolbar_control.h"
#include "engine/graphics.h"
#include "engine/interface.h"
#include "game/common_controls.h"
#include "game/game_state.h"

namespace rufo {

void LoadScript(const std::string& name) {
  State().screen->Load(name);
}

void LoadRegions(const std::string& name) {
  LoadHitMap(name.c_str());
}

uint8_t RegionAt(int x, int y) {
  return HitMapValue(x, y);
}

uint8_t RegionUnderPointer() {
  return HitMapValue(Engine().MouseX(), Engine().MouseY());
}

void SetBackground(const std::string& name, bool force) {
  Engine().SetBackground(name.c_str(), force);
}

void SetDebugText(const std::string& text) {
  Engine().SetDebugText(text);
}

void GoTo(ScreenId screen) {
  Engine().ChangeScreen(screen, 0, false);
}

ScreenId PreviousScreen() {
  return Engine().PreviousScreen();
}

BitmapControl* ScriptedBitmap(const std::string& name) {
  return dynamic_cast<BitmapControl*>(ScriptedControl(name.c_str()));
}

ControlRef::ControlRef(Control* control) : control_(control) {}
ControlRef::ControlRef(BitmapControl* control) : control_(control) {}
ControlRef::ControlRef(ScriptedAnimationControl* control) : control_(control) {}
ControlView::ControlView(const Control* control) : control_(control) {}
ControlView::ControlView(const BitmapControl* control) : control_(control) {}
ControlView::ControlView(const ScriptedAnimationControl* control) : control_(control) {}

bool IsEntry(ControlView control, int entry) {
  return control.get() && control.get()->GetId() == ScreenScript::ControlId(entry);
}

namespace {

const ScreenEntry* EntryAt(int entry) {
  const ScreenScript* script = State().screen.get();
  return script && entry >= 0 && entry < script->Count() ? &script->Entry(entry) : nullptr;
}

}  // namespace

Control* EntryControl(int entry) {
  const ScreenEntry* found = EntryAt(entry);
  return found ? found->control : nullptr;
}

std::string EntryName(int entry) {
  const ScreenEntry* found = EntryAt(entry);
  return found ? found->name : std::string();
}

std::string EntryFile(const std::string& name) {
  const ScreenEntry* found = EntryAt(State().screen ? State().screen->FindEntry(name) : -1);
  return found ? found->path : std::string();
}

void Show(ControlRef control, bool shown) {
  if (!control.get()) return;
  if (shown) {
    control.get()->ClearFlags(kCfHidden);
  } else {
    control.get()->SetFlags(kCfHidden);
  }
}

void Hide(ControlRef control) {
  Show(control, false);
}

void ShowControl(const std::string& name, bool shown) {
  Show(ScriptedControl(name.c_str()), shown);
}

bool IsShown(ControlView control) {
  return control.get() && !control.get()->IsHidden();
}

bool IsDisabled(ControlView control) {
  return control.get() && control.get()->IsDisabled();
}

bool IsHovered(ControlView control) {
  return control.get() && control.get()->IsHovered();
}

void ToTop(ControlRef control) {
  if (control.get()) MoveControl(control.get()->GetId(), ControlList::kCapacity);
}

ScreenPoint PositionOf(ControlView control) {
  return control.get() ? control.get()->Position() : ScreenPoint{};
}

ControlSize SizeOf(ControlView control) {
  ControlSize size;
  if (control.get()) control.get()->GetSize(&size.width, &size.height);
  return size;
}

void MoveTo(ControlRef control, int x, int y) {
  if (control.get()) control.get()->SetPosition(x, y);
}

void CentreOn(ControlRef control, int x, int y) {
  const ControlSize size = SizeOf(control.get());
  MoveTo(control, x - size.width / 2, y - size.height / 2);
}

void MoveHome(ControlRef control) {
  const ScreenScript* script = State().screen.get();
  if (!control.get() || !script) return;
  for (int entry = 0; entry < script->Count(); ++entry) {
    const ScreenEntry& home = script->Entry(entry);
    if (home.control == control.get()) control.get()->SetPosition(home.x, home.y);
  }
}

uint8_t HitIndexOf(ControlView control) {
  return control.get() ? control.get()->HitIndex() : kNoRegion;
}

SetAside::SetAside() = default;
SetAside::~SetAside() = default;

bool SetAside::Take(int entry) {
  ScreenScript& script = *State().screen;
  if (entry < 0 || entry >= script.Count()) return false;
  Control*& control = script.Entry(entry).control;
  if (!control) return false;
  RemoveControl(control);
  controls_.emplace_back(control);
  control = nullptr;
  return true;
}

bool SetAside::Holds(int entry) const {
  return std::any_of(controls_.begin(), controls_.end(),
                     [&](const auto& control) { return IsEntry(control.get(), entry); });
}

void SetFrame(BitmapControl* bitmap, int frame) {
  if (bitmap) bitmap->SetCurrentFrame(frame);
}

int FrameOf(const BitmapControl* bitmap) {
  return bitmap ? bitmap->GetCurrentFrame() : 0;
}

int FrameCount(const BitmapControl* bitmap) {
  return bitmap ? bitmap->GetFrameCount() : 0;
}

bool Play(ScriptedAnimationControl* animation, const std::string& script, bool loop) {
  if (!animation) return false;
  animation->Speak(script, loop);
  return animation->IsPlaying();
}

ScriptedAnimationControl* PlayAnimation(const std::string& name, const std::string& script,
                                        bool loop) {
  ScriptedAnimationControl* animation = ScriptedAnimation(name.c_str());
  Play(animation, script, loop);
  return animation;
}

bool PlayFromStart(ScriptedAnimationControl* animation, const std::string& script) {
  if (!animation) return false;
  animation->SetFrame(0);
  return Play(animation, script);
}

bool IsPlaying(const ScriptedAnimationControl* animation) {
  return animation && animation->IsPlaying();
}

void SetFrame(ScriptedAnimationControl* animation, int frame) {
  if (animation) animation->SetFrame(frame);
}

int FrameOf(const ScriptedAnimationControl* animation) {
  return animation ? animation->GetCurrentFrame() : 0;
}

int FrameCount(const ScriptedAnimationControl* animation) {
  return animation ? animation->GetFrameCount() : 0;
}

void ChooseSound(ScriptedAnimationControl* animation, const std::string& name) {
  if (animation) animation->LoadSound(name);
}

void StopSpeaking(ScriptedAnimationControl* animation) {
  if (animation) animation->StopSpeaking();
}

void Halt(ScriptedAnimationControl* animation) {
  if (animation) animation->Halt();
}

void Stop(ScriptedAnimationControl* animation) {
  if (animation) animation->Stop();
}

void ShowToolbar() {
  if (ToolbarControl* toolbar = Toolbar()) toolbar->ClearFlags(kCfHidden);
}

void DisableToolbar() {
  if (ToolbarControl* toolbar = Toolbar()) toolbar->SetFlags(kCfDisabled);
}

void ToolbarToTop() {
  ToTop(Toolbar());
}

void OfferChoice(ScreenId screen, const std::vector<int32_t>& regions) {
  trace::Question(screen, trace::HitAnswer(regions));
}

}  // namespace rufo
