#include "game/mini_game.h"

#include <cstring>
#include <stdexcept>

#include "controls/scripted_animation_control.h"
#include "controls/toolbar_control.h"
#include "engine/graphics.h"
#include "engine/interface.h"
#include "engine/messages.h"
#include "engine/trace.h"
#include "game/common_controls.h"
#include "game/game_random.h"
#include "game/game_state.h"
#include "game/progress.h"
#include "game/user_file.h"

namespace rufo {
namespace {

constexpr int kFirstCorrectionSpeech = 14;
constexpr int kSecondCorrectionSpeech = 15;

const MiniGameInfo& RowOf(ScreenId screen) {
  const MiniGameInfo* row = FindMiniGame(screen);
  if (!row) throw std::invalid_argument("no game on screen " + std::to_string(screen));
  return *row;
}

bool IsNumberedRun(const char* name) {
  return std::strstr(name, "%d") != nullptr;
}

void PlayFeedback(FeedbackSet set, const Speaker& speaker) {
  const int number = State().feedback.Pick(set, Random());
  if (ScriptedAnimationControl* control = speaker.Control()) {
    control->Speak(FeedbackName(set, number), false);
  }
}

}  // namespace

Speaker Speaker::Numbered(const char* pattern, int number) {
  return Speaker(rufo::Numbered(pattern, number).c_str());
}

ScriptedAnimationControl* Speaker::Control() const {
  return ScriptedAnimation(name_.c_str());
}

GardenSpeech& GardenSpeechOf(ScreenId screen) {
  const int garden = (Family(screen) >> 8) - 2;
  if (garden >= 0 && garden < static_cast<int>(State().gardens.size())) {
    return State().gardens[garden];
  }
  static GardenSpeech elsewhere;
  return elsewhere;
}

MiniGame::MiniGame(ScreenId screen) : MiniGame(RowOf(screen)) {}

MiniGame::MiniGame(const MiniGameInfo& info) : info_(info), speech_(GardenSpeechOf(info.screen)) {}

bool MiniGame::StickerEarned() const {
  return State().Profile().HasSticker(info_.sticker);
}

void MiniGame::Build() {
  // Nothing is being said on a new screen: a win or a loss cut short by the change must not
  // keep the back button blocked.
  speech_ = GardenSpeech{};
  LoadScene();
  if (StickerEarned()) {
    if (Control* badge = ScriptedControl("S")) badge->ClearFlags(kCfHidden);
  }
  Prepare();
  if (Engine().PreviousScreen() == MainSceneOf(info_.screen)) {
    Introduce();
  } else {
    Resume();
  }
}

void MiniGame::LoadScene() {
  // A numbered run of names is the game's own choice, in its override.
  if (info_.script && !IsNumberedRun(info_.script)) State().screen->Load(info_.script);
  if (info_.hitMap && !IsNumberedRun(info_.hitMap)) LoadHitMap(info_.hitMap);
}

void MiniGame::OnControlEvent(Control* control, int32_t event, bool live) {
  if (IsSpeechEnd(control, event)) {
    OnSpeechEnded(speech_.kind);
    return;
  }
  OnGameEvent(control, event, live);
}

bool MiniGame::IsSpeechEnd(const Control* control, int32_t event) const {
  return EventFrom(control, event, speaker_.Name().c_str(), kEventAnimationEnd);
}

void MiniGame::OnMessage(const Input& input, bool* unconsumed) {
  if (input.message == kMsgLeftUp && speech_.speaking && speech_.kind == info_.speeches.intro) {
    if (ScriptedAnimationControl* speaker = speaker_.Control()) {
      speaker->SetFlags(kCfHidden);
      speaker->StopSpeaking();
    }
  }
  OnGameMessage(input, unconsumed);
}

void MiniGame::OnBack() {
  const GameSpeechKinds& kinds = info_.speeches;
  if (speech_.speaking && (speech_.kind == kinds.win || speech_.kind == kinds.loss)) return;
  Engine().ChangeScreen(MainSceneOf(info_.screen), 0, false);
}

void MiniGame::Asked(const std::string& answer) {
  trace::Question(info_.screen, answer);
  answerAllowed_ = true;
}

bool MiniGame::TakesAnswer(bool unconsumed) const {
  return unconsumed && answerAllowed_ && !speech_.speaking;
}

Verdict MiniGame::Count(bool good) {
  const Verdict verdict = JudgeAnswer(score_, good, info_.winAt, StickerEarned());
  answerAllowed_ = verdict == Verdict::kCorrection;
  trace::Answer(info_.screen, good, score_.good, score_.wrong);
  progress::Answer(info_.screen, good);
  return verdict;
}

void MiniGame::SpeakVerdict(Verdict verdict, const Speaker& speaker) {
  const GameSpeechKinds& kinds = info_.speeches;
  switch (verdict) {
    case Verdict::kPraise:
      Speak(kinds.praise, speaker);
      break;
    case Verdict::kWin:
      Speak(kinds.win, speaker);
      break;
    case Verdict::kCorrection:
      Speak(kinds.correction, speaker);
      break;
    case Verdict::kLoss:
      Speak(kinds.loss, speaker);
      break;
  }
}

Verdict MiniGame::Judge(bool good, const Speaker& speaker) {
  const Verdict verdict = Count(good);
  SpeakVerdict(verdict, speaker);
  return verdict;
}

void MiniGame::Speak(int kind, const Speaker& speaker) {
  const GameSpeechKinds& kinds = info_.speeches;
  if (kind == kinds.win || kind == kinds.loss) {
    if (ToolbarControl* toolbar = Toolbar()) toolbar->SetFlags(kCfDisabled);
  }
  const char* sound = kind == kinds.intro  ? "sp_intro"
                      : kind == kinds.win  ? "sp_win"
                      : kind == kinds.loss ? "sp_loose"
                                           : nullptr;
  if (sound) {
    Say(kind, std::string(info_.soundFolder) + sound, speaker);
    return;
  }
  SetSpeech(kind, true);
  speaker_ = speaker;
  if (kind == kinds.praise) PlayFeedback(FeedbackSet::kPraise, speaker);
  if (kind == kinds.correction) {
    const FeedbackSet set = CorrectionSet(score_.wrong);
    SetSpeechKind(set == FeedbackSet::kSecondCorrection ? kSecondCorrectionSpeech
                                                        : kFirstCorrectionSpeech);
    PlayFeedback(set, speaker);
  }
}

void MiniGame::Say(int kind, const std::string& sound, const Speaker& speaker) {
  SetSpeech(kind, true);
  speaker_ = speaker;
  if (ScriptedAnimationControl* control = speaker.Control()) control->Speak(sound, false);
}

void MiniGame::SetSpeech(int kind, bool speaking) {
  speech_.kind = kind;
  speech_.speaking = speaking;
}

void MiniGame::FollowSpeech(int kind) {
  const GameSpeechKinds& kinds = info_.speeches;
  if (kind != kinds.win && kind != kinds.loss) speech_.speaking = false;
  if (kind == kinds.intro) {
    PoseQuestion();
  } else if (kind == kinds.praise) {
    AfterPraise();
  } else if (kind == kinds.correction) {
    AfterCorrection();
  } else if (kind == kinds.win) {
    AwardSticker();
  } else if (kind == kinds.loss) {
    GoToLesson();
  } else {
    AfterOtherSpeech(kind);
  }
}

void MiniGame::AwardSticker() {
  GameState& state = State();
  state.Profile().stickers[info_.sticker] = 1;
  trace::Sticker(info_.sticker);
  progress::Sticker(info_.sticker);
  WriteUserFile(state.profiles, state.currentProfile);
  state.Profile().newSticker = info_.sticker;
  Engine().ChangeScreen(kScreenAlbum, 0, false);
}

void MiniGame::GoToLesson() {
  Engine().ChangeScreen(info_.lesson, 0, false);
}

}  // namespace rufo
