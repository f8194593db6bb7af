#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "platform/event.h"
#include "platform/sound_device.h"
#include "sound/wave_reader.h"

namespace rufo {

// Plays one WAV file at a time through its own 3-second looping buffer. A streaming thread
// refills the part the play cursor has just left at each of 16 position notifications, so a
// sound of any length plays while it is decoded piece by piece. Where the sound host streams
// from the program's loop, there is no thread: the loop calls RefillLoopStreams instead. When the
// buffer stops (end of the sound, Stop, a failed refill) the end event is set; the engine turns it
// into message 258 with this object as the user data.
class SoundObject {
 public:
  static constexpr int kChunks = 16;

  SoundObject();
  virtual ~SoundObject();
  SoundObject(const SoundObject&) = delete;
  SoundObject& operator=(const SoundObject&) = delete;

  // Loads a sound relative to the data root; ".wav" is added to a name without extension.
  // Nothing plays yet.
  bool Load(const std::string& name);
  void Unload();
  // Plays the whole file from the start.
  void Play();
  // Plays output bytes from `from` up to `to` (-1: to the end).
  void PlayRange(int32_t from, int32_t to);
  void Stop();
  bool IsPlaying() const;

  // Notifications that came before the previous refill had finished: the streaming thread fell
  // behind the play cursor.
  uint32_t LateRefills() const { return buffer_ ? buffer_->LateNotifications() : 0; }

  // The end event's user data identifies the object in message 258.
  intptr_t UserData() const { return reinterpret_cast<intptr_t>(this); }

  // Refills every loaded sound without a thread whose play cursor has passed a notification
  // since the last call. Called from the program's one thread.
  static void RefillLoopStreams();

 private:
  void StreamLoop();
  // The streaming thread's answer to a position notification.
  void Refill();
  // Reads up to `bytes` of the range into the region; pads the rest with silence and starts the
  // countdown when the data runs out. False when the reader fails.
  bool FillRegion(uint8_t* region, uint32_t bytes, uint32_t* dataBytes);
  void FillSilence(uint8_t* region, uint32_t bytes) const;

  platform::Event chunkEvent_;
  platform::Event quitEvent_;
  platform::Event endEvent_;
  std::unique_ptr<WaveReader> reader_;
  std::unique_ptr<platform::SoundBuffer> buffer_;
  uint32_t chunkSize_ = 0;
  uint32_t bufferBytes_ = 0;
  std::thread thread_;
  // Loaded without a thread: listed for RefillLoopStreams.
  bool fromLoop_ = false;

  // Held by every refill and by a restart, so the two never touch the reader and the counters
  // at the same time. Unload ends the thread before it frees anything.
  std::mutex streamMutex_;
  // -1 while the file still delivers data; then the bytes of silence counted towards stopping.
  int64_t silenceCountdown_ = -1;
  uint32_t lastPlayPosition_ = 0;
  uint32_t writeCursor_ = 0;
  uint32_t bytesDelivered_ = 0;
  uint32_t bytesToDeliver_ = 0;
};

}  // namespace rufo
