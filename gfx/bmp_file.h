#pragma once

#include <cstdio>

#include "platform/rgb_picture.h"

namespace rufo::platform {

// Decodes a Windows BMP file from the stream's current position. False for anything that is
// not a BMP the decoder understands or whose size lies outside the picture limits. The stream
// stays open.
bool DecodeBmp(std::FILE* file, RgbPicture* out);

}  // namespace rufo::platform
