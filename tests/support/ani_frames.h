#pragma once

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "controls/ani_file.h"

namespace rufo::test {

// An animation as the game's reader decodes it: the header and every frame in 5-6-5 pixels, row
// after row from the top.
struct DecodedAni {
  AniHeader header;
  std::vector<std::vector<uint16_t>> frames;
};

// Decodes every frame of an ".ani" file (taking the file). Nothing when it does not open, a frame
// record cannot be read or a frame's data ends before its last pixel.
std::optional<DecodedAni> DecodeAniFile(std::FILE* file);
std::optional<DecodedAni> DecodeAniBytes(std::string bytes);

}  // namespace rufo::test
