#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace rufo::platform {

// The millisecond tick counter and sleep the engine runs on.
class Clock {
 public:
  virtual ~Clock() = default;
  // Milliseconds since an arbitrary start; wraps at 2^32 like a system tick counter.
  virtual uint32_t NowMs() = 0;
  virtual void SleepMs(uint32_t ms) = 0;
};

// Wall-clock time from a monotonic source.
class RealClock final : public Clock {
 public:
  RealClock();
  uint32_t NowMs() override;
  void SleepMs(uint32_t ms) override;

 private:
  int64_t originNs_;
};

// Time that moves only when somebody sleeps or advances it, so headless runs are exact and fast.
// Observers see every advance (the headless sound device mixes the time that passed).
class VirtualClock final : public Clock {
 public:
  using Observer = std::function<void(uint32_t fromMs, uint32_t toMs)>;

  explicit VirtualClock(uint32_t startMs = 0) : nowMs_(startMs) {}
  uint32_t NowMs() override { return nowMs_; }
  void SleepMs(uint32_t ms) override { Advance(ms); }
  void Advance(uint32_t ms);
  // Returns a handle for RemoveObserver.
  int AddObserver(Observer observer);
  void RemoveObserver(int handle);

 private:
  uint32_t nowMs_;
  int nextHandle_ = 1;
  std::vector<std::pair<int, Observer>> observers_;
};

}  // namespace rufo::platform
