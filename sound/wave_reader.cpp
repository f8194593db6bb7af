#include "sound/wave_reader.h"

#include <algorithm>
#include <cstring>

#include "sound/sound_host.h"

namespace rufo {
namespace {

using platform::AcmStream;

bool ReadExact(std::FILE* file, void* target, size_t bytes) {
  return std::fread(target, 1, bytes, file) == bytes;
}

bool ReadU16(std::FILE* file, uint16_t* value) {
  uint8_t bytes[2];
  if (!ReadExact(file, bytes, 2)) return false;
  *value = static_cast<uint16_t>(bytes[0] | bytes[1] << 8);
  return true;
}

bool ReadU32(std::FILE* file, uint32_t* value) {
  uint8_t bytes[4];
  if (!ReadExact(file, bytes, 4)) return false;
  *value = uint32_t(bytes[0]) | uint32_t(bytes[1]) << 8 | uint32_t(bytes[2]) << 16 |
           uint32_t(bytes[3]) << 24;
  return true;
}

bool ReadTag(std::FILE* file, const char* tag) {
  char bytes[8];
  const size_t length = std::strlen(tag);
  return ReadExact(file, bytes, length) && std::memcmp(bytes, tag, length) == 0;
}

bool Skip(std::FILE* file, uint32_t bytes) {
  return std::fseek(file, long(bytes), SEEK_CUR) == 0;
}

}  // namespace

WaveReader::~WaveReader() {
  Close();
}

bool WaveReader::Open(const std::string& name) {
  Close();
  SoundHost* host = CurrentSoundHost();
  file_ = host ? host->OpenSoundFile(name) : nullptr;
  if (!file_) return false;
  if (!ReadHeader() || (converting_ && !OpenConversion(host->DecodedSampleBits()))) {
    Close();
    return false;
  }
  return true;
}

bool WaveReader::ReadHeader() {
  sourceFormat_ = {};
  uint32_t unused;
  if (!ReadTag(file_, "RIFF") || !ReadU32(file_, &unused)) return false;
  if (!ReadTag(file_, "WAVEfmt ") || !ReadU32(file_, &unused)) return false;
  platform::WaveFormat& f = sourceFormat_;
  if (!ReadU16(file_, &f.formatTag) || !ReadU16(file_, &f.channels) ||
      !ReadU32(file_, &f.samplesPerSec) || !ReadU32(file_, &f.avgBytesPerSec) ||
      !ReadU16(file_, &f.blockAlign) || !ReadU16(file_, &f.bitsPerSample)) {
    return false;
  }
  converting_ = f.formatTag != platform::kWaveFormatPcm;
  if (converting_) {
    if (!ReadU16(file_, &f.extraSize) || f.extraSize > kMaxExtraBytes) return false;
    if (!ReadExact(file_, extra_.data(), f.extraSize)) return false;
  }
  outputFormat_ = sourceFormat_;

  for (;;) {
    char id[4];
    if (!ReadExact(file_, id, 4)) return false;
    if (std::memcmp(id, "data", 4) == 0) break;
    uint32_t size;
    if (!ReadU32(file_, &size) || !Skip(file_, size)) return false;
  }
  if (!ReadU32(file_, &dataSize_)) return false;
  const long start = std::ftell(file_);
  if (start < 0) return false;
  dataStart_ = static_cast<uint32_t>(start);
  sourcePosition_ = 0;
  return true;
}

bool WaveReader::OpenConversion(uint16_t bits) {
  outputFormat_ = platform::PcmFormat(sourceFormat_.channels, sourceFormat_.samplesPerSec, bits);
  if (outputFormat_.blockAlign == 0) return false;
  stream_ = std::make_unique<AcmStream>();
  if (!stream_->Open(sourceFormat_, std::span(extra_).first(sourceFormat_.extraSize),
                     outputFormat_)) {
    return false;
  }
  outputBufferSize_ = kMaxOutputBuffer - kMaxOutputBuffer % outputFormat_.blockAlign;
  if (!stream_->Size(outputBufferSize_, AcmStream::SizeQuery::kDestination, &sourceBufferSize_)) {
    return false;
  }
  sourceBuffer_.resize(sourceBufferSize_);
  outputBuffer_.resize(outputBufferSize_);
  carryBuffer_.resize(outputBufferSize_);
  carryCount_ = 0;
  header_ = {};
  header_.source = sourceBuffer_.data();
  header_.sourceLength = sourceBufferSize_;
  header_.output = outputBuffer_.data();
  header_.outputLength = outputBufferSize_;
  return stream_->PrepareHeader(&header_);
}

void WaveReader::Close() {
  if (stream_) {
    stream_->UnprepareHeader(&header_);
    stream_.reset();
  }
  header_ = {};
  sourceBuffer_ = {};
  outputBuffer_ = {};
  carryBuffer_ = {};
  sourceBufferSize_ = outputBufferSize_ = carryCount_ = 0;
  if (file_) std::fclose(file_);
  file_ = nullptr;
  converting_ = false;
}

uint32_t WaveReader::OutputSize() const {
  if (!converting_) return dataSize_;
  uint32_t size = 0;
  return stream_ && stream_->Size(dataSize_, AcmStream::SizeQuery::kSource, &size) ? size : 0;
}

void WaveReader::Seek(uint32_t offset) {
  if (!file_) return;
  if (converting_) {
    std::fseek(file_, long(dataStart_), SEEK_SET);
    sourcePosition_ = 0;
    carryCount_ = 0;
    Read(nullptr, &offset);
  } else {
    std::fseek(file_, long(dataStart_) + long(offset), SEEK_SET);
    sourcePosition_ = offset;
  }
}

bool WaveReader::Read(uint8_t* destination, uint32_t* count) {
  if (!file_ || !count) return false;
  if (*count == 0) return true;
  if (!converting_) {
    const uint32_t left = sourcePosition_ < dataSize_ ? dataSize_ - sourcePosition_ : 0;
    const uint32_t wanted = std::min(*count, left);
    size_t got = 0;
    if (destination) {
      got = std::fread(destination, 1, wanted, file_);
    } else if (std::fseek(file_, long(wanted), SEEK_CUR) == 0) {
      got = wanted;
    }
    sourcePosition_ += static_cast<uint32_t>(got);
    *count = static_cast<uint32_t>(got);
    return true;
  }
  uint32_t delivered = 0;
  if (!ReadConverted(destination, *count, &delivered)) {
    *count = 0;
    return false;
  }
  *count = delivered;
  return true;
}

bool WaveReader::ReadConverted(uint8_t* destination, uint32_t count, uint32_t* delivered) {
  for (;;) {
    const uint32_t wanted = count - *delivered;
    if (carryCount_ == 0) {
      uint32_t produced = 0;
      if (!ConvertPiece(destination ? destination + *delivered : nullptr, wanted, &produced)) {
        return false;
      }
      *delivered += produced;
      if (produced == 0 || *delivered == count || sourcePosition_ >= dataSize_) return true;
    } else if (carryCount_ <= wanted) {
      if (destination) std::memcpy(destination + *delivered, carryBuffer_.data(), carryCount_);
      *delivered += carryCount_;
      carryCount_ = 0;
      if (sourcePosition_ >= dataSize_) return true;
    } else {
      if (destination) std::memcpy(destination + *delivered, carryBuffer_.data(), wanted);
      std::memmove(carryBuffer_.data(), carryBuffer_.data() + wanted, carryCount_ - wanted);
      carryCount_ -= wanted;
      *delivered = count;
      return true;
    }
  }
}

// Decodes the next piece of the source; what it yields beyond `wanted` goes to the carry buffer.
bool WaveReader::ConvertPiece(uint8_t* destination, uint32_t wanted, uint32_t* produced) {
  const uint32_t toRead = std::min(sourceBufferSize_, dataSize_ - sourcePosition_);
  const size_t got = std::fread(sourceBuffer_.data(), 1, toRead, file_);
  // Nothing left, or the file ends inside the data.
  if (got == 0 || got < toRead) return false;
  sourcePosition_ += toRead;
  header_.sourceLength = toRead;
  const unsigned flags = sourcePosition_ < dataSize_ ? AcmStream::kBlockAlign : AcmStream::kEnd;
  if (!stream_->Convert(&header_, flags) || !header_.done) return false;
  if (header_.sourceLengthUsed < toRead) {
    const uint32_t unused = toRead - header_.sourceLengthUsed;
    std::fseek(file_, -long(unused), SEEK_CUR);
    sourcePosition_ -= unused;
  }
  uint32_t bytes = header_.outputLengthUsed;
  if (bytes > wanted) {
    carryCount_ = bytes - wanted;
    std::memcpy(carryBuffer_.data(), outputBuffer_.data() + wanted, carryCount_);
    bytes = wanted;
  }
  if (destination) std::memcpy(destination, outputBuffer_.data(), bytes);
  *produced = bytes;
  return true;
}

}  // namespace rufo
