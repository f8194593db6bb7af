#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "gfx/png_reader.h"
#include "tests/support/headless_engine.h"
#include "tests/support/pictures.h"

namespace rufo {
namespace {

// A picture whose text chunk (which nothing reads) has a wrong checksum: libpng warns and goes
// on.
std::string PictureWithDamagedTextChunk(const test::TempFolder& folder) {
  EXPECT_TRUE(test::WritePicture(folder, "good.png", 4, 4, [](int, int) { return 0x336699u; }));
  std::string bytes = folder.Read("good.png");
  const size_t afterHeader = 8 + 8 + 13 + 4;
  bytes.insert(afterHeader, std::string("\0\0\0\4tEXta\0bc\0\0\0\0", 16));
  return folder.Write("damaged.png", bytes).string();
}

TEST(PngMessagesTest, LibpngWarningsGoToTheLogNotToStandardError) {
  test::HeadlessEngine engine;
  engine.Start();
  const std::string path = PictureWithDamagedTextChunk(engine.Folder());
  std::FILE* file = std::fopen(path.c_str(), "rb");
  ASSERT_NE(file, nullptr);
  testing::internal::CaptureStderr();
  int rows = 0;
  {
    gfx::PngReader reader(file);
    ASSERT_TRUE(reader.ReadHeader());
    EXPECT_TRUE(reader.ReadRows([&rows](int, const uint8_t*) { ++rows; }));
  }
  std::fclose(file);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
  EXPECT_EQ(rows, 4) << "the picture itself is whole";
  EXPECT_NE(engine.LogText().find("\nlibpng warning: tEXt: CRC error\n"), std::string::npos)
      << engine.LogText();
}

}  // namespace
}  // namespace rufo
