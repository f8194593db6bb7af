#pragma once

#include "game/mini_game.h"

namespace rufo {

class ScriptedAnimationControl;

// NUM: a ladybird climbs out of its flower and flies up showing its dots; the child clicks how
// many while it is still in the air. A right answer makes it glow and fly home; a wrong one
// makes it tumble down at the next of its fall points and crawl back; one left unanswered lands
// on its own, RUFO calls after it, and it crawls back. Each time another ladybird comes, never
// with the same dots twice in a row.
class LadybirdDots final : public MiniGame {
 public:
  static constexpr int kMaxDots = 9;
  static constexpr int kLandedSpeech = 12;

  LadybirdDots() : MiniGame(kScreenLadybirdDots) {}

  // The dots of the ladybird now out (0 before the first).
  int Dots() const { return dots_; }
  bool FallPending() const { return fallPending_; }
  bool Landing() const { return landing_; }
  bool Returning() const { return returning_; }

 private:
  void PoseQuestion() override { NewLadybird(); }
  // The ladybird flies home at the same time; the next one comes when it is there.
  void AfterPraise() override {}
  void OnSpeechEnded(int kind) override;
  void OnGameEvent(Control* control, int32_t event, bool live) override;
  void OnGameMessage(const Input& input, bool* unconsumed) override;
  void OnTick() override;

  void NewLadybird();
  // The next ladybird, once RUFO has finished speaking: clicks during a speech are not taken,
  // so a flight that began under one would lose its first seconds.
  void NextLadybird();
  void TakenOff();
  void FlownUp();
  void Landed();
  void Returned();
  void FlownHome();
  void AnswerDots(int number);
  // The ladybird with the dots now out ("B%d") and its landing or fall ("B%d_B").
  ScriptedAnimationControl* Flying() const;
  ScriptedAnimationControl* Fall() const;
  bool EventOf(const Control* control, int32_t event, const char* pattern) const;

  int dots_ = 0;
  bool landing_ = false;
  bool returning_ = false;
  bool lastGood_ = false;
  bool winning_ = false;
  bool fallPending_ = false;
  bool lossPending_ = false;
  bool nextAfterSpeech_ = false;
  // The sticker follows when both the win speech and the flight home are over.
  bool winSaid_ = false;
  bool homeAfterWin_ = false;
};

}  // namespace rufo
