#pragma once

#include <algorithm>
#include <array>
#include <cstdint>

namespace rufo::platform {

// IMA ADPCM: each 4-bit code moves the predicted sample by a step taken from a table, and the
// step index follows the code's magnitude. Shared by the decoder and the tools' encoder, so both
// predict exactly alike.
inline constexpr std::array<int16_t, 89> kImaStepTable = {
    7,     8,     9,     10,    11,    12,    13,    14,    16,    17,    19,   21,    23,
    25,    28,    31,    34,    37,    41,    45,    50,    55,    60,    66,   73,    80,
    88,    97,    107,   118,   130,   143,   157,   173,   190,   209,   230,  253,   279,
    307,   337,   371,   408,   449,   494,   544,   598,   658,   724,   796,  876,   963,
    1060,  1166,  1282,  1411,  1552,  1707,  1878,  2066,  2272,  2499,  2749, 3024,  3327,
    3660,  4026,  4428,  4871,  5358,  5894,  6484,  7132,  7845,  8630,  9493, 10442, 11487,
    12635, 13899, 15289, 16818, 18500, 20350, 22385, 24623, 27086, 29794, 32767};

inline constexpr std::array<int8_t, 16> kImaIndexTable = {-1, -1, -1, -1, 2, 4, 6, 8,
                                                          -1, -1, -1, -1, 2, 4, 6, 8};

inline constexpr int kImaMaxIndex = 88;

// The running state of one channel.
struct ImaChannel {
  int predictor = 0;
  int index = 0;

  // Applies one code and returns the new sample.
  int16_t Expand(uint8_t code) {
    const int step = kImaStepTable[index];
    int diff = step >> 3;
    if (code & 4) diff += step;
    if (code & 2) diff += step >> 1;
    if (code & 1) diff += step >> 2;
    predictor = std::clamp(code & 8 ? predictor - diff : predictor + diff, -32768, 32767);
    index = std::clamp(index + kImaIndexTable[code & 15], 0, kImaMaxIndex);
    return static_cast<int16_t>(predictor);
  }
};

// Samples in one block of blockAlign bytes: the header sample of each channel, then two per byte
// of the data that follows the four-byte channel headers.
inline int ImaSamplesPerBlock(int blockAlign, int channels) {
  if (channels <= 0 || blockAlign < 4 * channels) return 0;
  return (blockAlign - 4 * channels) * 2 / channels + 1;
}

}  // namespace rufo::platform
