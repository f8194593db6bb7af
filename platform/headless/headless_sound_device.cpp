#include <chrono>

#include "platform/headless/pcm_wav_file.h"
#include "platform/sound_device.h"
#include "platform/sound_mixer.h"

namespace rufo::platform {
namespace {

// Mixing goes in steps of at most this much sound, so that refills answer each notification
// before the play cursor moves far on.
constexpr uint32_t kStepMs = 10;
// How long a step waits for a refill thread (real time) before it plays on regardless. The mix
// depends on every refill being in place, so only a hung thread may run into this, never a slow
// one on a busy machine.
constexpr std::chrono::milliseconds kHandshakeLimit{60000};

}  // namespace

HeadlessSoundDevice::HeadlessSoundDevice(VirtualClock& clock, std::string outputPath)
    : clock_(clock), outputPath_(std::move(outputPath)) {}

HeadlessSoundDevice::~HeadlessSoundDevice() {
  if (observer_) clock_.RemoveObserver(observer_);
}

bool HeadlessSoundDevice::SetPrimaryFormat(const WaveFormat& format) {
  if (mixer_ || format.formatTag != kWaveFormatPcm || format.channels != 2 ||
      format.bitsPerSample != 16 || format.samplesPerSec < 1000) {
    return false;
  }
  mixer_ = std::make_shared<Mixer>(format);
  if (!outputPath_.empty()) {
    file_ = std::make_unique<PcmWavFile>();
    if (!file_->Open(outputPath_, format)) file_.reset();
  }
  observer_ = clock_.AddObserver([this](uint32_t from, uint32_t to) { Advance(from, to); });
  return true;
}

void HeadlessSoundDevice::Advance(uint32_t fromMs, uint32_t toMs) {
  elapsedMs_ += static_cast<uint32_t>(toMs - fromMs);
  const WaveFormat& primary = mixer_->Primary();
  const uint64_t target = elapsedMs_ * primary.samplesPerSec / 1000;
  const uint64_t stepFrames = uint64_t(primary.samplesPerSec) * kStepMs / 1000;
  while (mixedFrames_ < target) {
    const auto frames = static_cast<uint32_t>(std::min(stepFrames, target - mixedFrames_));
    step_.resize(size_t(frames) * primary.channels);
    mixer_->Mix(step_.data(), frames);
    if (file_) file_->Append(step_);
    mixedFrames_ += frames;
    mixer_->WaitForHandshakes(kHandshakeLimit);
  }
}

}  // namespace rufo::platform
