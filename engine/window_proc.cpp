#include "controls/control.h"
#include "engine/interface.h"
#include "engine/messages.h"

namespace rufo {

namespace wm = platform;

void Interface::PumpWindowMessages() {
  platform::WindowMessage message;
  while (platform_.window->PeekMessage(&message)) {
    if (message.message != 0) WindowProc(message);
  }
}

void Interface::WindowProc(const platform::WindowMessage& message) {
  uint32_t kind = message.message;
  // Clicks on the frame count as clicks in the game area while the window covers the screen.
  if (fullScreen_) {
    if (kind == wm::kWmNcLButtonDown) kind = wm::kWmLButtonDown;
    if (kind == wm::kWmNcLButtonUp) kind = wm::kWmLButtonUp;
    if (kind == wm::kWmNcLButtonDblClk) kind = wm::kWmLButtonDblClk;
  }
  // A button acts where it was pressed or let go: a tap brings its move and its press together,
  // and the cursor must be there before the game hears of the press.
  if (kind >= wm::kWmLButtonDown && kind <= wm::kWmRButtonDblClk) PollCursor();
  switch (kind) {
    case wm::kWmClose:
      quit_ = true;
      break;
    case wm::kWmPaint:
      frameOnScreen_ = false;
      break;
    case wm::kWmActivate: {
      const bool active = (message.wParam & 0xFFFF) != 0;
      const bool minimized = (message.wParam >> 16) != 0;
      bool flag = true;
      if (active != active_) {
        active_ = active;
        CallMessageHook(active ? kMsgActivated : kMsgDeactivated, 0, &flag);
      }
      if (minimized != minimized_) {
        minimized_ = minimized;
        flag = true;
        CallMessageHook(minimized ? kMsgMinimized : kMsgRestored, 0, &flag);
      }
      break;
    }
    case wm::kWmKeyDown:
    case wm::kWmSysKeyDown:
      HandleKeyDown(platform::KeyCodeFromParam(message.lParam));
      break;
    case wm::kWmKeyUp:
    case wm::kWmSysKeyUp: {
      const int code = platform::KeyCodeFromParam(message.lParam);
      keyState_[code] = 0;
      DispatchInput(kMsgKeyUp, code);
      break;
    }
    case wm::kWmChar:
      DispatchInput(kMsgChar, message.wParam);
      break;
    case wm::kWmDeadChar:
      DispatchInput(kMsgDeadChar, message.wParam);
      break;
    case wm::kWmLButtonDown:
      leftDown_ = true;
      DispatchInput(kMsgLeftDown, 0);
      HandleLeftButtonDown();
      break;
    case wm::kWmLButtonUp:
      leftDown_ = false;
      DispatchInput(kMsgLeftUp, 0);
      break;
    case wm::kWmLButtonDblClk:
      leftDown_ = false;
      DispatchInput(kMsgLeftDouble, 0);
      break;
    case wm::kWmRButtonDown:
      rightDown_ = true;
      DispatchInput(kMsgRightDown, 0);
      break;
    case wm::kWmRButtonUp:
      rightDown_ = false;
      DispatchInput(kMsgRightUp, 0);
      break;
    case wm::kWmRButtonDblClk:
      rightDown_ = false;
      DispatchInput(kMsgRightDouble, 0);
      break;
    default:
      break;
  }
}

void Interface::HandleKeyDown(int code) {
  keyState_[code] = 0x80;
  if (code == kKeyF12 && props_.f12Quits) {
    RequestQuit();
  } else if (code == kKeyEnter && (IsKeyDown(kKeyLeftAlt) || IsKeyDown(kKeyRightAlt)) &&
             props_.canFullScreen) {
    SwitchMode();
  } else if (code == kKeyF11 && (IsKeyDown(kKeyLeftControl) || IsKeyDown(kKeyRightControl))) {
    ToggleDebugLines();
  } else if (code == kKeyScrollLock) {
    layoutMode_ = !layoutMode_;
    if (!layoutMode_) CallMessageHook(kMsgLayoutMove, 0, &layoutMode_);
  } else {
    DispatchInput(kMsgKeyDown, code);
  }

  Control* hovered = controls_.Hovered();
  if (!layoutMode_ || !hovered) return;
  int dx = 0, dy = 0;
  switch (code) {
    case kKeyUp:
      dy = -1;
      break;
    case kKeyLeft:
      dx = -1;
      break;
    case kKeyRight:
      dx = 1;
      break;
    case kKeyDown:
      dy = 1;
      break;
    default:
      return;
  }
  const platform::Point at = hovered->Position();
  hovered->SetPosition(at.x + dx, at.y + dy);
  ReportLayoutMove(hovered);
}

void Interface::HandleLeftButtonDown() {
  if (!layoutMode_) return;
  for (int i = controls_.Count() - 1; i >= 0; --i) {
    Control* control = controls_.At(i);
    if (control->MouseInside(control->Rectangle())) {
      controls_.SetHoveredQuietly(control);
      controls_.Move(control->GetId(), 32767);
      return;
    }
  }
}

}  // namespace rufo
