#include "platform/clock.h"

#include <chrono>
#include <thread>

namespace rufo::platform {
namespace {

int64_t MonotonicNs() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

}  // namespace

RealClock::RealClock() : originNs_(MonotonicNs()) {}

uint32_t RealClock::NowMs() {
  return static_cast<uint32_t>((MonotonicNs() - originNs_) / 1000000);
}

void RealClock::SleepMs(uint32_t ms) {
  std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

void VirtualClock::Advance(uint32_t ms) {
  uint32_t from = nowMs_;
  nowMs_ += ms;
  // Copy: an observer may add or remove observers while it runs.
  auto observers = observers_;
  for (auto& [handle, observer] : observers)
    observer(from, nowMs_);
}

int VirtualClock::AddObserver(Observer observer) {
  observers_.emplace_back(nextHandle_, std::move(observer));
  return nextHandle_++;
}

void VirtualClock::RemoveObserver(int handle) {
  std::erase_if(observers_, [handle](const auto& entry) { return entry.first == handle; });
}

}  // namespace rufo::platform
