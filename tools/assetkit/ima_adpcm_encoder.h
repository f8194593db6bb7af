#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace rufo::assetkit {

// The usual block size for a rate: 256 bytes per channel up to 11025 Hz, doubled per octave.
int DefaultImaBlockAlign(int sampleRate, int channels);

// Encodes 16-bit samples (channels interleaved) as IMA ADPCM blocks of blockAlign bytes, the
// layout of format tag 0x11: per block a four-byte header per channel (the first sample and the
// step index), then groups of four bytes per channel holding eight codes each, low nibble first.
// The last block is cut short after the group that holds the last sample. blockAlign must be
// 4 × channels × (1 + a positive whole number); otherwise the result is empty.
std::vector<uint8_t> EncodeImaAdpcm(std::span<const int16_t> samples, int channels, int blockAlign);

}  // namespace rufo::assetkit
