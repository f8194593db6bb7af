#pragma once

#include <cstdint>
#include <span>

namespace rufo::platform {

// An auto-reset event: Set wakes one waiter, or stays signalled until one wait consumes it.
class Event {
 public:
  Event() = default;
  Event(const Event&) = delete;
  Event& operator=(const Event&) = delete;

  void Set();
  void Reset();
  // Consumes the signal if there is one.
  bool TryWait();

 private:
  friend int WaitAny(std::span<Event* const> events, uint32_t timeoutMs);
  bool signalled_ = false;
};

inline constexpr uint32_t kInfinite = 0xFFFFFFFF;
inline constexpr int kWaitTimeout = -1;

// Waits until one of the events is signalled, consumes that signal and returns its index (the
// lowest signalled index wins). Returns kWaitTimeout when the timeout (real milliseconds) passes.
int WaitAny(std::span<Event* const> events, uint32_t timeoutMs);

}  // namespace rufo::platform
