#pragma once

#include <filesystem>
#include <string>

namespace rufo::demogen {

// The sizes of the bitmap icons a desktop looks for.
inline constexpr int kIconSizes[] = {16, 32, 48, 64, 128, 256};

// Writes the program's icon, RUFO's head on a rounded green tile, as an icon theme tree under
// `out`: "hicolor/NxN/apps/NAME.png" for each size and "hicolor/scalable/apps/NAME.svg".
// Throws std::runtime_error when a file cannot be written.
void WriteIcons(const std::filesystem::path& out, const std::string& name);

}  // namespace rufo::demogen
