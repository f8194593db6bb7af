#include "gardens/garden4/nest_birds.h"

#include <algorithm>
#include <string>

#include "game/game_random.h"
#include "game/game_state.h"
#include "game/scene_kit.h"

namespace rufo {
namespace {

struct Nest {
  const char* control;
  int birdsBelow;  // the birds drawn are 0 to birdsBelow - 1
  int questionKind;
};
constexpr Nest kNestTable[NestBirds::kNests] = {
    {"LN", 8, 12},   // top left
    {"PN", 10, 14},  // top right
    {"LD", 5, 13},   // bottom left
    {"PD", 9, 15},   // bottom right
};

std::string QuestionSound(int nest) {
  return "Sounds\\Garden4\\NAD\\NEST_N\\" + std::to_string(nest);
}

}  // namespace

void NestBirds::Introduce() {
  MiniGame::Introduce();
  NewBirds();
}

void NestBirds::Resume() {
  NewBirds();
  PoseQuestion();
}

void NestBirds::PoseQuestion() {
  NewOrder();
  Ask();
}

void NestBirds::AfterPraise() {
  if (++questionIndex_ >= kNests) {
    questionIndex_ = 0;
    NewBirds();
    NewOrder();
  }
  Ask();
}

void NestBirds::NewBirds() {
  for (int nest = 0; nest < kNests; ++nest) {
    int& birds = birds_[nest];
    birds = Random().Below(kNestTable[nest].birdsBelow);
    BitmapControl* picture = ScriptedBitmap(kNestTable[nest].control);
    if (!picture) continue;
    // A nest whose strip holds fewer pictures than birds shows its last picture, and that is
    // the number asked: the answer always matches what the child sees.
    birds = std::min(birds, FrameCount(picture) - 1);
    SetFrame(picture, birds);
  }
}

void NestBirds::NewOrder() {
  for (int i = 0; i < kNests; ++i) {
    int nest = 0;
    do {
      nest = Random().Below(kNests);
    } while (std::find(order_.begin(), order_.begin() + i, nest) != order_.begin() + i);
    order_[i] = nest;
  }
}

void NestBirds::Ask() {
  AllowAnswer(false);
  const int nest = AskedNest();
  Say(kNestTable[nest].questionKind, QuestionSound(nest));
  // A question that cannot be said is open at once.
  if (!IsPlaying(CurrentSpeaker().Control())) {
    SetSpeech(kNestTable[nest].questionKind, false);
    AskCount();
  }
}

void NestBirds::AskCount() {
  Asked(trace::HitAnswer({birds_[AskedNest()]}));
}

void NestBirds::AfterOtherSpeech(int kind) {
  if (kind == kNestTable[AskedNest()].questionKind) AskCount();
}

void NestBirds::OnGameMessage(const Input& input, bool* unconsumed) {
  if (input.message != kMsgLeftDown || !TakesAnswer(*unconsumed)) return;
  const int value = input.region;
  if (value == kRepeat) {
    Ask();
  } else if (value < kNumbers) {
    Judge(value == birds_[AskedNest()]);
  }
}

}  // namespace rufo
