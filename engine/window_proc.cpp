#include "engine/interface.h"

namespace rufo {

void Interface::PumpWindowMessages() {
  platform::WindowMessage message;
  while (platform_.window->PeekMessage(&message)) {
    if (message.message != 0) WindowProc(message);
  }
}

void Interface::WindowProc(const platform::WindowMessage& message) {
  switch (message.message) {
    case platform::kWmClose:
      quit_ = true;
      break;
    case platform::kWmActivate: {
      const bool active = (message.wParam & 0xFFFF) != 0;
      const bool minimized = (message.wParam >> 16) != 0;
      bool flag = true;
      if (active != active_) {
        active_ = active;
        CallMessageHook(active ? 262 : 263, 0, &flag);
      }
      if (minimized != minimized_) {
        minimized_ = minimized;
        flag = true;
        CallMessageHook(minimized ? 260 : 261, 0, &flag);
      }
      break;
    }
    default:
      break;
  }
}

}  // namespace rufo
