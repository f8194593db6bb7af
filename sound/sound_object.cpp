#include "sound/sound_object.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "sound/sound_host.h"

namespace rufo {
namespace {

// "Sounds\x\name" gets ".wav"; a dot before the last backslash is not an extension.
// The loaded sounds that stream from the program's loop; only its one thread touches the list.
std::vector<SoundObject*>& LoopStreams() {
  static std::vector<SoundObject*> streams;
  return streams;
}

std::string WithExtension(const std::string& name) {
  const size_t dot = name.rfind('.');
  if (dot == std::string::npos || name.find('\\', dot) != std::string::npos) return name + ".wav";
  return name;
}

}  // namespace

SoundObject::SoundObject() {
  if (SoundHost* host = CurrentSoundHost()) host->RegisterWaitable(&endEvent_, UserData());
}

SoundObject::~SoundObject() {
  Unload();
  if (SoundHost* host = CurrentSoundHost()) host->UnregisterWaitable(&endEvent_);
}

bool SoundObject::Load(const std::string& name) {
  SoundHost* host = CurrentSoundHost();
  platform::SoundDevice* device = host ? host->Device() : nullptr;
  if (!device) return false;
  Unload();
  reader_ = std::make_unique<WaveReader>();
  if (!reader_->Open(WithExtension(name))) {
    host->Log("Cannot open sound \"" + name + "\"");
    Unload();
    return false;
  }
  const platform::WaveFormat& format = reader_->OutputFormat();
  const uint64_t chunk = uint64_t(format.samplesPerSec) * 3 * format.blockAlign / kChunks;
  if (format.blockAlign != 0 && chunk * kChunks <= UINT32_MAX) {
    chunkSize_ = static_cast<uint32_t>(chunk - chunk % format.blockAlign);
    bufferBytes_ = chunkSize_ * kChunks;
  }
  if (chunkSize_ != 0) buffer_ = device->CreateBuffer(format, bufferBytes_);
  if (!buffer_) {
    Unload();
    return false;
  }
  platform::PositionNotify positions[kChunks + 1];
  for (int i = 0; i < kChunks; ++i)
    positions[i] = {i * chunkSize_ + chunkSize_ - 1, &chunkEvent_};
  positions[kChunks] = {platform::kNotifyOnStop, &endEvent_};
  if (!buffer_->SetNotificationPositions(positions)) {
    Unload();
    return false;
  }
  if (host->StreamsFromLoop()) {
    fromLoop_ = true;
    LoopStreams().push_back(this);
    return true;
  }
  buffer_->EnableNotificationHandshake();
  thread_ = std::thread(&SoundObject::StreamLoop, this);
  return true;
}

void SoundObject::Unload() {
  if (thread_.joinable()) {
    quitEvent_.Set();
    thread_.join();
  }
  if (fromLoop_) {
    std::erase(LoopStreams(), this);
    fromLoop_ = false;
  }
  chunkEvent_.Reset();
  quitEvent_.Reset();
  reader_.reset();
  buffer_.reset();
  chunkSize_ = bufferBytes_ = 0;
}

void SoundObject::Play() {
  if (reader_) PlayRange(0, static_cast<int32_t>(reader_->OutputSize()));
}

void SoundObject::PlayRange(int32_t from, int32_t to) {
  SoundHost* host = CurrentSoundHost();
  if (!host || !host->Device() || !buffer_ || !reader_) return;
  std::lock_guard guard(streamMutex_);
  if (buffer_->IsPlaying()) {
    buffer_->Stop();
    // A restart is not the end of the sound.
    endEvent_.Reset();
  }
  // Notifications of the old playback are void now.
  chunkEvent_.Reset();

  uint8_t *region, *unused;
  uint32_t size, unusedSize;
  if (!buffer_->Lock(0, bufferBytes_, &region, &size, &unused, &unusedSize)) return;
  from = std::max(from, 0);
  reader_->Seek(static_cast<uint32_t>(from));
  if (to == -1) to = static_cast<int32_t>(reader_->OutputSize());
  const uint32_t range = to > from ? static_cast<uint32_t>(to - from) : 0;
  uint32_t count = std::min(range, bufferBytes_);
  if (!reader_->Read(region, &count)) {
    buffer_->Unlock();
    return;
  }
  bytesDelivered_ = count;
  if (count < bufferBytes_) {
    silenceCountdown_ = bufferBytes_ - count;
    FillSilence(region + count, bufferBytes_ - count);
  } else {
    silenceCountdown_ = -1;
  }
  writeCursor_ = 0;
  lastPlayPosition_ = 0;
  buffer_->Unlock();
  bytesToDeliver_ = range;
  buffer_->SetCurrentPosition(0);
  buffer_->Play();
}

void SoundObject::Stop() {
  if (buffer_) buffer_->Stop();
}

bool SoundObject::IsPlaying() const {
  return buffer_ && buffer_->IsPlaying();
}

void SoundObject::StreamLoop() {
  platform::Event* const events[] = {&chunkEvent_, &quitEvent_};
  while (platform::WaitAny(events, platform::kInfinite) == 0) {
    {
      std::lock_guard guard(streamMutex_);
      Refill();
    }
    buffer_->NotificationHandled();
  }
}

void SoundObject::RefillLoopStreams() {
  // A refill that stops a buffer sets only events, so the list cannot change under the walk.
  for (SoundObject* sound : LoopStreams()) {
    if (sound->chunkEvent_.TryWait()) sound->Refill();
  }
}

void SoundObject::Refill() {
  if (!reader_) return;
  const uint32_t position = buffer_->CurrentPosition();
  // A notification that finds the cursor where the last refill left it is stale (it was set
  // before a restart): there is nothing to refill.
  if (position == lastPlayPosition_) return;
  const uint32_t advance = lastPlayPosition_ < position
                               ? position - lastPlayPosition_
                               : bufferBytes_ - lastPlayPosition_ + position;
  lastPlayPosition_ = position;
  if (silenceCountdown_ != -1) silenceCountdown_ += advance;
  if (silenceCountdown_ >= bufferBytes_) {
    buffer_->Stop();
    return;
  }
  uint8_t *region1, *region2;
  uint32_t size1, size2;
  if (!buffer_->Lock(writeCursor_, advance, &region1, &size1, &region2, &size2)) {
    buffer_->Stop();
    return;
  }
  bool readOk = true;
  if (silenceCountdown_ == -1) {
    uint32_t data1 = 0, data2 = 0;
    readOk = FillRegion(region1, size1, &data1);
    if (readOk && data1 < size1) {
      FillSilence(region2, size2);
    } else if (readOk && size2 > 0) {
      readOk = FillRegion(region2, size2, &data2);
    }
    if (readOk && data1 + data2 < advance) silenceCountdown_ = advance - data1 - data2;
  } else {
    FillSilence(region1, size1);
    FillSilence(region2, size2);
  }
  buffer_->Unlock();
  if (!readOk) {
    buffer_->Stop();
    return;
  }
  writeCursor_ = (writeCursor_ + advance) % bufferBytes_;
}

bool SoundObject::FillRegion(uint8_t* region, uint32_t bytes, uint32_t* dataBytes) {
  uint32_t count = std::min(bytes, bytesToDeliver_ - std::min(bytesToDeliver_, bytesDelivered_));
  if (count > 0 && !reader_->Read(region, &count)) return false;
  bytesDelivered_ += count;
  FillSilence(region + count, bytes - count);
  *dataBytes = count;
  return true;
}

void SoundObject::FillSilence(uint8_t* region, uint32_t bytes) const {
  if (bytes == 0) return;
  const bool eightBit = buffer_->Format().bitsPerSample == 8;
  std::memset(region, eightBit ? 0x80 : 0, bytes);
}

}  // namespace rufo
