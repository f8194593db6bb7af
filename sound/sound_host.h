#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

#include "platform/event.h"
#include "platform/sound_device.h"

namespace rufo {

// What sound objects need from the program that plays them: the device, their files, the
// sample size of decoded sound, a waitable for each end event, and a log line when a sound
// cannot be opened. The engine implements it and installs itself while it runs.
class SoundHost {
 public:
  virtual ~SoundHost() = default;
  // The sound device, or nullptr when sound is off.
  virtual platform::SoundDevice* Device() = 0;
  // Opens a sound file by its name relative to the data root, for reading in binary.
  virtual std::FILE* OpenSoundFile(const std::string& name) = 0;
  // The bits per sample that compressed sound decodes to (8 or 16).
  virtual uint16_t DecodedSampleBits() const = 0;
  // Each signal of a registered event reaches the game as one message with the user data.
  virtual bool RegisterWaitable(platform::Event* event, intptr_t userData) = 0;
  virtual bool UnregisterWaitable(platform::Event* event) = 0;
  virtual void Log(const std::string& text) = 0;
  // True where the program has no threads to spare (the browser): sound objects then stream
  // without a thread of their own, refilled by RefillLoopStreams from the program's loop.
  virtual bool StreamsFromLoop() const { return false; }
};

// The installed host; nullptr when none is.
SoundHost* CurrentSoundHost();
void SetSoundHost(SoundHost* host);

}  // namespace rufo
