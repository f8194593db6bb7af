#include "tests/play/play_fixtures.h"

#include <filesystem>
#include <fstream>

#include "tests/support/demo_run.h"
#include "tests/support/process.h"

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

void LinkDemoTree(const std::filesystem::path& to) {
  namespace fs = std::filesystem;
  const fs::path demo = fs::canonical(rufo::test::DemoData());
  fs::create_directories(to);
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(demo)) {
    const fs::path here = to / fs::relative(entry.path(), demo);
    if (entry.is_directory()) {
      fs::create_directories(here);
    } else {
      fs::create_symlink(entry.path(), here);
    }
  }
}

void Replace(const std::filesystem::path& file, const std::string& content) {
  std::filesystem::create_directories(file.parent_path());
  std::filesystem::remove(file);
  std::ofstream(file, std::ios::binary) << content;
}

std::string RunPlayer(const rufo::test::TempFolder& folder, const std::string& arguments,
                      int* exitCode) {
  return rufo::test::RunCommand(
      "TMPDIR=" + folder.Root() + " " + rufo::test::BuiltProgram("rufo-play") + " " + arguments,
      exitCode);
}

}  // namespace rufo::play::test
