#include "gardens/garden2/watering.h"

#include "game/game_random.h"
#include "game/game_state.h"
#include "game/scene_kit.h"

namespace rufo {
namespace {

struct DirectionPlace {
  const char* button;
  const char* flowers;
  int soundNumber;  // the question's file number in each phrasing's folder
};
// By direction 1 to 5: left, right, up, down, behind.
constexpr DirectionPlace kPlaces[Watering::kDirections] = {{"VLEVO", "ZLUTE", 0},
                                                           {"VPRAVO", "RUZOVE", 4},
                                                           {"NAHORU", "MODRE", 2},
                                                           {"DOLU", "FIALOVE", 3},
                                                           {"VZADU", "CERVENE", 1}};
constexpr int kFirstQuestionKind = 1;
constexpr int kLastVariant = 5;
constexpr int kLastVariantAt = 9;  // the tenth question

}  // namespace

const char* Watering::Button(int direction) {
  return kPlaces[direction - 1].button;
}

const char* Watering::Flowers(int direction) {
  return kPlaces[direction - 1].flowers;
}

void Watering::Prepare() {
  DrawSequence();
}

void Watering::DrawSequence() {
  int previous = direction_;
  for (int& direction : sequence_) {
    do {
      direction = Random().Below(kDirections) + 1;
    } while (direction == previous);
    previous = direction;
  }
  index_ = -1;
}

void Watering::PoseQuestion() {
  // With the sticker earned the game goes on past the fifteenth question with a new sequence.
  if (index_ + 1 >= kSequence) DrawSequence();
  direction_ = sequence_[++index_];
  variant_ = asked_ == 0                ? 0
             : asked_ < kLastVariantAt  ? Random().Below(4) + 1
             : asked_ == kLastVariantAt ? kLastVariant
                                        : 0;
  ++asked_;
  question_ = "Sounds\\Garden2\\dir\\DIR_N" + std::to_string(variant_) + "\\" +
              std::to_string(kPlaces[direction_ - 1].soundNumber);
  Say(direction_, question_);
}

void Watering::Ask() {
  Asked(trace::ControlAnswer(Button(direction_)));
}

void Watering::AfterOtherSpeech(int kind) {
  if (kind >= kFirstQuestionKind && kind <= kDirections) Ask();
}

void Watering::OnGameEvent(Control* control, int32_t event, bool /*live*/) {
  for (int direction = 1; direction <= kDirections; ++direction) {
    if (EventFrom(control, event, Button(direction), kEventClicked)) {
      if (!AnswerAllowed() || Speaking()) return;
      if (direction != direction_) {
        Judge(false);
        return;
      }
      verdict_ = Count(true);
      Water(direction);
      return;
    }
    if (EventFrom(control, event, Button(direction), kEventAnimationEnd)) {
      Bloom(direction);
      return;
    }
    if (EventFrom(control, event, Flowers(direction), kEventAnimationEnd)) {
      SpeakVerdict(verdict_);
      return;
    }
  }
}

void Watering::Water(int direction) {
  if (!PlayFromStart(ScriptedAnimation(Button(direction)))) Bloom(direction);
}

void Watering::Bloom(int direction) {
  if (!PlayFromStart(ScriptedAnimation(Flowers(direction)))) SpeakVerdict(verdict_);
}

void Watering::OnGameMessage(const Input& input, bool* unconsumed) {
  if (input.message != kMsgLeftDown || !TakesAnswer(*unconsumed)) return;
  if (input.region != kRepeatRegion) return;
  AllowAnswer(false);
  Say(kFirstQuestionKind, question_);
}

}  // namespace rufo
