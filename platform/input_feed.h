#pragma once

#include <cstdint>

namespace rufo::platform {

class HeadlessWindow;
class InputSystem;

// Input handed to the program from outside rather than taken from the system's event stream:
// what drives a headless run. Each action reaches the program as real input does, as window
// messages and as buffered device events stamped with the given time.
class InputFeed {
 public:
  virtual ~InputFeed() = default;

  // The pointer goes to that game-area pixel; the mouse reports the way from where it was.
  virtual void MoveTo(int x, int y, uint32_t timeMs) = 0;
  // Button 0 is the left, 1 the right.
  virtual void Button(int button, bool down, uint32_t timeMs) = 0;
  // The second press of a left double click.
  virtual void DoubleClick(uint32_t timeMs) = 0;
  virtual void Wheel(int turn, uint32_t timeMs) = 0;
  // A set-1 scan code, with 0x100 for extended keys.
  virtual void Key(int scanCode, bool down, uint32_t timeMs) = 0;
};

// Feeds the headless window and the input devices. Both must outlive the feed.
class HeadlessInputFeed final : public InputFeed {
 public:
  HeadlessInputFeed(HeadlessWindow& window, InputSystem& input) : window_(window), input_(input) {}

  void MoveTo(int x, int y, uint32_t timeMs) override;
  void Button(int button, bool down, uint32_t timeMs) override;
  void DoubleClick(uint32_t timeMs) override;
  void Wheel(int turn, uint32_t timeMs) override;
  void Key(int scanCode, bool down, uint32_t timeMs) override;

 private:
  HeadlessWindow& window_;
  InputSystem& input_;
  int x_ = 0;
  int y_ = 0;
  bool altHeld_ = false;
};

}  // namespace rufo::platform
