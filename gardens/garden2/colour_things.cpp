#include "gardens/garden2/colour_things.h"

#include "game/game_random.h"
#include "game/game_state.h"
#include "game/scene_kit.h"

namespace rufo {
namespace {

constexpr const char* kNamer = "MYS";
constexpr const char* kDanceSound = "Bitmaps\\Garden2\\COL\\ani\\f0";
constexpr const char* kFollowUpScript = "Bitmaps\\Garden2\\COL\\ani\\od0.dat";
constexpr const char* kBackgrounds[2] = {"BG", "BG2"};
constexpr const char* kSwitches[2] = {"ZM1", "ZM2"};
constexpr int kFirstNameKind = 22;
// Where each colour's thing lies: scene 0 in colour order, scene 1 in its own order.
constexpr int kRegions[ColourThings::kColours] = {0, 1, 2, 3, 4, 5, 1, 5, 2, 4, 3, 0};

}  // namespace

int ColourThings::Region(int colour) {
  return kRegions[colour];
}

void ColourThings::Prepare() {
  ShowScene(0);
}

void ColourThings::ShowScene(int scene) {
  scene_ = scene;
  const std::string background = EntryFile(kBackgrounds[scene]);
  if (!background.empty()) SetBackground(background, false);
}

void ColourThings::PoseQuestion() {
  const int previous = colour_;
  do {
    colour_ = Random().Below(kPerScene) + scene_ * kPerScene;
  } while (colour_ == previous);
  question_ = Numbered("SOUNDS\\Garden2\\COL\\COL_NAME\\", colour_);
  if (ScriptedControl(kNamer)) {
    Say(kFirstNameKind + colour_, question_, kNamer);
  } else {
    Ask();
  }
}

void ColourThings::Ask() {
  Asked(trace::HitAnswer({Region(colour_)}));
}

void ColourThings::AfterOtherSpeech(int kind) {
  if (kind >= kFirstNameKind && kind < kFirstNameKind + kColours) Ask();
}

void ColourThings::AfterPraise() {
  const int scene = Random().Below(2);
  if (scene == scene_) {
    PoseQuestion();
    return;
  }
  ShowScene(scene);
  // The new things arrive; the next colour is asked when they are in place.
  if (!PlayFromStart(ScriptedAnimation(kSwitches[scene]))) PoseQuestion();
}

void ColourThings::OnGameEvent(Control* control, int32_t event, bool /*live*/) {
  if (event != kEventAnimationEnd) return;
  if (EventFrom(control, event, kSwitches[0], kEventAnimationEnd) ||
      EventFrom(control, event, kSwitches[1], kEventAnimationEnd)) {
    PoseQuestion();
    return;
  }
  if (colour_ < 0) return;
  if (EventFrom(control, event, Numbered("F", colour_).c_str(), kEventAnimationEnd)) {
    if (!PlayFromStart(ScriptedAnimation(Numbered("OD", colour_).c_str()), kFollowUpScript)) {
      SpeakVerdict(verdict_);
    }
  } else if (EventFrom(control, event, Numbered("OD", colour_).c_str(), kEventAnimationEnd)) {
    SpeakVerdict(verdict_);
  }
}

void ColourThings::OnGameMessage(const Input& input, bool* unconsumed) {
  if (input.message != kMsgLeftDown || !TakesAnswer(*unconsumed)) return;
  const int region = input.region;
  if (region < kPerScene) {
    Answer(region);
  } else if (region == kRepeatRegion && ScriptedControl(kNamer)) {
    AllowAnswer(false);
    Say(kFirstNameKind + colour_, question_, kNamer);
  }
}

void ColourThings::Answer(int region) {
  if (region != Region(colour_)) {
    Judge(false);
    return;
  }
  verdict_ = Count(true);
  ScriptedAnimationControl* namer = ScriptedAnimation(kNamer);
  SetFrame(namer, 0);
  Hide(namer);
  ScriptedAnimationControl* dance = ScriptedAnimation(Numbered("F", colour_).c_str());
  if (!dance) {
    SpeakVerdict(verdict_);
    return;
  }
  for (const char* name : kSwitches)
    ShowControl(name, false);
  ChooseSound(dance, kDanceSound);
  if (!PlayFromStart(dance)) SpeakVerdict(verdict_);
}

}  // namespace rufo
