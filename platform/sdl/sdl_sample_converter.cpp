#include <SDL2/SDL.h>

#include "platform/sample_converter.h"

namespace rufo::platform {
namespace {

class SdlSampleConverter final : public SampleConverter {
 public:
  explicit SdlSampleConverter(SDL_AudioStream* stream) : stream_(stream) {}
  ~SdlSampleConverter() override { SDL_FreeAudioStream(stream_); }

  void Put(const uint8_t* bytes, uint32_t count) override {
    SDL_AudioStreamPut(stream_, bytes, static_cast<int>(count));
  }

  uint32_t Available() const override {
    return static_cast<uint32_t>(SDL_AudioStreamAvailable(stream_));
  }

  uint32_t Take(uint8_t* out, uint32_t count) override {
    const int got = SDL_AudioStreamGet(stream_, out, static_cast<int>(count));
    return got > 0 ? static_cast<uint32_t>(got) : 0;
  }

  void Clear() override { SDL_AudioStreamClear(stream_); }

 private:
  SDL_AudioStream* stream_;
};

}  // namespace

std::unique_ptr<SampleConverter> SampleConverter::Create(const WaveFormat& from,
                                                         const WaveFormat& to) {
  SDL_AudioStream* stream =
      SDL_NewAudioStream(from.bitsPerSample == 8 ? AUDIO_U8 : AUDIO_S16LSB, from.channels,
                         static_cast<int>(from.samplesPerSec), AUDIO_S16SYS, to.channels,
                         static_cast<int>(to.samplesPerSec));
  if (!stream) return nullptr;
  return std::make_unique<SdlSampleConverter>(stream);
}

}  // namespace rufo::platform
