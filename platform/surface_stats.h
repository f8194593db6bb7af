#pragma once

#include <algorithm>
#include <mutex>
#include <vector>

namespace rufo::platform {

class Surface;

// The surfaces a VideoDevice has handed out and not yet seen destroyed.
struct SurfaceStats {
  void Add(Surface* surface) {
    std::lock_guard lock(mutex);
    live.push_back(surface);
  }
  void Remove(Surface* surface) {
    std::lock_guard lock(mutex);
    std::erase(live, surface);
  }
  std::vector<Surface*> Snapshot() {
    std::lock_guard lock(mutex);
    return live;
  }

  std::mutex mutex;
  std::vector<Surface*> live;
};

}  // namespace rufo::platform
