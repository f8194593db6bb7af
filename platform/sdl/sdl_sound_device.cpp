#include <SDL2/SDL.h>

#include "platform/sound_device.h"
#include "platform/sound_mixer.h"

namespace rufo::platform {
namespace {

// SDL's audio callback pulls the mix; SDL converts it to whatever the hardware plays.
class SdlSoundDevice final : public SoundDevice {
 public:
  ~SdlSoundDevice() override {
    if (device_) SDL_CloseAudioDevice(device_);
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
  }

  bool SetPrimaryFormat(const WaveFormat& format) override {
    if (device_ || format.formatTag != kWaveFormatPcm || format.channels != 2 ||
        format.bitsPerSample != 16) {
      return false;
    }
    auto mixer = std::make_shared<Mixer>(format);
    SDL_AudioSpec wanted{};
    wanted.freq = static_cast<int>(format.samplesPerSec);
    wanted.format = AUDIO_S16SYS;
    wanted.channels = 2;
    wanted.samples = 1024;
    wanted.callback = [](void* mixer, Uint8* stream, int length) {
      static_cast<Mixer*>(mixer)->Mix(reinterpret_cast<int16_t*>(stream),
                                      static_cast<uint32_t>(length) / 4);
    };
    wanted.userdata = mixer.get();
    SDL_AudioSpec obtained;
    device_ = SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained, 0);
    if (!device_) return false;
    mixer_ = std::move(mixer);
    SDL_PauseAudioDevice(device_, 0);
    return true;
  }

 private:
  SDL_AudioDeviceID device_ = 0;
};

}  // namespace

std::unique_ptr<SoundDevice> OpenSdlSoundDevice() {
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return nullptr;
  return std::make_unique<SdlSoundDevice>();
}

}  // namespace rufo::platform
