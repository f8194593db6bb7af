#pragma once

#include <cstdio>

#include "platform/rgb_picture.h"

namespace rufo::platform {

// Decodes the Windows BMP at the stream's current position with the backend's decoder. The
// caller has bounded the picture's declared size; the stream stays open. False for anything the
// decoder does not understand.
bool DecodeBmpPixels(std::FILE* file, RgbPicture* out);

}  // namespace rufo::platform
