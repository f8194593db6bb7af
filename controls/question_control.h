#pragma once

#include <array>
#include <memory>
#include <string>

#include "controls/control.h"

namespace rufo {

class SoundObject;

// The yes/no speech bubble: a bubble picture with up to two animated answers. Pointing at an
// answer animates it and speaks its word; clicking it plays its closing sound and, when that
// ends (or at once without one), reports code 256 with the choice readable through GetResult.
class QuestionControl : public Control {
 public:
  static constexpr int kMaxAnswers = 2;
  static constexpr size_t kPathChars = 263;
  static constexpr size_t kNameChars = 260;

  explicit QuestionControl(int32_t id);
  ~QuestionControl() override;

  // Loads the bubble (flags & 3 selects the root, falling back to the other main root) and
  // sizes the control to it; the control is always transparent. False without the picture.
  bool Init(int x, int y, const char* path, uint32_t flags);
  // Adds the next answer: a strip of `frames` frames drawn at (x, y) of the bubble, its hot
  // area at (hotX, hotY) from there. False for a third answer, fewer than one frame or a
  // missing strip.
  bool AddAnswer(int x, int y, const char* path, int frames, float seconds, const char* hoverSound,
                 const char* closingSound, int hotX, int hotY, int hotWidth, int hotHeight);
  // The chosen answer while its code 256 is being reported, else -1.
  int GetResult() const { return result_; }
  int AnswerCount() const { return answerCount_; }
  // The answer under the mouse, or -1.
  int ActiveAnswer() const { return active_; }
  // The sound that speaks an answer's word.
  const SoundObject* HoverSound(int answer) const { return answers_[answer].hoverSound.get(); }

  void Paint() override;
  bool Restore() override;
  void Update() override;
  void HandleInput(int32_t message, intptr_t param, bool* pass) override;

 private:
  struct Answer {
    std::unique_ptr<platform::Surface> strip;
    platform::Rect rect;  // where it is drawn, in bubble coordinates
    platform::Rect hot;   // where it reacts to the mouse, in bubble coordinates
    std::string path;
    std::string hoverSoundName;
    std::string closingSoundName;
    int frames = 0;
    float frameMs = 0;
    std::unique_ptr<SoundObject> hoverSound;
    std::unique_ptr<SoundObject> closingSound;
  };

  // The first answer whose hot area holds the mouse, or -1.
  int AnswerUnderMouse() const;
  void Point();
  void Choose();
  void Report();
  void SetCursorNamed(const char* name);

  std::string path_;
  std::unique_ptr<platform::Surface> bubble_;
  std::array<Answer, kMaxAnswers> answers_;
  int answerCount_ = 0;
  int lastSpoken_ = -1;
  int active_ = -1;
  int activeFrame_ = -1;
  uint32_t activeSince_ = 0;
  int result_ = -1;
};

}  // namespace rufo
