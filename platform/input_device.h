#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <memory>

namespace rufo::platform {

// One buffered device event: the element it reports (a key code, or a mouse state offset), the
// new value (0x80 bit set for a pressed key or button, a movement for an axis) and its time.
struct DeviceEvent {
  uint32_t offset = 0;
  uint32_t data = 0;
  uint32_t timeMs = 0;
};

// The mouse's immediate state: movement since the last read along x, y and the wheel, and four
// buttons (0x80 while held). 16 bytes, laid out like the standard mouse data format.
struct MouseState {
  int32_t x = 0;
  int32_t y = 0;
  int32_t z = 0;
  uint8_t buttons[4] = {};
};
static_assert(sizeof(MouseState) == 16);

// Offsets of the mouse state's elements, as buffered mouse events name them.
inline constexpr uint32_t kMouseOffsetX = 0;
inline constexpr uint32_t kMouseOffsetY = 4;
inline constexpr uint32_t kMouseOffsetZ = 8;
inline constexpr uint32_t kMouseOffsetButton0 = 12;
inline constexpr uint32_t kMouseOffsetButton1 = 13;
inline constexpr uint32_t kMouseOffsetButton2 = 14;
inline constexpr uint32_t kMouseOffsetButton3 = 15;

// A keyboard or mouse in the manner of a buffered input device: events queue up (at most the
// buffer size; later ones are dropped until the queue is read) and the device can be read only
// while it is acquired, which it can be only while the window is in the foreground.
class InputDevice {
 public:
  enum class Kind { kKeyboard, kMouse };

  explicit InputDevice(Kind kind) : kind_(kind) {}

  Kind DeviceKind() const { return kind_; }
  void SetBufferSize(int events) { bufferSize_ = events > 0 ? events : 0; }

  bool Acquire();
  void Unacquire() { acquired_ = false; }
  bool Acquired() const { return acquired_; }

  // Keyboard: 256 bytes indexed by key code. Mouse: a MouseState, whose movement is then reset.
  // False when not acquired or when the size does not match the device.
  bool ReadState(void* out, size_t size);
  // Takes up to *count events; *count becomes the number taken. False when not acquired.
  bool ReadBuffered(DeviceEvent* events, int* count);

  // Fed by the system's event source (or by a test): the device's view of the hardware.
  void SetForeground(bool foreground);
  void PushKey(int keyCode, bool down, uint32_t timeMs);
  void PushMouseMove(int dx, int dy, uint32_t timeMs);
  void PushMouseButton(int button, bool down, uint32_t timeMs);
  void PushWheel(int dz, uint32_t timeMs);

 private:
  void Queue(uint32_t offset, uint32_t data, uint32_t timeMs);

  Kind kind_;
  int bufferSize_ = 0;
  bool foreground_ = true;
  bool acquired_ = false;
  std::deque<DeviceEvent> buffer_;
  std::array<uint8_t, 256> keys_{};
  MouseState mouse_;
};

// The steps of input set-up that can fail, so tests can make each one fail on purpose.
enum class InputStep {
  kCreateSystem,
  kKeyboardCreate,
  kKeyboardFormat,
  kKeyboardCooperativeLevel,
  kKeyboardBufferSize,
  kMouseCreate,
  kMouseFormat,
  kMouseCooperativeLevel,
  kMouseBufferSize,
  kCount,
};

// The input system: the keyboard and the mouse. The SDL one feeds both devices from SDL's event
// stream as the events arrive; the headless one is fed by whoever drives the program.
class InputSystem {
 public:
  InputSystem();
  virtual ~InputSystem() = default;
  InputSystem(const InputSystem&) = delete;
  InputSystem& operator=(const InputSystem&) = delete;

  InputDevice& Keyboard() { return keyboard_; }
  InputDevice& Mouse() { return mouse_; }

  // True when the step succeeds; an injected failure is reported once.
  bool Step(InputStep step);
  void InjectFailure(InputStep step) { failures_[static_cast<int>(step)] = true; }
  void SetForeground(bool foreground);

 private:
  InputDevice keyboard_;
  InputDevice mouse_;
  std::array<bool, static_cast<int>(InputStep::kCount)> failures_{};
};

std::unique_ptr<InputSystem> CreateSdlInputSystem();

// The key code a buffered keyboard reports for a set-1 scan code with 0x100 for extended keys:
// the scan code with 0x80 added for extended keys (Num Lock and Pause are the two exceptions).
int DeviceKeyCode(int scanCodeWithExtended);

}  // namespace rufo::platform
