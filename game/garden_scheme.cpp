#include "game/garden_scheme.h"

#include "controls/scripted_animation_control.h"
#include "controls/toolbar_control.h"
#include "engine/graphics.h"
#include "engine/interface.h"
#include "engine/trace.h"
#include "game/common_controls.h"
#include "game/game_random.h"
#include "game/game_state.h"
#include "game/screen_rules.h"
#include "game/user_file.h"

namespace rufo {
namespace {

constexpr int kFirstCorrectionSpeech = 14;
constexpr int kSecondCorrectionSpeech = 15;

void PlayFeedback(FeedbackSet set, const char* speaker) {
  int number = State().feedback.Pick(set, Random());
  if (auto* control = ScriptedAnimation(speaker ? speaker : "MLUVI")) {
    control->Speak(FeedbackName(set, number), false);
  }
}

}  // namespace

void Praise(const char* speaker) {
  PlayFeedback(FeedbackSet::kPraise, speaker);
}

void Correction(int level, const char* speaker) {
  FeedbackSet set = CorrectionSet(level);
  SetSpeechKind(set == FeedbackSet::kSecondCorrection ? kSecondCorrectionSpeech
                                                      : kFirstCorrectionSpeech);
  PlayFeedback(set, speaker);
}

void AwardSticker(int sticker) {
  GameState& state = State();
  state.Profile().stickers[sticker] = 1;
  trace::Sticker(sticker);
  WriteUserFile(state.profiles, state.currentProfile);
  state.Profile().newSticker = sticker;
  Engine().ChangeScreen(kScreenAlbum, 0, false);
}

void GardenScheme::Enter(ScreenId screen, const std::string& script, const std::string& mask,
                         std::function<void()> poseQuestion) {
  current_ = nullptr;
  for (const GameSpeeches& game : games_) {
    if (game.screen == screen) current_ = &game;
  }
  info_ = FindGame(screen);
  poseQuestion_ = std::move(poseQuestion);
  score_ = {};
  answerAllowed = false;
  speaking_ = false;
  State().screen->Load(script);
  LoadHitMap(mask.c_str());
  if (info_ && State().Profile().HasSticker(info_->sticker)) {
    if (Control* badge = ScriptedControl("S")) badge->ClearFlags(kCfHidden);
  }
  if (current_ && Engine().PreviousScreen() == ((screen & ~0xFF) | 1)) {
    Speak(current_->intro);
  } else if (poseQuestion_) {
    poseQuestion_();
  }
}

SpeechRole GardenScheme::RoleOf(int kind) const {
  if (!current_ || kind < 0) return SpeechRole::kNone;
  if (kind == current_->intro) return SpeechRole::kIntro;
  if (kind == current_->praise) return SpeechRole::kPraise;
  if (kind == current_->correction) return SpeechRole::kCorrection;
  if (kind == current_->win) return SpeechRole::kWin;
  if (kind == current_->loss) return SpeechRole::kLoss;
  return SpeechRole::kOther;
}

void GardenScheme::Speak(int kind, const char* speaker) {
  SpeechRole role = RoleOf(kind);
  if (role == SpeechRole::kWin || role == SpeechRole::kLoss) {
    if (ToolbarControl* toolbar = Toolbar()) toolbar->SetFlags(kCfDisabled);
  }
  kind_ = kind;
  speaking_ = true;
  speaker_ = speaker;
  const char* sound = role == SpeechRole::kIntro  ? "sp_intro"
                      : role == SpeechRole::kWin  ? "sp_win"
                      : role == SpeechRole::kLoss ? "sp_loose"
                                                  : nullptr;
  if (sound) {
    if (auto* control = ScriptedAnimation(speaker ? speaker : "MLUVI")) {
      control->Speak(std::string(current_->folder) + sound, false);
    }
  }
  if (role == SpeechRole::kPraise) Praise(speaker);
  if (role == SpeechRole::kCorrection) Correction(score_.wrong, speaker);
}

Verdict GardenScheme::Judge(bool good) {
  answerAllowed = false;
  if (!current_ || !info_) return good ? Verdict::kPraise : Verdict::kCorrection;
  Verdict verdict = JudgeAnswer(score_, good, *info_, State().Profile().HasSticker(info_->sticker));
  switch (verdict) {
    case Verdict::kPraise:
      Speak(current_->praise, speaker_);
      break;
    case Verdict::kWin:
      Speak(current_->win, speaker_);
      break;
    case Verdict::kCorrection:
      Speak(current_->correction, speaker_);
      break;
    case Verdict::kLoss:
      Speak(current_->loss, speaker_);
      break;
  }
  return verdict;
}

SpeechRole GardenScheme::SpeechEnded() {
  speaking_ = false;
  SpeechRole role = RoleOf(kind_);
  switch (role) {
    case SpeechRole::kIntro:
    case SpeechRole::kPraise:
      if (poseQuestion_) poseQuestion_();
      break;
    case SpeechRole::kWin:
      if (info_) AwardSticker(info_->sticker);
      break;
    case SpeechRole::kLoss:
      if (info_) Engine().ChangeScreen(info_->lesson, 0, false);
      break;
    default:
      break;
  }
  return role;
}

bool GardenScheme::SkipIntro() {
  if (!speaking_ || RoleOf(kind_) != SpeechRole::kIntro) return false;
  if (auto* control = ScriptedAnimation(speaker_ ? speaker_ : "MLUVI")) {
    control->SetFlags(kCfHidden);
    control->StopSpeaking();
  }
  return true;
}

bool GardenScheme::BackAllowed() const {
  SpeechRole role = RoleOf(kind_);
  return !(speaking_ && (role == SpeechRole::kWin || role == SpeechRole::kLoss));
}

}  // namespace rufo
