#include "gardens/garden5/bee_hives.h"

#include <string>

#include "game/game_random.h"
#include "game/game_state.h"
#include "game/scene_kit.h"

namespace rufo {
namespace {

// Colours: green, brown, red, violet, orange, yellow, grey, blue; by layout 1 to 4.
constexpr int kColourAt[BeeHives::kLayouts][BeeHives::kColours] = {
    {0, 1, 2, 3, 4, 5, 6, 7},
    {7, 6, 5, 4, 3, 2, 1, 0},
    {4, 5, 6, 7, 0, 1, 2, 3},
    {1, 2, 3, 0, 5, 6, 7, 4},
};
constexpr int kQuestionSpeech = 19;
constexpr int kRepeatRegion = 99;
constexpr const char* kBee = "VCELA";
constexpr const char* kTakeOff = "VZLET";
constexpr const char* kBuzz = "v";
constexpr const char* kFlightSound = "Bitmaps\\Garden5\\COL2\\Ani\\v";
constexpr const char* kHiveSound = "Bitmaps\\Garden5\\COL2\\Ani\\ul";

// Plays an animation's own script from its first frame with that sound; false when nothing
// plays.
bool PlayWithSound(ScriptedAnimationControl* animation, const char* sound) {
  ChooseSound(animation, sound);
  return PlayFromStart(animation);
}

}  // namespace

int BeeHives::ColourAt(int layout, int place) {
  return kColourAt[layout - 1][place];
}

std::vector<int32_t> BeeHives::PlacesOf(int layout, int colour) {
  std::vector<int32_t> places;
  for (int place = 0; place < kColours; ++place) {
    if (ColourAt(layout, place) == colour) places.push_back(place);
  }
  return places;
}

void BeeHives::LoadScene() {
  layout_ = Random().Below(kLayouts) + 1;
  LoadScript(Numbered("Data\\Garden5\\col2\\L%d\\screen.dat", layout_));
  MiniGame::LoadScene();
}

void BeeHives::TakeOff() {
  if (!PlayFromStart(ScriptedAnimation(kTakeOff))) Hover();
}

void BeeHives::Hover() {
  beeReady_ = Play(ScriptedAnimation(kBee));
  // Without its first turn in the air the bee is ready at once.
  if (!beeReady_) AskColour();
}

void BeeHives::AskColour() {
  const int previous = colour_;
  do {
    colour_ = Random().Below(kColours);
  } while (colour_ == previous);
  SetDebugText("colour = " + std::to_string(colour_));
  Say(kQuestionSpeech, "Sounds\\Garden5\\Col2\\COL_NAME\\" + std::to_string(colour_));
  ScriptedAnimationControl* bee = ScriptedAnimation(kBee);
  ChooseSound(bee, kBuzz);
  Play(bee, "", true);
  if (!Speaker().Control()) {
    // Nobody can name the colour: the question is open without it.
    SetSpeech(kQuestionSpeech, false);
    AskAgain();
  }
}

void BeeHives::AskAgain() {
  Asked(trace::HitAnswer(PlacesOf(layout_, colour_)));
}

void BeeHives::AfterOtherSpeech(int kind) {
  if (kind == kQuestionSpeech) AskAgain();
}

void BeeHives::Answer(int place) {
  const bool good = ColourAt(layout_, place) == colour_;
  verdict_ = Count(good);
  // Closed until the correction is over or the next colour is named.
  AllowAnswer(false);
  if (good) {
    FlyTo(place);
  } else {
    SpeakVerdict(verdict_);
  }
}

void BeeHives::FlyTo(int place) {
  chosen_ = place;
  ScriptedAnimationControl* bee = ScriptedAnimation(kBee);
  Hide(bee);
  Halt(bee);
  const int flight = FlightTo(place);
  if (!PlayWithSound(ScriptedAnimation(Numbered("V%d", flight).c_str()), kFlightSound)) {
    Arrived(flight);
  }
}

void BeeHives::Arrived(int flight) {
  if (!PlayWithSound(ScriptedAnimation(Numbered("U%d", flight).c_str()), kHiveSound)) Answered();
}

void BeeHives::Answered() {
  SpeakVerdict(verdict_);
}

void BeeHives::OnGameEvent(Control* control, int32_t event, bool /*live*/) {
  if (event != kEventAnimationEnd) return;
  if (EventFrom(control, event, kTakeOff, event)) {
    Hover();
    return;
  }
  if (EventFrom(control, event, kBee, event)) {
    if (beeReady_) {
      beeReady_ = false;
      AskColour();
    }
    return;
  }
  if (chosen_ < 0) return;
  const int flight = FlightTo(chosen_);
  if (EventFrom(control, event, Numbered("V%d", flight).c_str(), event)) {
    Arrived(flight);
  } else if (EventFrom(control, event, Numbered("U%d", flight).c_str(), event)) {
    chosen_ = -1;
    Answered();
  }
}

void BeeHives::OnGameMessage(const Input& input, bool* unconsumed) {
  if (input.message != kMsgLeftDown || !TakesAnswer(*unconsumed)) return;
  const int place = input.region;
  if (place == kRepeatRegion) {
    Say(kQuestionSpeech, "Sounds\\Garden5\\Col2\\COL_NAME\\" + std::to_string(colour_));
  } else if (place < kColours) {
    Answer(place);
  }
}

}  // namespace rufo
