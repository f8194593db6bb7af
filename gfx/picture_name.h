#pragma once

#include <string>
#include <vector>

namespace rufo::gfx {

enum class PictureFormat { kPng, kBmp };

// One file to try for a picture: its format, the name with that format's extension, and the
// root selector it is looked up under.
struct PictureAttempt {
  PictureFormat format;
  std::string fileName;
  int selector;
};

// The position of a picture name's extension: its last "." unless a "\" follows that dot;
// otherwise the end of the name.
size_t ExtensionPosition(const std::string& name);

// The files tried for a picture name, in order. A name ending exactly in ".png" is tried as PNG
// first, any other as BMP first; each try puts the format's extension in place of the name's.
// With the fallback, data root and runtime root stand in for each other for a second round.
std::vector<PictureAttempt> PictureAttempts(const std::string& name, int selector, bool fallback);

}  // namespace rufo::gfx
