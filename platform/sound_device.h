#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <span>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/wave_format.h"

namespace rufo::platform {

class Event;
class Mixer;
class SampleConverter;

// A position notification: the event is set when the play cursor passes the byte at offset, or,
// with kNotifyOnStop, when the buffer stops playing.
inline constexpr uint32_t kNotifyOnStop = 0xFFFFFFFF;
struct PositionNotify {
  uint32_t offset;
  Event* event;
};

// A looping ring buffer of PCM sound that the device mixes while it plays. The owner writes it
// through Lock and Unlock in the part the play cursor has left; the device reads it from the
// play cursor on. Safe to use from several threads.
class SoundBuffer {
 public:
  SoundBuffer(std::shared_ptr<Mixer> mixer, const WaveFormat& format, uint32_t bytes,
              std::unique_ptr<SampleConverter> converter);
  // Stops mixing at once; no stop notification.
  ~SoundBuffer();
  SoundBuffer(const SoundBuffer&) = delete;
  SoundBuffer& operator=(const SoundBuffer&) = delete;

  const WaveFormat& Format() const { return format_; }
  uint32_t Size() const { return static_cast<uint32_t>(data_.size()); }

  // The bytes from offset on as one region, or two when they wrap past the end. False when the
  // offset or the byte count lies outside the buffer.
  bool Lock(uint32_t offset, uint32_t bytes, uint8_t** region1, uint32_t* size1, uint8_t** region2,
            uint32_t* size2);
  void Unlock();
  // Replaces the notifications; false while playing or for an offset outside the buffer.
  bool SetNotificationPositions(std::span<const PositionNotify> positions);
  void SetCurrentPosition(uint32_t offset);
  // The play cursor: the next byte the device takes.
  uint32_t CurrentPosition() const;
  // Plays in a loop from the play cursor.
  void Play();
  // Stops; if the buffer was playing, the stop notifications are set.
  void Stop();
  bool IsPlaying() const;

  // The owner declares that it answers each position notification with NotificationHandled.
  // The headless device then waits for that answer before it mixes on, so that a refill thread
  // keeps pace with virtual time; the real device counts notifications that came before the
  // previous one was answered.
  void EnableNotificationHandshake();
  void NotificationHandled();
  uint32_t LateNotifications() const;

 private:
  friend class Mixer;
  // Called by the mixer with the mixer's lock held: adds `frames` frames of this buffer, in the
  // primary format, to the accumulator.
  void MixInto(std::span<int32_t> accumulator, uint32_t frames, const WaveFormat& primary);
  // Moves the play cursor on by `bytes` (up to the end of the buffer) through the converter.
  void Feed(uint32_t bytes);
  bool HandshakeOutstanding();

  std::shared_ptr<Mixer> mixer_;
  const WaveFormat format_;
  std::vector<uint8_t> data_;
  std::vector<uint8_t> converted_;

  // Lock order: the mixer's lock first, then this one.
  mutable std::mutex mutex_;
  std::unique_ptr<SampleConverter> converter_;
  uint32_t playCursor_ = 0;
  bool playing_ = false;
  std::vector<PositionNotify> notifications_;
  bool handshake_ = false;
  uint32_t fired_ = 0;
  uint32_t handled_ = 0;
  uint32_t late_ = 0;
};

// The sound device: a primary format that everything is mixed to, and secondary buffers. Each
// playing buffer is converted to the primary format, added with saturation and advanced by what
// the device consumed.
class SoundDevice {
 public:
  virtual ~SoundDevice();
  // Sets the format the device plays (PCM, 2 channels, 16 bits). False when it cannot.
  virtual bool SetPrimaryFormat(const WaveFormat& format) = 0;
  // A buffer of `bytes` bytes in a PCM format (1 or 2 channels, 8 or 16 bits, a whole number of
  // frames); nullptr when the format is not supported or the primary format is not set.
  std::unique_ptr<SoundBuffer> CreateBuffer(const WaveFormat& format, uint32_t bytes);
  // Whether any of its buffers is playing; false before the primary format is set.
  bool Playing() const;

 protected:
  std::shared_ptr<Mixer> mixer_;
};

// The system's sound output through SDL; nullptr when there is no audio device at all.
std::unique_ptr<SoundDevice> OpenSdlSoundDevice();

// A device without sound hardware: mixes as virtual time passes and, when a path is given, writes
// the mix to a WAV file of the primary format.
class HeadlessSoundDevice final : public SoundDevice {
 public:
  HeadlessSoundDevice(VirtualClock& clock, std::string outputPath);
  ~HeadlessSoundDevice() override;

  bool SetPrimaryFormat(const WaveFormat& format) override;

 private:
  void Advance(uint32_t fromMs, uint32_t toMs);

  VirtualClock& clock_;
  std::string outputPath_;
  int observer_ = 0;
  std::unique_ptr<class PcmWavFile> file_;
  std::vector<int16_t> step_;
  uint64_t elapsedMs_ = 0;
  uint64_t mixedFrames_ = 0;
};

}  // namespace rufo::platform
