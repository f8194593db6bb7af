#include "gardens/garden5/meadow_colours.h"

#include <string>

#include "game/game_random.h"
#include "game/game_state.h"
#include "game/scene_kit.h"

namespace rufo {
namespace {

// Colours: red, grey, orange, brown, blue, green, white, black, violet, pink, yellow.
constexpr int kColourAt[MeadowColours::kLayouts][MeadowColours::kColours] = {
    {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10},
    {2, 9, 1, 3, 0, 7, 10, 8, 5, 6, 4},
    {7, 9, 0, 4, 5, 8, 10, 1, 6, 2, 3},
};
constexpr int kQuestionSpeech = 12;
constexpr int kRepeatRegion = 99;
constexpr const char* kGrow = "Bitmaps\\Garden5\\COL\\Ani\\k_1";

}  // namespace

int MeadowColours::ColourAt(int layout, int place) {
  return kColourAt[layout][place];
}

std::vector<int32_t> MeadowColours::PlacesOf(int layout, int colour) {
  std::vector<int32_t> places;
  for (int place = 0; place < kColours; ++place) {
    if (kColourAt[layout][place] == colour) places.push_back(place);
  }
  return places;
}

void MeadowColours::NewLayout() {
  const int previous = layout_;
  do {
    layout_ = Random().Below(kLayouts);
  } while (layout_ == previous);
  // Each layout has its own caterpillar: only this one sits on the leaf.
  for (int number = 1; number <= kLayouts; ++number) {
    ShowControl(Numbered("AM_%d", number), number == layout_ + 1);
  }
  // Flowers that cannot grow count as grown, so that the game goes on.
  if (!PlayFromStart(ScriptedAnimation(Numbered("K_%d", layout_ + 1).c_str()), kGrow)) {
    FlowersDone();
  }
}

void MeadowColours::FlowersDone() {
  if (!leaving_) {
    NewColour();
    AskColour();
    return;
  }
  ShowControl(Numbered("K_%d", layout_ + 1), false);
  leaving_ = false;
  NewLayout();
}

void MeadowColours::NewColour() {
  const int previous = colour_;
  do {
    colour_ = Random().Below(kColours);
  } while (colour_ == previous);
  SetDebugText("colour = " + std::to_string(colour_));
}

void MeadowColours::AskColour() {
  const Speaker creature = Creature();
  if (creature.Control()) {
    Say(kQuestionSpeech, "Sounds\\Garden5\\Col\\COL_NAME\\" + std::to_string(colour_), creature);
  } else {
    AskAgain();
  }
}

void MeadowColours::AskAgain() {
  Asked(trace::HitAnswer(PlacesOf(layout_, colour_)));
}

void MeadowColours::AfterOtherSpeech(int kind) {
  if (kind == kQuestionSpeech) AskAgain();
}

void MeadowColours::AfterPraise() {
  leaving_ = true;
  const int number = layout_ + 1;
  ScriptedAnimationControl* flowers = ScriptedAnimation(Numbered("K_%d", number).c_str());
  if (!Play(flowers, Numbered("Bitmaps\\Garden5\\COL\\Ani\\k_%db", number))) FlowersDone();
}

void MeadowColours::Answer(int place) {
  const Verdict verdict = Count(ColourAt(layout_, place) == colour_);
  if (verdict != Verdict::kCorrection) {
    SpeakVerdict(verdict, Creature());
    return;
  }
  // The creature sighs first; the correction follows the sigh.
  AllowAnswer(false);
  ScriptedAnimationControl* sigh = ScriptedAnimation(Numbered("ACH_%d", layout_ + 1).c_str());
  if (!Play(sigh)) SpeakVerdict(verdict, Creature());
}

void MeadowColours::OnGameEvent(Control* control, int32_t event, bool /*live*/) {
  if (layout_ < 0 || event != kEventAnimationEnd) return;
  const int number = layout_ + 1;
  if (EventFrom(control, event, Numbered("K_%d", number).c_str(), kEventAnimationEnd)) {
    FlowersDone();
  } else if (EventFrom(control, event, Numbered("ACH_%d", number).c_str(), kEventAnimationEnd)) {
    SpeakVerdict(Verdict::kCorrection, Creature());
  }
}

void MeadowColours::OnGameMessage(const Input& input, bool* unconsumed) {
  if (input.message != kMsgLeftDown || !TakesAnswer(*unconsumed)) return;
  const int place = input.region;
  if (place == kRepeatRegion) {
    AskColour();
  } else if (place < kColours) {
    Answer(place);
  }
}

}  // namespace rufo
