#include "platform/sound_mixer.h"

#include <algorithm>

#include "platform/sound_device.h"

namespace rufo::platform {

void Mixer::Add(SoundBuffer* buffer) {
  std::lock_guard lock(mutex_);
  buffers_.push_back(buffer);
}

void Mixer::Remove(SoundBuffer* buffer) {
  {
    std::lock_guard lock(mutex_);
    std::erase(buffers_, buffer);
  }
  handshake_.notify_all();
}

void Mixer::Mix(int16_t* out, uint32_t frames) {
  std::lock_guard lock(mutex_);
  const size_t samples = size_t(frames) * primary_.channels;
  accumulator_.assign(samples, 0);
  for (SoundBuffer* buffer : buffers_)
    buffer->MixInto(accumulator_, frames, primary_);
  for (size_t i = 0; i < samples; ++i) {
    out[i] = static_cast<int16_t>(std::clamp(accumulator_[i], -32768, 32767));
  }
}

bool Mixer::AnyPlaying() {
  std::lock_guard lock(mutex_);
  return std::any_of(buffers_.begin(), buffers_.end(),
                     [](const SoundBuffer* buffer) { return buffer->IsPlaying(); });
}

void Mixer::WaitForHandshakes(std::chrono::milliseconds limit) {
  std::unique_lock lock(mutex_);
  handshake_.wait_for(lock, limit, [this] {
    return std::none_of(buffers_.begin(), buffers_.end(),
                        [](SoundBuffer* buffer) { return buffer->HandshakeOutstanding(); });
  });
}

void Mixer::HandshakeChanged() {
  { std::lock_guard lock(mutex_); }
  handshake_.notify_all();
}

}  // namespace rufo::platform
