#include <algorithm>

#include "engine/interface.h"
#include "engine/messages.h"
#include "platform/event.h"

namespace rufo {

bool Interface::RegisterWaitable(platform::Event* event, intptr_t userData) {
  if (!event || waitableCount_ >= kMaxWaitables) return false;
  waitables_[waitableCount_++] = {event, userData};
  return true;
}

bool Interface::UnregisterWaitable(platform::Event* event) {
  const auto end = waitables_.begin() + waitableCount_;
  const auto found = std::find_if(waitables_.begin(), end,
                                  [event](const Waitable& w) { return w.event == event; });
  if (found == end) return false;
  std::move(found + 1, end, found);
  waitables_[--waitableCount_] = {};
  return true;
}

// Turns every signal of a registered event into message 258. The table is read afresh after each
// message, because the receiver may register or unregister events.
void Interface::PumpWaitables() {
  std::array<platform::Event*, kMaxWaitables> events;
  for (;;) {
    for (int i = 0; i < waitableCount_; ++i)
      events[i] = waitables_[i].event;
    const int index = platform::WaitAny(std::span(events.data(), waitableCount_), 0);
    if (index < 0 || index >= waitableCount_) return;
    signalled_ = waitables_[index];
    PostGameMessage(kMsgWaitableSignalled, reinterpret_cast<intptr_t>(&signalled_));
  }
}

}  // namespace rufo
