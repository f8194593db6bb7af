#pragma once

#include <cstdint>

namespace rufo {

// Message codes: every input reaches the controls and the game as one of these, with a 32-bit
// parameter.
enum Message : int32_t {
  kMsgDeviceKeyDown = 1,     // buffered keyboard; parameter: device key code
  kMsgDeviceKeyUp = 2,       // same
  kMsgDeviceLeftDown = 3,    // buffered mouse; parameter: the mouse state record
  kMsgDeviceLeftUp = 4,      // same
  kMsgDeviceLeftDouble = 5,  // a second left press within 333 ms, instead of 3
  kMsgDeviceRightDown = 6,   // same as 3 to 5 for the right button
  kMsgDeviceRightUp = 7,
  kMsgDeviceRightDouble = 8,
  kMsgDeviceMove = 9,  // movement along x or y
  kMsgChar = 11,       // parameter: character code
  kMsgDeadChar = 12,   // parameter: character code
  kMsgKeyDown = 13,    // parameter: scan code + 256 for extended keys
  kMsgKeyUp = 14,      // same
  kMsgLeftDown = 15,
  kMsgLeftUp = 16,
  kMsgLeftDouble = 17,
  kMsgRightDown = 18,
  kMsgRightUp = 19,
  kMsgRightDouble = 20,
  kMsgMouseMoved = 21,          // the mouse moved inside the game area
  kMsgLayoutMove = 22,          // hook only; parameter: id of the moved control, or 0
  kMsgModeSwitched = 257,       // hook only
  kMsgWaitableSignalled = 258,  // parameter: the signalled record
  kMsgMinimized = 260,          // hook only
  kMsgRestored = 261,           // hook only
  kMsgActivated = 262,          // hook only
  kMsgDeactivated = 263,        // hook only
};

// Key codes of key messages 13 and 14 (scan code, 0x100 added for extended keys).
inline constexpr int kKeyEscape = 0x01;
inline constexpr int kKeyTab = 0x0F;
inline constexpr int kKeyEnter = 0x1C;
inline constexpr int kKeyLeftControl = 0x1D;
inline constexpr int kKeyRightControl = 0x11D;
inline constexpr int kKeyLeftShift = 0x2A;
inline constexpr int kKeyRightShift = 0x36;
inline constexpr int kKeyLeftAlt = 0x38;
inline constexpr int kKeyRightAlt = 0x138;
inline constexpr int kKeyScrollLock = 0x46;
inline constexpr int kKeyF11 = 0x57;
inline constexpr int kKeyF12 = 0x58;
inline constexpr int kKeyUp = 0x148;
inline constexpr int kKeyLeft = 0x14B;
inline constexpr int kKeyRight = 0x14D;
inline constexpr int kKeyDown = 0x150;

}  // namespace rufo
