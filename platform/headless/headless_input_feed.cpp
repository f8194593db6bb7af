#include "platform/input_device.h"
#include "platform/input_feed.h"
#include "platform/window.h"

namespace rufo::platform {
namespace {

constexpr int kLeftAltCode = 0x38;
constexpr int kRightAltCode = 0x138;

}  // namespace

void HeadlessInputFeed::MoveTo(int x, int y, uint32_t timeMs) {
  input_.Mouse().PushMouseMove(x - x_, y - y_, timeMs);
  x_ = x;
  y_ = y;
  window_.SetCursorPosition(x, y);
  window_.PostMessage({kWmMouseMove, 0, 0});
}

void HeadlessInputFeed::Button(int button, bool down, uint32_t timeMs) {
  input_.Mouse().PushMouseButton(button, down, timeMs);
  const uint32_t message =
      button == 0 ? (down ? kWmLButtonDown : kWmLButtonUp) : (down ? kWmRButtonDown : kWmRButtonUp);
  window_.PostMessage({message, 0, 0});
}

void HeadlessInputFeed::DoubleClick(uint32_t timeMs) {
  input_.Mouse().PushMouseButton(0, true, timeMs);
  window_.PostMessage({kWmLButtonDblClk, 0, 0});
}

void HeadlessInputFeed::Wheel(int turn, uint32_t timeMs) {
  input_.Mouse().PushWheel(turn, timeMs);
}

void HeadlessInputFeed::Key(int scanCode, bool down, uint32_t timeMs) {
  const bool isAlt = scanCode == kLeftAltCode || scanCode == kRightAltCode;
  if (isAlt) altHeld_ = down;
  // Keys typed with Alt held, and Alt itself, arrive as system key messages.
  const bool alt = altHeld_ || isAlt;
  input_.Keyboard().PushKey(DeviceKeyCode(scanCode), down, timeMs);
  const uint32_t message =
      down ? (alt ? kWmSysKeyDown : kWmKeyDown) : (alt ? kWmSysKeyUp : kWmKeyUp);
  window_.PostMessage({message, 0, MakeKeyParam(scanCode, false)});
}

}  // namespace rufo::platform
