#pragma once

#include "sound/sound_host.h"

namespace rufo {

class Interface;

// The engine's side of the sound objects: its sound device, data files, sample size, waitables
// and log.
class EngineSoundHost final : public SoundHost {
 public:
  explicit EngineSoundHost(Interface& engine) : engine_(engine) {}

  platform::SoundDevice* Device() override;
  std::FILE* OpenSoundFile(const std::string& name) override;
  uint16_t DecodedSampleBits() const override;
  bool RegisterWaitable(platform::Event* event, intptr_t userData) override;
  bool UnregisterWaitable(platform::Event* event) override;
  void Log(const std::string& text) override;
  bool StreamsFromLoop() const override;

 private:
  Interface& engine_;
};

}  // namespace rufo
