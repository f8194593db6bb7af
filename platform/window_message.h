#pragma once

#include <cstdint>

namespace rufo::platform {

// A window message in the shape the engine's window procedure expects.
struct WindowMessage {
  uint32_t message = 0;
  uint32_t wParam = 0;
  int32_t lParam = 0;
};

inline constexpr uint32_t kWmDestroy = 0x0002;
inline constexpr uint32_t kWmMove = 0x0003;
inline constexpr uint32_t kWmActivate = 0x0006;
inline constexpr uint32_t kWmPaint = 0x000F;
inline constexpr uint32_t kWmClose = 0x0010;
inline constexpr uint32_t kWmNcLButtonDown = 0x00A1;
inline constexpr uint32_t kWmNcLButtonUp = 0x00A2;
inline constexpr uint32_t kWmNcLButtonDblClk = 0x00A3;
inline constexpr uint32_t kWmKeyDown = 0x0100;
inline constexpr uint32_t kWmKeyUp = 0x0101;
inline constexpr uint32_t kWmChar = 0x0102;
inline constexpr uint32_t kWmDeadChar = 0x0103;
inline constexpr uint32_t kWmSysKeyDown = 0x0104;
inline constexpr uint32_t kWmSysKeyUp = 0x0105;
inline constexpr uint32_t kWmSysCommand = 0x0112;
inline constexpr uint32_t kWmMouseMove = 0x0200;
inline constexpr uint32_t kWmLButtonDown = 0x0201;
inline constexpr uint32_t kWmLButtonUp = 0x0202;
inline constexpr uint32_t kWmLButtonDblClk = 0x0203;
inline constexpr uint32_t kWmRButtonDown = 0x0204;
inline constexpr uint32_t kWmRButtonUp = 0x0205;
inline constexpr uint32_t kWmRButtonDblClk = 0x0206;

// WM_ACTIVATE's word parameter: low word active state, high word minimized.
inline constexpr uint32_t kWaInactive = 0;
inline constexpr uint32_t kWaActive = 1;
inline constexpr uint32_t MakeActivateParam(bool active, bool minimized) {
  return (active ? kWaActive : kWaInactive) | (minimized ? 0x10000u : 0u);
}

// Key messages carry the scan code and the extended-key bit in bits 16 to 24 of lParam.
inline constexpr int32_t MakeKeyParam(int scanCodeWithExtended, bool repeat) {
  return static_cast<int32_t>(1u | (static_cast<uint32_t>(scanCodeWithExtended & 0x1FF) << 16) |
                              (repeat ? 1u << 30 : 0u));
}
inline constexpr int KeyCodeFromParam(int32_t lParam) {
  return static_cast<int>((static_cast<uint32_t>(lParam) >> 16) & 0x1FF);
}

}  // namespace rufo::platform
