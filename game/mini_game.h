#pragma once

#include <cstdint>
#include <cstdlib>
#include <string>

#include "game/feedback.h"
#include "game/game_table.h"

namespace rufo {

class ScriptedAnimationControl;

// Whether a release at (x, y) ends a drag held down since the press at `pressed`, rather than
// the click that picks a thing up to be put down with the next click.
inline bool HeldDragEnds(int pressedX, int pressedY, int x, int y) {
  constexpr int kHeldDragDistance = 10;
  return std::abs(x - pressedX) + std::abs(y - pressedY) >= kHeldDragDistance;
}

// The control that speaks: "MLUVI", the character, unless a game names another.
class Speaker {
 public:
  Speaker() : name_("MLUVI") {}
  Speaker(const char* name) : name_(name) {}  // NOLINT: a plain name reads best at call sites
  // A numbered speaker such as "AM_%d" with 2: "AM_2".
  static Speaker Numbered(const char* pattern, int number);

  const std::string& Name() const { return name_; }
  ScriptedAnimationControl* Control() const;

 private:
  std::string name_;
};

// What a garden's character is saying, shared by the screens of that garden.
struct GardenSpeech {
  int kind = -1;  // the garden's speech started last
  bool speaking = false;
};
// The speech state of the garden a screen belongs to (families 0x200 to 0x700).
GardenSpeech& GardenSpeechOf(ScreenId screen);

// The scheme every mini-game follows: introduction, question, answer, praise or correction,
// and at the threshold the win (the sticker, then the album) or the loss (the lesson). A game
// is a small final class that poses its questions and judges the child's answers; everything
// else happens here.
class MiniGame : public Screen {
 public:
  // The game of that screen in the table of games (throws when there is none).
  explicit MiniGame(ScreenId screen);
  explicit MiniGame(const MiniGameInfo& info);

  const MiniGameInfo& Info() const { return info_; }
  const GameScore& Score() const { return score_; }
  int Kind() const { return speech_.kind; }
  bool Speaking() const { return speech_.speaking; }
  bool AnswerAllowed() const { return answerAllowed_; }
  bool StickerEarned() const;

  // Loads the scene, shows the badge "S" when the sticker is earned, then introduces the game
  // when coming from the main scene or poses a question at once when coming from elsewhere.
  void Build() final;
  // A speech's end (event 512 of its speaker) goes to OnSpeechEnded; other events to
  // OnGameEvent.
  void OnControlEvent(Control* control, int32_t event, bool live) final;
  // A release during the introduction skips it; then OnGameMessage.
  void OnMessage(const Input& input, bool* unconsumed) final;
  // Back to the main scene, except while the win or the loss is spoken.
  void OnBack() final;

 protected:
  // The game's own part.
  virtual void PoseQuestion() = 0;
  // Loads the screen script and hit map of the row; games with formatted names override it.
  virtual void LoadScene();
  // Runs after the scene is loaded, before the introduction or the first question.
  virtual void Prepare() {}
  virtual void Introduce() { Speak(info_.speeches.intro); }
  // Coming back from the album or a lesson.
  virtual void Resume() { PoseQuestion(); }
  // Whether the event is the end of the speech that runs (event 512 of its speaker).
  virtual bool IsSpeechEnd(const Control* control, int32_t event) const;
  // A speech ended: by default FollowSpeech.
  virtual void OnSpeechEnded(int kind) { FollowSpeech(kind); }
  // What follows a praise: by default the next question (some games first close the turn).
  virtual void AfterPraise() { PoseQuestion(); }
  virtual void AfterCorrection() {}
  // A game's own speeches (questions and the like) ended.
  virtual void AfterOtherSpeech(int /*kind*/) {}
  virtual void OnGameEvent(Control* /*control*/, int32_t /*event*/, bool /*live*/) {}
  virtual void OnGameMessage(const Input& /*input*/, bool* /*unconsumed*/) {}

  // A question is posed: the trace names its answer and clicks count from now on.
  void Asked(const std::string& answer);
  void AllowAnswer(bool allowed) { answerAllowed_ = allowed; }
  // A press may answer: it was not consumed, a question is open and nobody speaks.
  bool TakesAnswer(bool unconsumed) const;
  // Counts an answer and says which speech it calls for, without starting it. After a
  // correction the same question stays open (it is taken again once nobody speaks); after the
  // others it is closed until the next one is asked.
  Verdict Count(bool good);
  // Starts the speech of a verdict: praise, correction (level = wrong answers), win or loss.
  void SpeakVerdict(Verdict verdict, const Speaker& speaker = {});
  // Count, then SpeakVerdict.
  Verdict Judge(bool good, const Speaker& speaker = {});
  // The garden's speech starter for the row's kinds: the win and the loss disable the toolbar;
  // the introduction, win and loss play their sounds, the praise and the correction a feedback.
  void Speak(int kind, const Speaker& speaker = {});
  // A speech of the game's own (a question, a name) under a kind of the garden's numbering.
  void Say(int kind, const std::string& sound, const Speaker& speaker = {});
  // Sets the garden speech kind and the speaking flag without starting a speech.
  void SetSpeech(int kind, bool speaking);
  // The usual reaction to the end of a speech: the introduction poses the first question, the
  // praise runs AfterPraise, the correction AfterCorrection, the win awards the sticker and the
  // loss leads to the lesson; any other kind goes to AfterOtherSpeech. Speaking is cleared,
  // except after the win and the loss, which keep the back button blocked until the screen
  // changes.
  void FollowSpeech(int kind);
  void AwardSticker();
  void GoToLesson();
  const Speaker& CurrentSpeaker() const { return speaker_; }

 private:
  const MiniGameInfo& info_;
  GardenSpeech& speech_;
  GameScore score_;
  bool answerAllowed_ = false;
  Speaker speaker_;
};

}  // namespace rufo
