#include "controls/scripted_animation_control.h"

#include <algorithm>
#include <cmath>

#include "controls/control_list.h"
#include "controls/game_state.h"
#include "engine/graphics.h"
#include "engine/interface.h"
#include "engine/messages.h"
#include "engine/trace.h"
#include "sound/sound_object.h"

namespace rufo {
namespace {

bool g_speaking = false;

constexpr uint32_t kCaptionBack = 0xFF0000;  // blue
constexpr uint32_t kCaptionText = 0xFFFFFF;
constexpr int kCaptionGap = 20;

}  // namespace

bool IsSpeaking() {
  return g_speaking;
}

void SetSpeaking(bool speaking) {
  g_speaking = speaking;
}

ScriptedAnimationControl::ScriptedAnimationControl(int32_t id) : AnimationControl(id) {}

ScriptedAnimationControl::~ScriptedAnimationControl() {
  if (sound_ && sound_->IsPlaying()) sound_->Stop();
}

bool ScriptedAnimationControl::LoadScript(const std::string& base) {
  script_.clear();
  std::FILE* file = Engine().OpenDataFile(base + ".dat", "rt", kDataRoot, true);
  if (!file) return false;
  script_ = ReadFrameScript(file);
  std::fclose(file);
  return true;
}

bool ScriptedAnimationControl::LoadSoundFile(const std::string& base) {
  soundName_ = (base + ".wav").substr(0, kNameSize);
  if (!sound_) sound_ = std::make_unique<SoundObject>();
  return sound_->Load(soundName_);
}

bool ScriptedAnimationControl::LoadSound(const std::string& base) {
  soundChosen_ = true;
  // No name: the next speech is silent, rather than looking for a file named ".wav".
  silenceChosen_ = base.empty();
  if (silenceChosen_) {
    sound_.reset();
    soundName_.clear();
    return true;
  }
  return LoadSoundFile(base);
}

void ScriptedAnimationControl::SetCaption(const char* text, const platform::Font* font) {
  caption_ = text ? std::string(text).substr(0, kCaptionSize) : std::string();
  captionFont_ = font;
}

void ScriptedAnimationControl::Speak(const std::string& name, bool loop) {
  std::string base = name.empty() ? path_ : name;
  if (const size_t dot = base.rfind('.'); dot != std::string::npos) base.resize(dot);
  if (!LoadScript(base)) {
    Engine().MessageBox().ShowError(" :o(", "Chyba pri nacitani skriptu " + base);
    return;
  }
  // A sound the game chose with LoadSound plays instead of the script's own; a sound left from
  // an earlier speech does not.
  const bool available =
      !silenceChosen_ && ((soundChosen_ && !soundName_.empty()) || LoadSoundFile(base));
  soundChosen_ = false;
  silenceChosen_ = false;
  if (available && sound_) {
    sound_->Stop();
    sound_->Play();
  }
  ClearFlags(kCfHidden);
  PlaySequence(script_, loop);
  SetSpeaking(true);
  trace::Speak(TraceName(), base);
}

void ScriptedAnimationControl::StopSpeaking() {
  if (sound_) sound_->Stop();
  Stop();
  SetSpeaking(false);
  soundName_.clear();
  NotifyGame(this, kEventAnimationEnd, true);
}

void ScriptedAnimationControl::Halt() {
  if (sound_) sound_->Stop();
  Stop();
  SetSpeaking(false);
  soundName_.clear();
  soundChosen_ = false;
}

void ScriptedAnimationControl::Update() {
  if (!playing_) return;
  const uint32_t elapsed = Engine().Clock().NowMs() - startTime_;
  // The first entry whose end time in whole milliseconds is not before now.
  const auto due = std::find_if(sequence_.begin(), sequence_.end(), [elapsed](const auto& entry) {
    return std::trunc(static_cast<double>(entry.endTime * 1000.0f)) >= elapsed;
  });
  if (looping_ && !soundName_.empty() && sound_ && !sound_->IsPlaying()) sound_->Play();
  if (due == sequence_.end()) {
    if (looping_) {
      // Restart the sequence itself; it is the script when the play came from Speak.
      const std::vector<SequenceEntry> again = sequence_;
      PlaySequence(again, true);
    } else {
      FinishSpeech();
      return;
    }
  } else {
    sequencePosition_ = static_cast<int>(due - sequence_.begin());
    currentFrame_ = due->frame;
  }
  Paint();
}

void ScriptedAnimationControl::FinishSpeech() {
  if (!sequence_.empty()) currentFrame_ = sequence_.back().frame;
  sequence_.clear();
  playing_ = false;
  Paint();
  if (GetFlags() & kCfHideAtEnd) SetFlags(kCfHidden);
  if (sound_) {
    sound_->Stop();
    sound_->Unload();
    soundName_.clear();
  }
  SetSpeaking(false);
  NotifyGame(this, kEventAnimationEnd, true);
}

void ScriptedAnimationControl::HandleInput(int32_t message, intptr_t param, bool* pass) {
  const ControlsGameState& game = GameStateForControls();
  if (IsDisabled() || game.modalDialog) return;
  if (message == kMsgLeftDown && *pass) {
    const bool helpPlaying = game.helpSound && game.helpSound->IsPlaying();
    if (!helpPlaying && IsHovered()) pressed_ = true;
  } else if (message == kMsgLeftUp && *pass && IsHovered() && pressed_) {
    if ((GetFlags() & kCfClickPlays) && !IsSpeaking()) {
      // Speak sets the speaking flag itself, and only when the speech starts.
      ClearFlags(kCfHidden);
      Speak({}, false);
      *pass = false;
    }
    pressed_ = false;
    NotifyGame(this, kEventClicked, true);
  }
  Control::HandleInput(message, param, pass);
}

void ScriptedAnimationControl::Draw() {
  Control::Draw();
  if (caption_.empty() || IsHidden()) return;
  Interface& engine = Engine();
  platform::Surface* back = engine.BackBuffer();
  if (!back) return;
  platform::DeviceContext dc(*back);
  if (!dc.Valid()) return;
  dc.SetBackgroundColor(kCaptionBack);
  dc.SetTextColor(kCaptionText);
  if (captionFont_) dc.SelectFont(captionFont_);
  platform::TextSize size;
  TextExtent(caption_.c_str(), captionFont_, &size);
  int x = position_.x + rect_.right / 2 - size.width / 2;
  int y;
  if (GetFlags() & kCfCaptionBelow) {
    y = position_.y + rect_.bottom + kCaptionGap;
  } else {
    y = std::max(position_.y - kCaptionGap, 0);
    x = std::max(x, 0);
  }
  dc.TextOut(x, y, caption_);
}

}  // namespace rufo
