#include "platform/input_device.h"

#include <cstring>

namespace rufo::platform {

bool InputDevice::Acquire() {
  acquired_ = foreground_;
  return acquired_;
}

bool InputDevice::ReadState(void* out, size_t size) {
  if (!acquired_) return false;
  if (kind_ == Kind::kKeyboard) {
    if (size != keys_.size()) return false;
    std::memcpy(out, keys_.data(), keys_.size());
    return true;
  }
  if (size != sizeof(MouseState)) return false;
  std::memcpy(out, &mouse_, sizeof mouse_);
  mouse_.x = mouse_.y = mouse_.z = 0;
  return true;
}

bool InputDevice::ReadBuffered(DeviceEvent* events, int* count) {
  if (!acquired_) return false;
  int taken = 0;
  while (taken < *count && !buffer_.empty()) {
    events[taken++] = buffer_.front();
    buffer_.pop_front();
  }
  *count = taken;
  return true;
}

void InputDevice::SetForeground(bool foreground) {
  foreground_ = foreground;
  if (!foreground) {
    acquired_ = false;
    buffer_.clear();
    keys_.fill(0);
    std::memset(mouse_.buttons, 0, sizeof mouse_.buttons);
  }
}

void InputDevice::Queue(uint32_t offset, uint32_t data, uint32_t timeMs) {
  if (!acquired_ || static_cast<int>(buffer_.size()) >= bufferSize_) return;
  buffer_.push_back({offset, data, timeMs});
}

void InputDevice::PushKey(int keyCode, bool down, uint32_t timeMs) {
  if (kind_ != Kind::kKeyboard || keyCode <= 0 || keyCode > 255 || !foreground_) return;
  const uint8_t value = down ? 0x80 : 0;
  // Auto-repeat does not reach a buffered keyboard: only changes are reported.
  if (keys_[keyCode] == value) return;
  keys_[keyCode] = value;
  Queue(static_cast<uint32_t>(keyCode), value, timeMs);
}

void InputDevice::PushMouseMove(int dx, int dy, uint32_t timeMs) {
  if (kind_ != Kind::kMouse || !foreground_) return;
  mouse_.x += dx;
  mouse_.y += dy;
  if (dx != 0) Queue(kMouseOffsetX, static_cast<uint32_t>(dx), timeMs);
  if (dy != 0) Queue(kMouseOffsetY, static_cast<uint32_t>(dy), timeMs);
}

void InputDevice::PushMouseButton(int button, bool down, uint32_t timeMs) {
  if (kind_ != Kind::kMouse || button < 0 || button > 3 || !foreground_) return;
  mouse_.buttons[button] = down ? 0x80 : 0;
  Queue(kMouseOffsetButton0 + static_cast<uint32_t>(button), down ? 0x80 : 0, timeMs);
}

void InputDevice::PushWheel(int dz, uint32_t timeMs) {
  if (kind_ != Kind::kMouse || dz == 0 || !foreground_) return;
  mouse_.z += dz;
  Queue(kMouseOffsetZ, static_cast<uint32_t>(dz), timeMs);
}

InputSystem::InputSystem()
    : keyboard_(InputDevice::Kind::kKeyboard), mouse_(InputDevice::Kind::kMouse) {}

bool InputSystem::Step(InputStep step) {
  bool& failure = failures_[static_cast<int>(step)];
  const bool failed = failure;
  failure = false;
  return !failed;
}

void InputSystem::SetForeground(bool foreground) {
  keyboard_.SetForeground(foreground);
  mouse_.SetForeground(foreground);
}

int DeviceKeyCode(int scanCodeWithExtended) {
  switch (scanCodeWithExtended) {
    case 0x145:  // Num Lock arrives as an extended key but has the plain code
      return 0x45;
    case 0x45:  // Pause arrives as a plain key but has the extended code
      return 0xC5;
    default:
      return (scanCodeWithExtended & 0x7F) | (scanCodeWithExtended & 0x100 ? 0x80 : 0);
  }
}

}  // namespace rufo::platform
