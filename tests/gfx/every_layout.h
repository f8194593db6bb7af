#pragma once

#include "platform/pixel_format.h"

namespace rufo::test {

// Every pixel layout a surface can have.
constexpr platform::PixelLayout kEveryLayout[] = {
    platform::PixelLayout::kRgb565, platform::PixelLayout::kRgb555, platform::PixelLayout::kBgr24,
    platform::PixelLayout::kRgb24,  platform::PixelLayout::kBgrx32, platform::PixelLayout::kRgbx32};

}  // namespace rufo::test
