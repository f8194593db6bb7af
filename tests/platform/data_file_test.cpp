#include "platform/data_file.h"

#include <gtest/gtest.h>

#include "tests/support/temp_folder.h"

namespace rufo::platform {
namespace {

TEST(DataFileTest, BackslashPathsResolveCaseInsensitivelyWithExactMatchesFirst) {
  test::TempFolder folder;
  folder.Write("Sounds/Garden1/NUM/sp_intro.wav", "mixed");
  folder.Write("sounds/exact.wav", "lower");
  const std::string root = folder.Root();

  EXPECT_EQ(ResolveDataPath(root + "SOUNDS\\garden1\\num\\SP_INTRO.WAV"),
            root + "Sounds/Garden1/NUM/sp_intro.wav");
  EXPECT_EQ(ResolveDataPath(root + "sounds\\exact.wav"), root + "sounds/exact.wav");
  // A name nobody has keeps its spelling, so a file can be created there.
  EXPECT_EQ(ResolveDataPath(root + "sounds\\GARDEN1\\New.wav"), root + "Sounds/Garden1/New.wav");
}

TEST(DataFileTest, ModesKeepOnlyWhatThisSystemUnderstands) {
  test::TempFolder folder;
  std::FILE* file = OpenFile(folder.Root() + "Debug.log", "wtc");
  ASSERT_NE(file, nullptr);
  std::fputs("line\n", file);
  std::fclose(file);
  EXPECT_EQ(folder.Read("Debug.log"), "line\n");
  EXPECT_EQ(OpenFile(folder.Root() + "Debug.log", "tc"), nullptr);
  EXPECT_EQ(OpenFile(folder.Root() + "missing\\file", "rb"), nullptr);
}

}  // namespace
}  // namespace rufo::platform
