#include "gardens/garden3/tool_cart.h"

#include <algorithm>
#include <bitset>

#include "game/common_controls.h"
#include "game/game_random.h"
#include "game/game_state.h"
#include "game/scene_kit.h"

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
int EntryOf(int tool) {
  return tool + 1;
}
Control* ToolControl(int tool) {
  return EntryControl(EntryOf(tool));
}
Control* RestingLook(int tool) {
  const std::string name = EntryName(EntryOf(tool));
  if (name.empty() || !kHasRestingLook[tool]) return nullptr;
  return ScriptedControl((name + "W").c_str());
}
// The places in the cart that show what lies in it, "NAKLAD1" first.
BitmapControl* LoadPlace(int place) {
  return ScriptedBitmap("NAKLAD" + std::to_string(place + 1));
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
  return cart_.Holds(EntryOf(tool));
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
  LoadRegions("Bitmaps\\Garden3\\NOT\\bg_mask" + std::to_string(half) + ".png");
  for (int tool : kHalves[half]) {
    Control* resting = RestingLook(tool);
    Control* shown = resting ? resting : ToolControl(tool);
    if (shown) Show(shown);
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
  if (!PlayFromStart(ScriptedAnimation("ZHAS"))) GoDark();
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
  ShowControl("BACK", shown);
  ShowControl("VOZIK", shown);
  ShowControl("S", shown && StickerEarned());
  ShowLoad(shown);
}

void ToolCart::ShowLoad(bool shown) {
  for (int place = 0; place < kHalfTools; ++place) {
    BitmapControl* look = LoadPlace(place);
    if (!look) continue;
    if (shown && place < static_cast<int>(load_.size())) {
      SetFrame(look, load_[place]);
      Show(look);
    } else {
      Hide(look);
    }
  }
}

void ToolCart::GoDark() {
  ShowShed(false);
  HideToolbar();
  SetBackground(kDark, true);
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
    GoTo(kScreenToolCart);
    return;
  }
  ShowHalf(1);
  ++index_;
  // The other half starts with an empty cart.
  load_.clear();
  ShowShed(true);
  SetBackground(kBackground, true);
  if (!Play(ScriptedAnimation("ZHAS"), kLightBack)) LightIsBack();
}

void ToolCart::LightIsBack() {
  lightReturning_ = false;
  ShowToolbar();
  RaiseToolbar();
  PoseQuestion();
}

void ToolCart::OnGameMessage(const Input& input, bool* unconsumed) {
  const int x = input.x, y = input.y;
  switch (input.message) {
    case kMsgMouseMoved:
      Follow(x, y);
      return;
    case kMsgLeftDown:
      if (Dragging()) {
        Drop(input.region);
      } else if (TakesAnswer(*unconsumed) && input.region < kTools) {
        Pick(input.region, x, y);
      } else if (TakesAnswer(*unconsumed) && input.region == kRepeatRegion) {
        PoseQuestion();
      }
      return;
    case kMsgLeftUp:
      if (Dragging() && HeldDragEnds(pickX_, pickY_, x, y)) Drop(input.region);
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
  if (Control* resting = RestingLook(tool); resting && !IsShown(control)) {
    Hide(resting);
    Show(control);
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
  SetDebugText(regions);
  Control* control = Dragging() ? ToolControl(dragged_) : nullptr;
  if (!control) return;
  CentreOn(control, x, y);
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
  Control* control = ToolControl(tool);
  if (!control) return;
  MoveHome(control);
  if (Control* resting = RestingLook(tool)) {
    Show(resting);
    Hide(control);
  }
}

void ToolCart::TakeIntoCart(int tool) {
  // The tool leaves the scene for good: a tool in the cart shows as the cart's load.
  if (!cart_.Take(EntryOf(tool))) return;
  load_.push_back(tool);
  ShowLoad(true);
}

}  // namespace rufo
