#pragma once

#include "game/screen.h"

namespace rufo {

// Shows the background "enter" and asks for the title screen.
class EntryScreen final : public Screen {
 public:
  void Build() override;
};

// Sets up the game state, then waits 500 ticks or one click before the Start screen.
class TitleScreen final : public Screen {
 public:
  void Build() override;
  void OnMessage(const Input& input, bool* unconsumed) override;
  void OnTick() override;

 private:
  bool timerOn_ = false;
  int timer_ = 0;
};

// The child who filled the album, then the end question.
class EndScreen final : public Screen {
 public:
  void Build() override;
  void OnControlEvent(Control* control, int32_t event, bool live) override;
};

// Ends the program on any key or click.
class CreditsScreen final : public Screen {
 public:
  void Build() override;
  void OnMessage(const Input& input, bool* unconsumed) override;
};

}  // namespace rufo
