#pragma once

#include <cstdint>
#include <cstdio>
#include <span>
#include <vector>

#include "platform/pixel_format.h"

namespace rufo {

// The header of an ".ani" animation file.
struct AniHeader {
  uint32_t width = 0;
  uint32_t height = 0;
  uint32_t bitsPerPixel = 0;
  uint32_t colorKey = 0;   // GDI colour 0x00BBGGRR of the transparent pixels
  uint32_t runMarker = 0;  // the word that introduces a run (count, pixel)
  uint32_t frameCount = 0;
  float frameSeconds = 0;
};

// An open ".ani" file: the header, the frame offset table and the frames' compressed data, each
// read from the file on first use and kept.
class AniFile {
 public:
  static constexpr size_t kHeaderSize = 32;

  AniFile() = default;
  ~AniFile();
  AniFile(const AniFile&) = delete;
  AniFile& operator=(const AniFile&) = delete;

  // Takes the file and reads its header and offset table. A short header or table, a magic other
  // than "RA10", a pixel size other than 16 or a size no picture of the game may have
  // (platform/picture_limits.h) closes the file and returns false.
  bool Open(std::FILE* file);
  void Close();
  bool IsOpen() const { return file_ != nullptr; }

  const AniHeader& Header() const { return header_; }
  int FrameCount() const { return static_cast<int>(offsets_.size()); }
  // Reads frame i into the cache unless it is there already. False when i is out of range or its
  // record cannot be read (no "AF", or an offset or byte count beyond the end of the file); the
  // frame then stays uncached and the other frames are not affected.
  bool LoadFrame(int index);
  // The compressed words of a cached frame, or nullptr. A last odd byte is dropped.
  const std::vector<uint16_t>* CachedFrame(int index) const;

 private:
  struct Frame {
    bool loaded = false;
    std::vector<uint16_t> words;
  };

  std::FILE* file_ = nullptr;
  long fileSize_ = 0;
  AniHeader header_;
  std::vector<uint32_t> offsets_;
  std::vector<Frame> cache_;
};

// Decodes a frame's run-length words into `height` rows of `width` pixels starting at `pixels`,
// rows `pitch` bytes apart, in the given layout. A run that would cross the end of a row stops
// there; when the data runs out, the rest of the destination keeps what it held.
void DecodeAniFrame(std::span<const uint16_t> words, uint32_t runMarker, int width, int height,
                    uint8_t* pixels, int pitch, platform::PixelLayout layout);

}  // namespace rufo
