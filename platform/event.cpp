#include "platform/event.h"

#include <chrono>
#include <condition_variable>
#include <mutex>

namespace rufo::platform {
namespace {

// One lock and one condition for all events: waits on several events at once stay simple, and
// the number of events and waiters in this program is small.
std::mutex& EventMutex() {
  static std::mutex mutex;
  return mutex;
}

std::condition_variable& EventCondition() {
  static std::condition_variable condition;
  return condition;
}

int TakeFirstSignalled(std::span<Event* const> events, bool Event::*flag) {
  for (size_t i = 0; i < events.size(); ++i) {
    if (events[i]->*flag) {
      events[i]->*flag = false;
      return static_cast<int>(i);
    }
  }
  return kWaitTimeout;
}

}  // namespace

void Event::Set() {
  {
    std::lock_guard lock(EventMutex());
    signalled_ = true;
  }
  EventCondition().notify_all();
}

void Event::Reset() {
  std::lock_guard lock(EventMutex());
  signalled_ = false;
}

bool Event::TryWait() {
  std::lock_guard lock(EventMutex());
  bool was = signalled_;
  signalled_ = false;
  return was;
}

int WaitAny(std::span<Event* const> events, uint32_t timeoutMs) {
  std::unique_lock lock(EventMutex());
  auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  for (;;) {
    int index = TakeFirstSignalled(events, &Event::signalled_);
    if (index != kWaitTimeout) return index;
    if (timeoutMs == 0) return kWaitTimeout;
    if (timeoutMs == kInfinite) {
      EventCondition().wait(lock);
    } else if (EventCondition().wait_until(lock, deadline) == std::cv_status::timeout) {
      index = TakeFirstSignalled(events, &Event::signalled_);
      return index;
    }
  }
}

}  // namespace rufo::platform
