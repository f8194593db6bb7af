#include "gardens/garden3/flower_beds.h"

#include <algorithm>

#include "game/common_controls.h"
#include "game/game_random.h"
#include "game/game_state.h"
#include "game/scene_kit.h"

namespace rufo {
namespace {

constexpr int kQuestionSpeech = 7;
constexpr int kRepeatSpeech = 13;
constexpr int kComingBackSpeech = 14;
constexpr const char* kMonkey = "MOVE";
constexpr const char* kMonkeyBack = "Bitmaps\\Garden3\\CAT\\Ani\\move_b";

// Where a planted flower "K_colour_shape" stands, by bed and shape.
struct Spot {
  int x, y;
};
constexpr Spot kPlanting[FlowerBeds::kBeds][FlowerBeds::kShapes] = {
    {{199, 102}, {196, 101}, {201, 96}, {197, 108}},
    {{330, 85}, {327, 84}, {332, 79}, {328, 91}},
    {{457, 61}, {454, 60}, {459, 55}, {455, 67}},
};

std::string BedName(int bed) {
  return "TVA" + std::to_string(bed + 1);
}
std::string CarriedName(int colour) {
  return Numbered("C", colour);
}
std::string FlowerName(int colour, int shape) {
  return "K_" + std::to_string(colour) + "_" + std::to_string(shape);
}

// `count` different numbers below `below`, in the order drawn.
template <size_t N>
void DrawDistinct(std::array<int, N>& out, int below) {
  for (size_t i = 0; i < N; ++i) {
    do {
      out[i] = Random().Below(below);
    } while (std::find(out.begin(), out.begin() + i, out[i]) != out.begin() + i);
  }
}

}  // namespace

void FlowerBeds::Prepare() {
  // The monkey sits in its tree from the start; its moves play on the same control.
  ScriptedAnimationControl* monkey = ScriptedAnimation(kMonkey);
  SetFrame(monkey, 0);
  Show(monkey);
}

void FlowerBeds::Resume() {
  // Back from the album or a lesson the monkey comes down and a new question follows, even if
  // the game was left while the monkey was on its way.
  WithMonkey(kComingBackSpeech);
}

void FlowerBeds::WithMonkey(int kind) {
  const GameSpeechKinds& kinds = Info().speeches;
  if (kind == kinds.win || kind == kinds.loss) {
    DisableToolbar();
  }
  SetSpeech(kind, true);
  monkeyKind_ = kind;
  monkeyReturning_ = false;
  if (!PlayFromStart(ScriptedAnimation(kMonkey))) MonkeyDown(kind);
}

void FlowerBeds::MonkeyDown(int kind) {
  // A move that a skipped introduction has overtaken leads nowhere.
  if (kind != monkeyKind_) return;
  monkeyKind_ = -1;
  if (kind == kRepeatSpeech) {
    Say(kQuestionSpeech, question_);
  } else if (kind == kComingBackSpeech) {
    NewQuestion();
  } else {
    Speak(kind);
  }
}

void FlowerBeds::OnSpeechEnded(int kind) {
  const GameSpeechKinds& kinds = Info().speeches;
  if (kind == kinds.intro || kind == kinds.praise) {
    SetSpeech(kind, false);
    NewQuestion();
    return;
  }
  // The win and the loss keep the back button blocked until the screen changes.
  SetSpeech(kind, kind == kinds.win || kind == kinds.loss);
  monkeyReturning_ = true;
  ScriptedAnimationControl* monkey = ScriptedAnimation(kMonkey);
  if (!Play(monkey, kMonkeyBack)) MonkeyUp(kind);
}

void FlowerBeds::MonkeyUp(int kind) {
  monkeyReturning_ = false;
  const GameSpeechKinds& kinds = Info().speeches;
  if (kind == kQuestionSpeech || kind == kinds.correction) {
    Ask();
  } else if (kind == kinds.win) {
    AwardSticker();
  } else if (kind == kinds.loss) {
    GoToLesson();
  } else if (kind == kComingBackSpeech) {
    NewQuestion();
  }
}

void FlowerBeds::NewQuestion() {
  ShowControl(planted_, false);
  planted_.clear();
  DrawDistinct(bedShapes_, kShapes);
  DrawDistinct(colours_, kColours);
  DrawDistinct(order_, kBeds);
  for (int bed = 0; bed < kBeds; ++bed) {
    BitmapControl* shown = ScriptedBitmap(BedName(bed));
    SetFrame(shown, bedShapes_[bed]);
    Show(shown);
  }
  ShowControl("BUBLE", true);
  askedColour_ = colours_[order_[0]];
  askedShape_ = bedShapes_[order_[0]];
  question_ = "Sounds\\Garden3\\CAT\\CAT_NAME\\COL_" + std::to_string(askedColour_) + "\\" +
              std::to_string(askedShape_);
  AllowAnswer(false);
  Say(kQuestionSpeech, question_);
  // Without a speaker nothing ends the question: it is open at once.
  if (!CurrentSpeaker().Control()) Ask();
}

void FlowerBeds::Ask() {
  Asked(trace::CarryToControl(askedColour_, BedName(AskedBed())));
}

void FlowerBeds::OnGameEvent(Control* control, int32_t event, bool /*live*/) {
  if (EventFrom(control, event, kMonkey, kEventAnimationEnd)) {
    monkeyReturning_ ? MonkeyUp(Kind()) : MonkeyDown(Kind());
    return;
  }
  for (int bed = 0; bed < kBeds; ++bed) {
    if (EventFrom(control, event, BedName(bed).c_str(), kEventReleasedOver)) Plant(bed);
  }
}

void FlowerBeds::OnGameMessage(const Input& input, bool* unconsumed) {
  switch (input.message) {
    case kMsgMouseMoved:
      if (Carrying()) Follow(input.x, input.y);
      return;
    case kMsgLeftDown:
      // A press on a pot takes a flower: carried with the button held down, or after the
      // click, until the next click.
      if (!Carrying() && TakesAnswer(*unconsumed) && input.region < kColours) Carry(input);
      return;
    case kMsgLeftUp:
      // The beds have seen this release already: a flower carried there has been planted.
      if (Carrying()) {
        if (pickPress_ && !HeldDragEnds(pickedAt_.x, pickedAt_.y, input.x, input.y)) {
          pickPress_ = false;
        } else {
          Drop();
        }
      } else if (TakesAnswer(*unconsumed) && input.region == kRepeatRegion) {
        WithMonkey(kRepeatSpeech);
      }
      return;
    default:
      return;
  }
}

void FlowerBeds::Carry(const Input& press) {
  carried_ = press.region;
  pickPress_ = true;
  pickedAt_ = {press.x, press.y};
  Control* carried = ScriptedControl(CarriedName(carried_).c_str());
  if (!carried) return;
  Follow(press.x, press.y);
  Show(carried);
  ToTop(carried);
  RaiseToolbar();
}

void FlowerBeds::Follow(int x, int y) {
  CentreOn(ScriptedControl(CarriedName(carried_).c_str()), x, y);
}

void FlowerBeds::Drop() {
  ShowControl(CarriedName(carried_), false);
  carried_ = -1;
  pickPress_ = false;
}

void FlowerBeds::Plant(int bed) {
  if (!Carrying()) return;
  const int shape = bedShapes_[bed];
  const bool good = carried_ == askedColour_ && shape == askedShape_;
  if (good) {
    planted_ = FlowerName(carried_, shape);
    ScriptedAnimationControl* flower = ScriptedAnimation(planted_.c_str());
    MoveTo(flower, kPlanting[bed][shape].x, kPlanting[bed][shape].y);
    PlayFromStart(flower);
  }
  Judged(good);
}

void FlowerBeds::Judged(bool good) {
  const GameSpeechKinds& kinds = Info().speeches;
  const Verdict verdict = Count(good);
  WithMonkey(verdict == Verdict::kWin          ? kinds.win
             : verdict == Verdict::kPraise     ? kinds.praise
             : verdict == Verdict::kCorrection ? kinds.correction
                                               : kinds.loss);
}

}  // namespace rufo
