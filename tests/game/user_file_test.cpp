#include "game/user_file.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "tests/support/headless_engine.h"

namespace rufo {
namespace {

class UserFileTest : public ::testing::Test {
 protected:
  void SetUp() override { engine_.Start(); }

  static ProfileTable Fresh() {
    ProfileTable table;
    table.fill(ProfileRecord::Empty());
    return table;
  }

  std::string FileBytes() const { return engine_.Folder().Read("runtime/rufo_usr.dat"); }

  test::HeadlessEngine engine_;
};

TEST_F(UserFileTest, RecordsRoundTripByteForByteAndUnchosenSlotsAreStoredEmpty) {
  ProfileTable table = Fresh();
  ProfileRecord& child = table[2];
  std::snprintf(child.name.data(), child.name.size(), "Ema");
  child.face = 5;
  child.stickers[0] = child.stickers[13] = 1;
  child.newSticker = 13;
  child.deletePhase = 1;
  child.inUse = 1;
  table[1].face = 3;  // picked but never confirmed: lost at the write
  ASSERT_TRUE(WriteUserFile(table, 2));

  const std::string bytes = FileBytes();
  ASSERT_EQ(bytes.size(), 224u);
  const char* record = bytes.data() + 2 * 56;
  EXPECT_STREQ(record, "Ema");
  EXPECT_EQ(record[28], 5);
  EXPECT_EQ(record[32], 1);
  EXPECT_EQ(record[45], 1);
  EXPECT_EQ(record[48], 13);
  EXPECT_EQ(record[52], 1);
  EXPECT_EQ(record[54], 1);
  EXPECT_EQ(static_cast<uint8_t>(bytes[56 + 28]), 0xFF) << "slot 1's face is -1 again";
  EXPECT_EQ(table[1].face, -1);

  ProfileTable loaded = Fresh();
  ReadUserFile(loaded);
  uint8_t a[56], b[56];
  for (int i = 0; i < kProfileCount; ++i) {
    loaded[i].Store(a);
    table[i].Store(b);
    EXPECT_EQ(std::memcmp(a, b, 56), 0) << "slot " << i;
  }
}

TEST_F(UserFileTest, AlbumCompleteIsCurrentInTheFileItself) {
  ProfileTable table = Fresh();
  table[0].inUse = 1;
  table[0].face = 0;
  table[0].stickers.fill(1);
  ASSERT_TRUE(WriteUserFile(table, 0));
  EXPECT_EQ(FileBytes()[53], 1) << "the write that completes the album stores the flag";
  table[0].stickers[4] = 0;
  ASSERT_TRUE(WriteUserFile(table, 0));
  EXPECT_EQ(FileBytes()[53], 0);
}

TEST_F(UserFileTest, ShortFileFillsOnlyWhatItHolds) {
  ProfileRecord first = ProfileRecord::Empty();
  first.face = 7;
  first.inUse = 1;
  uint8_t image[56];
  first.Store(image);
  engine_.Folder().Write("runtime/rufo_usr.dat",
                         std::string(reinterpret_cast<char*>(image), 56) + std::string(10, '\0'));
  ProfileTable table = Fresh();
  ReadUserFile(table);
  EXPECT_EQ(table[0].face, 7);
  EXPECT_EQ(table[0].inUse, 1);
  EXPECT_EQ(table[1].face, -1) << "ten bytes of slot 1 do not reach its face";
  EXPECT_EQ(table[3].face, -1);
}

TEST_F(UserFileTest, MissingFileIsLoggedAndLeavesTheTable) {
  ProfileTable table = Fresh();
  ReadUserFile(table);
  EXPECT_EQ(table[0].face, -1);
  EXPECT_NE(engine_.LogText().find("Cannot load file \"" + engine_.DataRoot() + "rufo_usr.dat\""),
            std::string::npos);
}

TEST_F(UserFileTest, FailedWriteLeavesTheOldFileWhole) {
  ProfileTable table = Fresh();
  table[0].inUse = 1;
  table[0].face = 2;
  ASSERT_TRUE(WriteUserFile(table, 0));
  const std::string before = FileBytes();

  // Neither root can take the new file (a folder stands where it would be written): the old
  // file must survive untouched.
  std::filesystem::create_directories(engine_.Folder().Path() / "runtime/rufo_usr.dat.new/x");
  std::filesystem::create_directories(engine_.Folder().Path() / "data/rufo_usr.dat.new/x");
  table[0].face = 6;
  EXPECT_FALSE(WriteUserFile(table, 0));
  EXPECT_EQ(FileBytes(), before);
}

TEST_F(UserFileTest, AFullDiskLeavesTheOldFileWhole) {
  if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
  ProfileTable table = Fresh();
  table[1].inUse = 1;
  table[1].face = 3;
  ASSERT_TRUE(WriteUserFile(table, 1));
  const std::string before = FileBytes();

  // The new file lands on a device that is always full: every write of it fails.
  for (const char* root : {"runtime/", "data/"}) {
    std::filesystem::create_symlink("/dev/full",
                                    engine_.Folder().Path() / root / "rufo_usr.dat.new");
  }
  table[1].face = 5;
  EXPECT_FALSE(WriteUserFile(table, 1));
  EXPECT_EQ(FileBytes(), before);
}

}  // namespace
}  // namespace rufo
