#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "tests/support/temp_folder.h"

namespace rufo::test {

// Colour of a picture pixel as 0x00RRGGBB.
using Painter = std::function<uint32_t(int x, int y)>;

// Writes a PNG of the given size, painted pixel by pixel, at a path relative to the folder.
bool WritePicture(const TempFolder& folder, const std::string& relative, int width, int height,
                  const Painter& paint);

// Decodes a PNG into 0x00RRGGBB pixels, row by row; empty when it cannot be read.
std::vector<uint32_t> ReadPicture(const std::string& path, int* width = nullptr);

}  // namespace rufo::test
