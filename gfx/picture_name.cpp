#include "gfx/picture_name.h"

namespace rufo::gfx {

size_t ExtensionPosition(const std::string& name) {
  const size_t dot = name.rfind('.');
  if (dot == std::string::npos || name.find('\\', dot) != std::string::npos) return name.size();
  return dot;
}

std::vector<PictureAttempt> PictureAttempts(const std::string& name, int selector, bool fallback) {
  const size_t extension = ExtensionPosition(name);
  const std::string stem = name.substr(0, extension);
  const bool pngFirst = name.compare(extension, std::string::npos, ".png") == 0;
  const PictureFormat order[2] = {pngFirst ? PictureFormat::kPng : PictureFormat::kBmp,
                                  pngFirst ? PictureFormat::kBmp : PictureFormat::kPng};
  std::vector<int> selectors{selector};
  if (fallback && (selector == 0 || selector == 1)) selectors.push_back(1 - selector);

  std::vector<PictureAttempt> attempts;
  for (int root : selectors) {
    for (PictureFormat format : order) {
      attempts.push_back({format, stem + (format == PictureFormat::kPng ? ".png" : ".bmp"), root});
    }
  }
  return attempts;
}

}  // namespace rufo::gfx
