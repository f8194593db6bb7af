#include <algorithm>

#include "platform/event.h"
#include "platform/sample_converter.h"
#include "platform/sound_device.h"
#include "platform/sound_mixer.h"

namespace rufo::platform {
namespace {

bool SupportedBufferFormat(const WaveFormat& format, uint32_t bytes) {
  return format.formatTag == kWaveFormatPcm && (format.channels == 1 || format.channels == 2) &&
         (format.bitsPerSample == 8 || format.bitsPerSample == 16) &&
         format.samplesPerSec >= 1000 && format.samplesPerSec <= 192000 &&
         format.blockAlign == format.bitsPerSample / 8 * format.channels && bytes > 0 &&
         bytes % format.blockAlign == 0;
}

}  // namespace

SoundDevice::~SoundDevice() = default;

bool SoundDevice::Playing() const {
  return mixer_ && mixer_->AnyPlaying();
}

std::unique_ptr<SoundBuffer> SoundDevice::CreateBuffer(const WaveFormat& format, uint32_t bytes) {
  if (!mixer_ || !SupportedBufferFormat(format, bytes)) return nullptr;
  std::unique_ptr<SampleConverter> converter = SampleConverter::Create(format, mixer_->Primary());
  if (!converter) return nullptr;
  return std::make_unique<SoundBuffer>(mixer_, format, bytes, std::move(converter));
}

SoundBuffer::SoundBuffer(std::shared_ptr<Mixer> mixer, const WaveFormat& format, uint32_t bytes,
                         std::unique_ptr<SampleConverter> converter)
    : mixer_(std::move(mixer)),
      format_(format),
      data_(bytes, format.bitsPerSample == 8 ? 0x80 : 0),
      converter_(std::move(converter)) {
  mixer_->Add(this);
}

SoundBuffer::~SoundBuffer() {
  mixer_->Remove(this);
}

bool SoundBuffer::Lock(uint32_t offset, uint32_t bytes, uint8_t** region1, uint32_t* size1,
                       uint8_t** region2, uint32_t* size2) {
  if (offset >= Size() || bytes == 0 || bytes > Size()) return false;
  // The lock orders these writes after the mixer's earlier reads of the same bytes.
  std::lock_guard lock(mutex_);
  *size1 = std::min(bytes, Size() - offset);
  *region1 = data_.data() + offset;
  *size2 = bytes - *size1;
  *region2 = *size2 ? data_.data() : nullptr;
  return true;
}

void SoundBuffer::Unlock() {
  // Publishes the written bytes to the mixer, which reads them under the same lock.
  std::lock_guard lock(mutex_);
}

bool SoundBuffer::SetNotificationPositions(std::span<const PositionNotify> positions) {
  std::lock_guard lock(mutex_);
  if (playing_) return false;
  for (const PositionNotify& position : positions) {
    if (!position.event || (position.offset != kNotifyOnStop && position.offset >= Size())) {
      return false;
    }
  }
  notifications_.assign(positions.begin(), positions.end());
  return true;
}

void SoundBuffer::SetCurrentPosition(uint32_t offset) {
  std::lock_guard lock(mutex_);
  playCursor_ = std::min(offset, Size() - 1) / format_.blockAlign * format_.blockAlign;
  converter_->Clear();
}

uint32_t SoundBuffer::CurrentPosition() const {
  std::lock_guard lock(mutex_);
  return playCursor_;
}

void SoundBuffer::Play() {
  std::lock_guard lock(mutex_);
  playing_ = true;
}

void SoundBuffer::Stop() {
  std::lock_guard lock(mutex_);
  if (!playing_) return;
  playing_ = false;
  converter_->Clear();
  for (const PositionNotify& position : notifications_) {
    if (position.offset == kNotifyOnStop) position.event->Set();
  }
}

bool SoundBuffer::IsPlaying() const {
  std::lock_guard lock(mutex_);
  return playing_;
}

void SoundBuffer::EnableNotificationHandshake() {
  std::lock_guard lock(mutex_);
  handshake_ = true;
}

void SoundBuffer::NotificationHandled() {
  {
    std::lock_guard lock(mutex_);
    handled_ = fired_;
  }
  mixer_->HandshakeChanged();
}

uint32_t SoundBuffer::LateNotifications() const {
  std::lock_guard lock(mutex_);
  return late_;
}

bool SoundBuffer::HandshakeOutstanding() {
  std::lock_guard lock(mutex_);
  return handshake_ && handled_ != fired_;
}

void SoundBuffer::MixInto(std::span<int32_t> accumulator, uint32_t frames,
                          const WaveFormat& primary) {
  std::lock_guard lock(mutex_);
  if (!playing_) return;
  const uint32_t outputBytes = frames * primary.blockAlign;
  // The converter holds back a few frames while resampling; feed until it can give them all.
  for (int round = 0; round < 64 && playing_; ++round) {
    const uint32_t available = converter_->Available();
    if (available >= outputBytes) break;
    const uint64_t missing = (outputBytes - available) / primary.blockAlign + 1;
    const uint64_t sourceFrames = missing * format_.samplesPerSec / primary.samplesPerSec + 16;
    Feed(static_cast<uint32_t>(
        std::min<uint64_t>(sourceFrames * format_.blockAlign, Size() - playCursor_)));
  }
  converted_.resize(outputBytes);
  const uint32_t got = converter_->Take(converted_.data(), outputBytes);
  const auto* samples = reinterpret_cast<const int16_t*>(converted_.data());
  for (uint32_t i = 0; i < got / 2; ++i)
    accumulator[i] += samples[i];
}

void SoundBuffer::Feed(uint32_t bytes) {
  converter_->Put(data_.data() + playCursor_, bytes);
  for (const PositionNotify& position : notifications_) {
    if (position.offset != kNotifyOnStop && position.offset >= playCursor_ &&
        position.offset - playCursor_ < bytes) {
      if (handshake_) {
        if (handled_ != fired_) ++late_;
        ++fired_;
      }
      position.event->Set();
    }
  }
  playCursor_ += bytes;
  if (playCursor_ == Size()) playCursor_ = 0;
}

}  // namespace rufo::platform
