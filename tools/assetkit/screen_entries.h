#pragma once

#include <optional>
#include <string>
#include <vector>

namespace rufo::assetkit {

// An entry of a "screen.dat" as the game reads it: its keyword, name and the file it names
// (for an animation: the folder prefix and name, without ".ani").
struct ScreenEntryName {
  std::string keyword;  // "EMPTY", "BG", "BUTTON", "BITMAP", "ABITMAP" or "ANI"
  std::string name;
  std::string path;
};

// The entries of a screen script's text in file order, following the game's line rules.
std::vector<ScreenEntryName> ReadScreenEntries(const std::string& text);

}  // namespace rufo::assetkit
