#include <algorithm>

#include "engine/interface.h"
#include "engine/messages.h"
#include "platform/event.h"
#include "sound/sound_object.h"

namespace rufo {

bool Interface::RegisterWaitable(platform::Event* event, intptr_t userData) {
  if (!event) return false;
  waitables_.push_back({event, userData});
  return true;
}

bool Interface::UnregisterWaitable(platform::Event* event) {
  const auto found = std::find_if(waitables_.begin(), waitables_.end(),
                                  [event](const Waitable& w) { return w.event == event; });
  if (found == waitables_.end()) return false;
  waitables_.erase(found);
  return true;
}

// Turns every signal of a registered event into message 258. The table is read afresh after each
// message, because the receiver may register or unregister events.
void Interface::PumpWaitables() {
  if (!platform_.soundThreads) SoundObject::RefillLoopStreams();
  for (;;) {
    waitableEvents_.clear();
    for (const Waitable& waitable : waitables_)
      waitableEvents_.push_back(waitable.event);
    const int index = platform::WaitAny(waitableEvents_, 0);
    if (index < 0 || index >= static_cast<int>(waitables_.size())) return;
    signalled_ = waitables_[index];
    PostGameMessage(kMsgWaitableSignalled, reinterpret_cast<intptr_t>(&signalled_));
  }
}

}  // namespace rufo
