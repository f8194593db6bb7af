// The controls a screen script creates for its entries.
#include "controls/bitmap_control.h"
#include "controls/button_control.h"
#include "controls/control_list.h"
#include "controls/screen_script.h"
#include "controls/scripted_animation_control.h"
#include "engine/interface.h"

namespace rufo {
namespace {

constexpr uint32_t kAnimationFlags = kCfHitMap | kCfTransparent | kCfHidden;
constexpr uint32_t kAnimationKey = 0xF800F8;
constexpr uint32_t kAnimatedBitmapKey = 0xFF00FF;
constexpr int kButtonPictures = 4;

}  // namespace

bool ScreenScript::Load(const std::string& fileName) {
  Clear();
  Parse(fileName);
  for (int i = 0; i < Count(); ++i)
    CreateControl(i);
  return true;
}

void ScreenScript::CreateControl(int index) {
  ScreenEntry& entry = entries_[index];
  const int32_t id = ControlId(index);
  Control* control = nullptr;
  switch (entry.type) {
    case kEntryBackground:
      Engine().SetBackground(entry.path.c_str(), false);
      return;
    case kEntryBitmap: {
      auto* bitmap = new BitmapControl(id);
      bitmap->Init(entry.x, entry.y, entry.path.c_str(), 1, 0,
                   entry.flags | kCfTransparent | kRuntimeRoot);
      control = bitmap;
      break;
    }
    case kEntryButton: {
      auto* button = new ButtonControl(id);
      button->Init(entry.x, entry.y, entry.path.c_str(), 0, kButtonPictures);
      control = button;
      break;
    }
    case kEntryAnimation: {
      auto* animation = new ScriptedAnimationControl(id);
      if (!animation->Open(entry.x, entry.y, entry.path, 0, entry.flags | kAnimationFlags)) {
        Engine().MessageBox().ShowError(":o(", "Chyba pri vytvareni kontrolu: " + entry.name);
      }
      animation->SetColorKey(kAnimationKey);
      animation->SetHitIndex(AnimationHitIndex(index));
      control = animation;
      break;
    }
    case kEntryAnimatedBitmap: {
      auto* bitmap = new BitmapControl(id);
      bitmap->Init(entry.x, entry.y, entry.path.c_str(), entry.number, 0,
                   entry.flags | kCfTransparent);
      bitmap->SetColorKey(kAnimatedBitmapKey);
      control = bitmap;
      break;
    }
    default:
      return;
  }
  control->SetName(entry.name);
  // A full control list refuses the control; nothing else would ever delete it.
  if (AddControl(control)) {
    entry.control = control;
  } else {
    delete control;
  }
}

}  // namespace rufo
