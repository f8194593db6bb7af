#include "engine/engine_sound_host.h"

#include "engine/interface.h"

namespace rufo {

platform::SoundDevice* EngineSoundHost::Device() {
  return engine_.Sound();
}

std::FILE* EngineSoundHost::OpenSoundFile(const std::string& name) {
  return engine_.OpenDataFile(name, "rb", kDataRoot, true);
}

uint16_t EngineSoundHost::DecodedSampleBits() const {
  return static_cast<uint16_t>(engine_.Properties().sampleBits);
}

bool EngineSoundHost::RegisterWaitable(platform::Event* event, intptr_t userData) {
  return engine_.RegisterWaitable(event, userData);
}

bool EngineSoundHost::UnregisterWaitable(platform::Event* event) {
  return engine_.UnregisterWaitable(event);
}

bool EngineSoundHost::StreamsFromLoop() const {
  return !engine_.SoundThreads();
}

void EngineSoundHost::Log(const std::string& text) {
  engine_.Log(text);
}

}  // namespace rufo
