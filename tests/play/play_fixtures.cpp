#include "tests/play/play_fixtures.h"

#include <filesystem>

#include "tools/assetkit/png_writer.h"

namespace rufo::play::test {

MaskDrawing::MaskDrawing(const RegionMap& map) : MaskDrawing() {
  for (int y = 0; y < RegionMap::kHeight; ++y) {
    for (int x = 0; x < RegionMap::kWidth; ++x)
      values_[y * RegionMap::kWidth + x] = map.At(x, y);
  }
}

MaskDrawing& MaskDrawing::Fill(const platform::Rect& rect, uint8_t value) {
  for (int y = rect.top; y < rect.bottom; ++y) {
    for (int x = rect.left; x < rect.right; ++x)
      values_[y * RegionMap::kWidth + x] = value;
  }
  return *this;
}

void MaskDrawing::Write(const rufo::test::TempFolder& folder, const std::string& relative) const {
  const std::filesystem::path path = folder.Path() / relative;
  std::filesystem::create_directories(path.parent_path());
  assetkit::WritePng(path.string(),
                     {RegionMap::kWidth, RegionMap::kHeight, assetkit::PngColor::kGrey, values_});
}

void WritePicture(const rufo::test::TempFolder& folder, const std::string& relative, int width,
                  int height) {
  const std::filesystem::path path = folder.Path() / relative;
  std::filesystem::create_directories(path.parent_path());
  assetkit::WritePng(path.string(), {width, height, assetkit::PngColor::kRgb,
                                     std::vector<uint8_t>(size_t(width) * height * 3, 0x40)});
}

}  // namespace rufo::play::test
