#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <vector>

#include "platform/wave_format.h"

namespace rufo::platform {

class SoundBuffer;

// The device's list of buffers and the mix of them into the primary format. Shared by the device
// and its buffers, so either may go first.
class Mixer {
 public:
  explicit Mixer(const WaveFormat& primary) : primary_(primary) {}

  const WaveFormat& Primary() const { return primary_; }
  void Add(SoundBuffer* buffer);
  void Remove(SoundBuffer* buffer);
  // Mixes `frames` frames of every playing buffer into out (interleaved 16-bit samples of the
  // primary format), saturating at the sample range.
  void Mix(int16_t* out, uint32_t frames);
  // Whether any buffer is playing, which is whether the mix can hold anything but silence.
  bool AnyPlaying();
  // Waits until every buffer with the notification handshake has answered its notifications,
  // or the time limit (real time) has passed.
  void WaitForHandshakes(std::chrono::milliseconds limit);
  // Wakes WaitForHandshakes to look again.
  void HandshakeChanged();

 private:
  const WaveFormat primary_;
  std::mutex mutex_;
  std::condition_variable handshake_;
  std::vector<SoundBuffer*> buffers_;
  std::vector<int32_t> accumulator_;
};

}  // namespace rufo::platform
