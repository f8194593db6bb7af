#include "controls/question_control.h"

#include "controls/control_list.h"
#include "controls/game_state.h"
#include "controls/picture_load.h"
#include "engine/graphics.h"
#include "engine/interface.h"
#include "engine/messages.h"
#include "engine/trace.h"
#include "sound/sound_object.h"

namespace rufo {
namespace {

bool Playing(const SoundObject* sound) {
  return sound && sound->IsPlaying();
}

std::string WithoutExtension(const std::string& name) {
  const size_t dot = name.rfind('.');
  if (dot == std::string::npos || name.find('\\', dot) != std::string::npos) return name;
  return name.substr(0, dot);
}

}  // namespace

QuestionControl::QuestionControl(int32_t id) : Control(id) {}

QuestionControl::~QuestionControl() = default;

bool QuestionControl::Init(int x, int y, const char* path, uint32_t flags) {
  SetPosition(x, y);
  SetFlags(flags | kCfTransparent);
  int width = 0, height = 0;
  if (!LoadPicture(&bubble_, path, &width, &height, PictureLoadOptions(flags), true)) return false;
  path_ = std::string(path).substr(0, kPathChars);
  SetSize(width, height);
  return true;
}

bool QuestionControl::AddAnswer(int x, int y, const char* path, int frames, float seconds,
                                const char* hoverSound, const char* closingSound, int hotX,
                                int hotY, int hotWidth, int hotHeight) {
  if (answerCount_ >= kMaxAnswers || frames < 1) return false;
  Answer& answer = answers_[answerCount_];
  int width = 0, height = 0;
  if (!LoadPicture(&answer.strip, path, &width, &height, PictureLoadOptions(GetFlags()), true)) {
    return false;
  }
  SetSourceColorKey(answer.strip.get(), colorKey_);
  answer.rect = {x, y, x + width / frames, y + height};
  answer.hot = {x + hotX, y + hotY, x + hotX + hotWidth, y + hotY + hotHeight};
  answer.path = std::string(path).substr(0, kNameChars);
  answer.hoverSoundName = std::string(hoverSound ? hoverSound : "").substr(0, kNameChars);
  answer.closingSoundName = std::string(closingSound ? closingSound : "").substr(0, kNameChars);
  answer.frames = frames;
  answer.frameMs = seconds * 1000;
  answer.hoverSound = std::make_unique<SoundObject>();
  answer.hoverSound->Load(answer.hoverSoundName);
  answer.closingSound = std::make_unique<SoundObject>();
  ++answerCount_;
  return true;
}

void QuestionControl::Paint() {
  if (!surface_ || !bubble_) return;
  surface_->Blit(0, 0, *bubble_, nullptr, false);
  for (int i = 0; i < answerCount_; ++i) {
    const Answer& answer = answers_[i];
    if (!answer.strip) continue;
    int frame = 0;
    if (i == active_ && result_ == -1) {
      if (activeFrame_ == -1) continue;
      frame = activeFrame_;
    }
    const int width = answer.rect.Width();
    const platform::Rect source{frame * width, 0, (frame + 1) * width, answer.rect.Height()};
    surface_->Blit(answer.rect.left, answer.rect.top, *answer.strip, &source, true);
  }
}

bool QuestionControl::Restore() {
  if (!CreateSurface()) return false;
  bool restored = ReloadPicture(&bubble_, path_, rect_.right, rect_.bottom);
  for (int i = 0; i < answerCount_; ++i) {
    Answer& answer = answers_[i];
    restored &= ReloadPicture(&answer.strip, answer.path, answer.rect.Width() * answer.frames,
                              answer.rect.Height());
    SetSourceColorKey(answer.strip.get(), colorKey_);
  }
  return restored;
}

void QuestionControl::Update() {
  if (active_ == -1) return;
  const Answer& answer = answers_[active_];
  // An answer without a frame time stands still on its first frame.
  const uint32_t elapsed = Engine().Clock().NowMs() - activeSince_;
  const int frame =
      answer.frameMs >= 1
          ? static_cast<int>(static_cast<int64_t>(elapsed / answer.frameMs) % answer.frames)
          : 0;
  if (frame == activeFrame_) return;
  activeFrame_ = frame;
  Paint();
}

int QuestionControl::AnswerUnderMouse() const {
  for (int i = 0; i < answerCount_; ++i) {
    if (MouseInside(answers_[i].hot)) return i;
  }
  return -1;
}

void QuestionControl::SetCursorNamed(const char* name) {
  Interface& engine = Engine();
  engine.SetCursor(engine.FindCursor(name));
}

void QuestionControl::Point() {
  const ControlsGameState& game = GameStateForControls();
  if (Playing(game.questionSound)) return;
  const int i = AnswerUnderMouse();
  if (i == -1) {
    SetCursorNamed("Arrow");
    if (active_ != -1) {
      // The answer left behind shows its first frame again.
      active_ = -1;
      Paint();
    }
    return;
  }
  if (i == active_) return;
  Answer& answer = answers_[i];
  if (!answer.hoverSound->IsPlaying() && i != lastSpoken_ && result_ == -1) {
    answer.hoverSound->Play();
    if (answer.hoverSound->IsPlaying()) {
      trace::Speak(TraceName(), WithoutExtension(answer.hoverSoundName));
    }
    lastSpoken_ = i;
  }
  active_ = i;
  activeFrame_ = -1;
  activeSince_ = Engine().Clock().NowMs();
  SetCursorNamed("SelArrow");
}

void QuestionControl::Choose() {
  const int i = AnswerUnderMouse();
  if (i == -1 || answers_[i].closingSound->IsPlaying()) return;
  result_ = i;
  for (int k = 0; k < answerCount_; ++k) {
    if (answers_[k].hoverSound->IsPlaying()) answers_[k].hoverSound->Stop();
    if (answers_[k].closingSound->IsPlaying()) answers_[k].closingSound->Stop();
  }
  Answer& answer = answers_[i];
  const bool loaded =
      !answer.closingSoundName.empty() && answer.closingSound->Load(answer.closingSoundName);
  SetCursorNamed("Arrow");
  if (loaded) {
    answer.closingSound->Play();
    trace::Speak(TraceName(), WithoutExtension(answer.closingSoundName));
  } else {
    Report();
  }
}

// Tells the game the choice; GetResult gives it only during this report.
void QuestionControl::Report() {
  NotifyGame(this, kEventClicked, true);
  result_ = -1;
  lastSpoken_ = -1;
}

void QuestionControl::HandleInput(int32_t message, intptr_t param, bool* pass) {
  if (IsHidden()) return;
  const bool overBubble = !IsDisabled() && *pass && MouseInside(rect_);
  if (message == kMsgMouseMoved && overBubble) {
    *pass = false;
    if (result_ == -1) Point();
  } else if (message == kMsgLeftDown && overBubble) {
    *pass = false;
    if (result_ == -1) Choose();
  } else if (message == kMsgWaitableSignalled && param) {
    const auto* record = reinterpret_cast<const Waitable*>(param);
    for (int i = 0; i < answerCount_; ++i) {
      if (record->userData == answers_[i].closingSound->UserData()) {
        Report();
        break;
      }
    }
  }
  Control::HandleInput(message, param, pass);
}

}  // namespace rufo
