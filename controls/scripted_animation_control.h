#pragma once

#include <memory>
#include <string>
#include <vector>

#include "controls/animation_control.h"
#include "platform/font.h"

namespace rufo {

class SoundObject;

// Whether a spoken animation is running: set from the start of a speech until it ends or is
// stopped. A click on a click-to-play animation is ignored while it is set.
bool IsSpeaking();
void SetSpeaking(bool speaking);

// An animation that speaks: plays a ".dat" frame script with the ".wav" sound of the same base
// name, shows a caption, can start itself when clicked and hides itself at the end.
class ScriptedAnimationControl : public AnimationControl {
 public:
  static constexpr size_t kCaptionSize = 255;
  static constexpr size_t kNameSize = 255;

  explicit ScriptedAnimationControl(int32_t id);
  ~ScriptedAnimationControl() override;

  // The base Draw, then the caption in a blue box above (or with kCfCaptionBelow below) the
  // control.
  void Draw() override;
  // Advances the sequence by the clock; at its end either restarts it (looping) or finishes
  // the speech and reports code 512.
  void Update() override;
  void HandleInput(int32_t message, intptr_t param, bool* pass) override;

  // Plays the frame script and sound of a base name (an extension is cut off), or of the
  // animation's own path when the name is empty, and shows the control.
  void Speak(const std::string& name, bool loop);
  // Ends a speech at once (the control stays visible) and reports code 512.
  void StopSpeaking();
  // Ends a play at once without reporting its end: the sequence, its sound (a looping one too)
  // and the speaking flag stop together, so that nothing keeps sounding or blocks the clicks.
  void Halt();
  // Reads base + ".dat" as the script; false when the file cannot be opened.
  bool LoadScript(const std::string& base);
  // Chooses base + ".wav" as the sound of the next speech and loads it; an empty base makes the
  // next speech silent.
  bool LoadSound(const std::string& base);
  // A null text clears the caption. The font is not owned.
  void SetCaption(const char* text, const platform::Font* font);

  const std::string& Caption() const { return caption_; }
  const std::vector<SequenceEntry>& Script() const { return script_; }
  SoundObject* Sound() { return sound_.get(); }
  const std::string& SoundName() const { return soundName_; }

 private:
  bool LoadSoundFile(const std::string& base);
  void FinishSpeech();

  std::string caption_;
  std::vector<SequenceEntry> script_;
  std::unique_ptr<SoundObject> sound_;
  std::string soundName_;
  // The sound was chosen through LoadSound for the next speech, not loaded by an earlier one.
  bool soundChosen_ = false;
  bool silenceChosen_ = false;
  bool pressed_ = false;
  const platform::Font* captionFont_ = nullptr;
};

}  // namespace rufo
