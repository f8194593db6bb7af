#include "gardens/garden3/tool_cart.h"

#include <algorithm>
#include <bitset>

#include "controls/bitmap_control.h"
#include "controls/control_list.h"
#include "controls/scripted_animation_control.h"
#include "controls/toolbar_control.h"
#include "engine/graphics.h"
#include "engine/interface.h"
#include "engine/messages.h"
#include "engine/trace.h"
#include "game/common_controls.h"
#include "game/game_random.h"
#include "game/game_state.h"

namespace rufo {
namespace {

constexpr std::array<std::array<int, ToolCart::kHalfTools>, 2> kHalves = {{
    {0, 1, 5, 6, 7, 10, 11, 15, 16, 17},
    {2, 3, 4, 8, 9, 12, 13, 14, 18, 19},
}};
// Tools that lie in their place in a resting look of their own ("%sW"): the hoses coiled, the
// saws, sickles, ladders and spades hung on the wall.
const std::bitset<ToolCart::kTools> kHasRestingLook{(1u << 0) | (1u << 5) | (1u << 6) | (1u << 10) |
                                                    (1u << 15) | (1u << 16) | (1u << 18) |
                                                    (1u << 19)};
constexpr const char* kBackground = "Bitmaps\\Garden3\\NOT\\bg";
constexpr const char* kDark = "Bitmaps\\Garden3\\NOT\\black";
constexpr const char* kLightBack = "Bitmaps\\Garden3\\NOT\\Ani\\bzhas";
constexpr const char* kDarkSpeech = "Sounds\\Garden3\\NOT\\sp_zhas";
constexpr int kLightSpeech = 16;
constexpr int kQuestionSpeech = 1;

// The script entry of a tool: entry t + 1 (entry 0 is the background).
ScreenEntry* EntryOf(int tool) {
  ScreenScript& script = *State().screen;
  return tool + 1 < script.Count() ? &script.Entry(tool + 1) : nullptr;
}
Control* ToolControl(int tool) {
  const ScreenEntry* entry = EntryOf(tool);
  return entry ? entry->control : nullptr;
}
Control* RestingLook(int tool) {
  const ScreenEntry* entry = EntryOf(tool);
  if (!entry || !kHasRestingLook[tool]) return nullptr;
  return ScriptedControl((entry->name + "W").c_str());
}
void Show(const char* name, bool shown) {
  if (Control* control = ScriptedControl(name)) {
    shown ? control->ClearFlags(kCfHidden) : control->SetFlags(kCfHidden);
  }
}
void ToTop(Control* control) {
  if (control) MoveControl(control->GetId(), ControlList::kCapacity);
}
// The places in the cart that show what lies in it, "NAKLAD1" first.
BitmapControl* LoadPlace(int place) {
  return dynamic_cast<BitmapControl*>(
      ScriptedControl(("NAKLAD" + std::to_string(place + 1)).c_str()));
}

}  // namespace

ToolCart::CartRegion ToolCart::CartRegionAt(int x, int y) {
  if (x < 35 || x > 229) return kAwayFromCart;
  return y <= 239 ? kAboveCart : kInCart;
}

const std::array<int, ToolCart::kHalfTools>& ToolCart::HalfTools(int half) {
  return kHalves[half];
}

bool ToolCart::InCart(int tool) const {
  return std::any_of(cart_.begin(), cart_.end(), [&](const std::unique_ptr<Control>& control) {
    return control && control->GetId() == ScreenScript::ControlId(tool + 1);
  });
}

void ToolCart::Prepare() {
  // Each half in its own random order: the first ten questions name the tools shown first.
  for (int half = 0; half < 2; ++half) {
    for (int i = 0; i < kHalfTools; ++i) {
      const auto begin = sequence_.begin() + half * kHalfTools;
      int tool;
      do {
        tool = kHalves[half][Random().Below(kHalfTools)];
      } while (std::find(begin, begin + i, tool) != begin + i);
      begin[i] = tool;
    }
  }
  ShowHalf(0);
}

void ToolCart::ShowHalf(int half) {
  half_ = half;
  LoadHitMap(("Bitmaps\\Garden3\\NOT\\bg_mask" + std::to_string(half) + ".png").c_str());
  for (int tool : kHalves[half]) {
    Control* resting = RestingLook(tool);
    Control* shown = resting ? resting : ToolControl(tool);
    if (shown) shown->ClearFlags(kCfHidden);
  }
}

void ToolCart::PoseQuestion() {
  AllowAnswer(false);
  Say(kQuestionSpeech, "Sounds\\Garden3\\NOT\\ITEM_N\\" + std::to_string(AskedTool()));
  // The tool can be taken once it has been named; without a speaker at once.
  if (!CurrentSpeaker().Control()) AskAgain();
}

void ToolCart::AskAgain() {
  Asked(trace::DragToHit(AskedTool(), kCartRegion));
}

void ToolCart::AfterPraise() {
  if (index_ == kHalfTools - 1 || index_ == kTools - 1) {
    LightGoesOut();
    return;
  }
  ++index_;
  PoseQuestion();
}

void ToolCart::AfterOtherSpeech(int kind) {
  if (kind == kQuestionSpeech) AskAgain();
  if (kind != kLightSpeech) return;
  ScriptedAnimationControl* lamp = ScriptedAnimation("ZHAS");
  if (lamp) {
    lamp->SetFrame(0);
    lamp->Speak("", false);
  }
  if (!lamp || !lamp->IsPlaying()) GoDark();
}

void ToolCart::OnGameEvent(Control* control, int32_t event, bool /*live*/) {
  if (!EventFrom(control, event, "ZHAS", kEventAnimationEnd)) return;
  lightReturning_ ? LightIsBack() : GoDark();
}

void ToolCart::LightGoesOut() {
  lightReturning_ = false;
  AllowAnswer(false);
  Say(kLightSpeech, kDarkSpeech);
  // Without a speaker the speech ends at once.
  if (!CurrentSpeaker().Control()) AfterOtherSpeech(kLightSpeech);
}

void ToolCart::ShowShed(bool shown) {
  Show("BACK", shown);
  Show("VOZIK", shown);
  Show("S", shown && StickerEarned());
  ShowLoad(shown);
}

void ToolCart::ShowLoad(bool shown) {
  for (int place = 0; place < kHalfTools; ++place) {
    BitmapControl* look = LoadPlace(place);
    if (!look) continue;
    if (shown && place < static_cast<int>(load_.size())) {
      look->SetCurrentFrame(load_[place]);
      look->ClearFlags(kCfHidden);
    } else {
      look->SetFlags(kCfHidden);
    }
  }
}

void ToolCart::GoDark() {
  ShowShed(false);
  HideToolbar();
  Engine().SetBackground(kDark, true);
  darkTicks_ = 0;
}

void ToolCart::OnTick() {
  if (darkTicks_ < 0 || ++darkTicks_ <= kDarkTicks) return;
  darkTicks_ = -1;
  lightReturning_ = true;
  LightComesBack();
}

void ToolCart::LightComesBack() {
  if (half_ == 1) {
    // Every tool is in the cart: the game starts again with all its counts at zero.
    Engine().ChangeScreen(kScreenToolCart, 0, false);
    return;
  }
  ShowHalf(1);
  ++index_;
  // The other half starts with an empty cart.
  load_.clear();
  ShowShed(true);
  Engine().SetBackground(kBackground, true);
  ScriptedAnimationControl* lamp = ScriptedAnimation("ZHAS");
  if (lamp) lamp->Speak(kLightBack, false);
  if (!lamp || !lamp->IsPlaying()) LightIsBack();
}

void ToolCart::LightIsBack() {
  lightReturning_ = false;
  if (ToolbarControl* toolbar = Toolbar()) toolbar->ClearFlags(kCfHidden);
  RaiseToolbar();
  PoseQuestion();
}

void ToolCart::OnGameMessage(int32_t message, intptr_t /*param*/, bool* unconsumed) {
  const int x = Engine().MouseX(), y = Engine().MouseY();
  switch (message) {
    case kMsgMouseMoved:
      Follow(x, y);
      return;
    case kMsgLeftDown: {
      const int hit = HitMapValue(x, y);
      if (Dragging()) {
        Drop(hit);
      } else if (TakesAnswer(*unconsumed) && hit < kTools) {
        Pick(hit, x, y);
      } else if (TakesAnswer(*unconsumed) && hit == kRepeatRegion) {
        PoseQuestion();
      }
      return;
    }
    case kMsgLeftUp:
      if (Dragging() && HeldDragEnds(pickX_, pickY_, x, y)) {
        Drop(HitMapValue(x, y));
      }
      return;
    default:
      return;
  }
}

void ToolCart::Pick(int tool, int x, int y) {
  Control* control = ToolControl(tool);
  // A tool already in the cart has left its place for good.
  if (!control) return;
  dragged_ = tool;
  pickX_ = x;
  pickY_ = y;
  if (Control* resting = RestingLook(tool); resting && control->IsHidden()) {
    resting->SetFlags(kCfHidden);
    control->ClearFlags(kCfHidden);
  }
  ToTop(control);
  RaiseToolbar();
  Follow(x, y);
}

void ToolCart::Follow(int x, int y) {
  const CartRegion now = CartRegionAt(x, y);
  const bool changed = now != region_;
  if (changed) {
    before_ = region_;
    region_ = now;
  }
  std::string regions = "R";
  regions += std::to_string(region_) + " from R" + std::to_string(before_);
  Engine().SetDebugText(regions);
  Control* control = Dragging() ? ToolControl(dragged_) : nullptr;
  if (!control) return;
  int w = 0, h = 0;
  control->GetSize(&w, &h);
  control->SetPosition(x - w / 2, y - h / 2);
  // A tool pushed into the cart from the side or carried away from above it passes in front of
  // the cart; one lifted up over the cart passes behind its front, as if it were inside.
  if (changed && ((before_ == kAwayFromCart && now == kInCart) ||
                  (before_ == kAboveCart && now == kAwayFromCart))) {
    ToTop(control);
  } else if (changed && now == kAboveCart) {
    ToTop(ScriptedControl("VOZIK"));
  }
  RaiseToolbar();
}

void ToolCart::Drop(int hit) {
  const int tool = dragged_;
  dragged_ = -1;
  if (hit == kCartRegion && region_ == kInCart && before_ == kAboveCart) {
    const bool good = tool == AskedTool();
    const Verdict verdict = Count(good);
    good ? TakeIntoCart(tool) : PutBack(tool);
    SpeakVerdict(verdict);
  } else {
    PutBack(tool);
  }
  ToTop(ScriptedControl("MLUVI"));
  RaiseToolbar();
}

void ToolCart::PutBack(int tool) {
  const ScreenEntry* entry = EntryOf(tool);
  Control* control = ToolControl(tool);
  if (!control) return;
  control->SetPosition(entry->x, entry->y);
  if (Control* resting = RestingLook(tool)) {
    resting->ClearFlags(kCfHidden);
    control->SetFlags(kCfHidden);
  }
}

void ToolCart::TakeIntoCart(int tool) {
  ScreenEntry* entry = EntryOf(tool);
  if (!entry || !entry->control) return;
  // The tool leaves the control list and the script: the game owns it until the screen goes.
  RemoveControl(entry->control);
  cart_.emplace_back(entry->control);
  entry->control = nullptr;
  load_.push_back(tool);
  ShowLoad(true);
}

}  // namespace rufo
