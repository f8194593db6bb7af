#include "controls/control.h"
#include "engine/interface.h"

namespace rufo {

void Interface::SetGameCallbacks(ScreenLoader loader, ControlEventHandler eventHandler,
                                 TickHandler tick, MessageHook hook) {
  loader_ = loader;
  eventHandler_ = eventHandler;
  tickHandler_ = tick;
  messageHook_ = hook;
}

int Interface::Run() {
  for (;;) {
    if (!Step()) platform_.clock->SleepMs(10);
    if (LoopOver()) return 0;
  }
}

bool Interface::Step() {
  platform::Clock& clock = *platform_.clock;
  const int32_t period = props_.tickMs > 0 ? props_.tickMs : 1;
  if (!loopStarted_) {
    loopStarted_ = true;
    loopStart_ = clock.NowMs();
  }
  PumpInput();
  const uint32_t now = clock.NowMs();
  const auto elapsed = static_cast<int32_t>(now - loopStart_);
  if (elapsed - tickNumber_ * period <= period) return false;
  tickNumber_ = elapsed / period;
  if (minimized_) return true;
  RunTick();
  const uint32_t gameMs = now - loopStart_;
  if (FrameSeen(gameMs)) {
    ComposeFrame();
    if (frameSink_ && primary_) frameSink_(gameMs, *primary_);
  } else {
    KeepFrameState();
  }
  return true;
}

bool Interface::LoopOver() {
  if (options_.runMs && GameTimeMs() >= *options_.runMs) quit_ = true;
  return quit_;
}

bool Interface::FrameSeen(uint32_t gameMs) const {
  if (!platform_.headless) return true;
  return frameSink_ && (!frameWanted_ || frameWanted_(gameMs));
}

uint32_t Interface::GameTimeMs() const {
  return platform_.clock->NowMs() - loopStart_;
}

void Interface::RunTick() {
  if (changePending_) {
    if (++changeCounter_ > 10) {
      changePending_ = false;
      changeCounter_ = 0;
      if (loader_) loader_();
      return;
    }
  }
  if (tickHandler_) tickHandler_();
  for (int i = 0; Control* control = controls_.At(i); ++i)
    control->Update();
}

void Interface::ChangeScreen(int32_t id, int32_t /*reserved*/, bool push) {
  previousScreen_ = CurrentScreen();
  if (push && depth_ >= kScreenStackSize - 1) push = false;
  if (push) ++depth_;
  screenStack_[depth_] = id;
  AwaitScreen();
  suppressInput_ = true;
}

void Interface::AwaitScreen() {
  controls_.ForgetFocusAndHover();
  changePending_ = true;
  SetCursor(FindCursor("WaitArrow"));
}

void Interface::PopScreens(int count) {
  if (count > 0) depth_ -= std::min(count, depth_);
  AwaitScreen();
}

void Interface::PostGameMessage(int32_t message, intptr_t param) {
  if (changePending_) return;
  bool unconsumed = true;
  const int32_t screen = CurrentScreen();
  Control* focused = controls_.Focused();
  if (focused) {
    focused->HandleInput(message, param, &unconsumed);
    if (CurrentScreen() != screen) return;
  }
  // A handler may remove controls, so the walk re-reads the list at every step.
  for (int i = controls_.Count() - 1; i >= 0; --i) {
    Control* control = controls_.At(i);
    if (!control || control == focused) continue;
    control->HandleInput(message, param, &unconsumed);
    if (CurrentScreen() != screen) return;
  }
  CallMessageHook(message, param, &unconsumed);
}

void Interface::CallMessageHook(int32_t message, intptr_t param, bool* unconsumed) {
  if (messageHook_) messageHook_(message, param, unconsumed);
}

void Interface::NotifyGameEvent(Control* control, int32_t event, bool flag) {
  if (eventHandler_) eventHandler_(control, event, flag);
}

}  // namespace rufo
