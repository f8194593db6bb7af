#include "controls/control.h"
#include "engine/interface.h"
#include "engine/messages.h"
#include "platform/cp1250.h"

namespace rufo {
namespace {

constexpr int kDeviceBufferSize = 16;
constexpr uint32_t kDoubleClickMs = 333;

// A set-up step of the input devices that the engine cannot do without.
void RequireStep(Interface& engine, platform::InputSystem& input, platform::InputStep step,
                 const char* what) {
  if (input.Step(step)) return;
  std::string text = "Chyba při inicializaci Direct input";
  if (*what) text += std::string(" (") + what + ")";
  engine.Fatal(platform::Utf8ToCp1250(text), -1);
}

}  // namespace

void Interface::InitInput() {
  using platform::InputStep;
  platform::InputSystem& input = *platform_.input;
  RequireStep(*this, input, InputStep::kCreateSystem, "");
  RequireStep(*this, input, InputStep::kKeyboardCreate, "KCreateDevice");
  RequireStep(*this, input, InputStep::kKeyboardFormat, "KSetDataFormat");
  RequireStep(*this, input, InputStep::kKeyboardCooperativeLevel, "KSetCooperativeLevel");
  RequireStep(*this, input, InputStep::kKeyboardBufferSize, "KSetProperty");
  input.Keyboard().SetBufferSize(kDeviceBufferSize);
  input.Keyboard().Acquire();
  RequireStep(*this, input, InputStep::kMouseCreate, "MCreateDevice");
  RequireStep(*this, input, InputStep::kMouseFormat, "MSetDataFormat");
  RequireStep(*this, input, InputStep::kMouseCooperativeLevel, "MSetCooperativeLevel");
  RequireStep(*this, input, InputStep::kMouseBufferSize, "MSetProperty");
  input.Mouse().SetBufferSize(kDeviceBufferSize);
  input.Mouse().Acquire();
}

void Interface::LoadInputScript() {
  if (options_.inputScript.empty()) return;
  std::string error;
  if (!inputScript_.Load(options_.inputScript, &error)) Fatal("RUFO_INPUT: " + error, -1);
}

bool Interface::MouseInRect(const platform::Rect& rect, const platform::Point* offset) const {
  // Wide arithmetic: a rectangle and an offset may each reach far from the origin.
  const int64_t dx = offset ? offset->x : 0;
  const int64_t dy = offset ? offset->y : 0;
  return mouseX_ >= rect.left + dx && mouseX_ < rect.right + dx && mouseY_ >= rect.top + dy &&
         mouseY_ < rect.bottom + dy;
}

void Interface::DispatchInput(int32_t message, intptr_t param) {
  if (!layoutMode_ && !suppressInput_) PostGameMessage(message, param);
}

void Interface::PumpInput() {
  if (inputScript_.Loaded() && platform_.inputFeed) {
    std::string error;
    if (!inputScript_.Deliver(GameTimeMs(), *platform_.inputFeed, &error)) {
      Fatal("RUFO_INPUT: " + error, -1);
    }
  }
  PumpWindowMessages();
  PumpWaitables();
  PumpKeyboard();
  PumpMouse();
  PollCursor();
  suppressInput_ = false;
}

void Interface::PumpKeyboard() {
  platform::InputDevice& keyboard = platform_.input->Keyboard();
  uint8_t scratch[256];
  if (!keyboard.ReadState(scratch, sizeof scratch)) {
    if (!keyboard.Acquire()) return;
    keyboard.ReadState(scratch, sizeof scratch);
  }
  platform::DeviceEvent events[kDeviceBufferSize];
  int count = kDeviceBufferSize;
  if (!keyboard.ReadBuffered(events, &count)) return;
  for (int i = 0; i < count; ++i) {
    const int32_t code = (events[i].data & 0x80) ? kMsgDeviceKeyDown : kMsgDeviceKeyUp;
    DispatchInput(code, static_cast<intptr_t>(events[i].offset));
  }
}

void Interface::PumpMouse() {
  platform::InputDevice& mouse = platform_.input->Mouse();
  if (!mouse.ReadState(&mouseState_, sizeof mouseState_)) {
    if (!mouse.Acquire()) return;
    mouse.ReadState(&mouseState_, sizeof mouseState_);
  }
  platform::DeviceEvent events[kDeviceBufferSize];
  int count = kDeviceBufferSize;
  if (!mouse.ReadBuffered(events, &count)) return;
  for (int i = 0; i < count; ++i) {
    const bool pressed = events[i].data & 0x80;
    int32_t code;
    switch (events[i].offset) {
      case platform::kMouseOffsetX:
      case platform::kMouseOffsetY:
        code = kMsgDeviceMove;
        break;
      case platform::kMouseOffsetButton0:
        code = pressed ? kMsgDeviceLeftDown : kMsgDeviceLeftUp;
        break;
      case platform::kMouseOffsetButton1:
        code = pressed ? kMsgDeviceRightDown : kMsgDeviceRightUp;
        break;
      default:
        continue;
    }
    const uint32_t now = platform_.clock->NowMs();
    if (code == kMsgDeviceLeftDown || code == kMsgDeviceRightDown) {
      uint32_t& last = code == kMsgDeviceLeftDown ? lastLeftPress_ : lastRightPress_;
      if (now - last <= kDoubleClickMs) {
        code = code == kMsgDeviceLeftDown ? kMsgDeviceLeftDouble : kMsgDeviceRightDouble;
        last = 0;
      } else {
        last = now;
      }
    }
    DispatchInput(code, reinterpret_cast<intptr_t>(&mouseState_));
  }
}

void Interface::PollCursor() {
  platform::Point p;
  const bool known = platform_.window->CursorPosition(&p.x, &p.y);
  if (known && p.x == mouseX_ && p.y == mouseY_) return;
  const bool inside = known && p.x >= 0 && p.x < props_.width && p.y >= 0 && p.y < props_.height;
  if (!inside) {
    if (ownCursor_) {
      platform_.window->ShowSystemCursor(true);
      ownCursor_ = false;
    }
    return;
  }
  if (!ownCursor_) {
    platform_.window->ShowSystemCursor(false);
    ownCursor_ = true;
  }
  Control* hovered = controls_.Hovered();
  if (layoutMode_ && hovered && leftDown_ && hovered->MouseInside(hovered->Rectangle())) {
    const platform::Point at = hovered->Position();
    hovered->SetPosition(at.x + p.x - mouseX_, at.y + p.y - mouseY_);
    ReportLayoutMove(hovered);
  }
  mouseX_ = p.x;
  mouseY_ = p.y;
  DispatchInput(kMsgMouseMoved, 0);
}

void Interface::ReportLayoutMove(Control* control) {
  bool unconsumed = true;
  CallMessageHook(kMsgLayoutMove, control->GetId(), &unconsumed);
}

}  // namespace rufo
