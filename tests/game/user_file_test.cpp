#include "game/user_file.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <utility>

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
  ASSERT_TRUE(WriteUserFile(loaded, 2));
  EXPECT_EQ(FileBytes(), bytes) << "what is read back is stored byte for byte as it was";
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
  ProfileTable table = Fresh();
  table[0].face = 7;
  table[0].inUse = 1;
  ASSERT_TRUE(WriteUserFile(table, 0));
  engine_.Folder().Write("runtime/rufo_usr.dat", FileBytes().substr(0, 66));
  table = Fresh();
  ReadUserFile(table);
  EXPECT_EQ(table[0].face, 7);
  EXPECT_EQ(table[0].inUse, 1);
  EXPECT_EQ(table[1].face, -1) << "ten bytes of slot 1 do not reach its face";
  EXPECT_EQ(table[3].face, -1);
}

// Values no face picture or sticker stands for, as a damaged file may hold them: a child's face
// reads as the first picture, so the profile stays usable, and a new sticker as none; the rest of
// the record and the values in range are kept.
TEST_F(UserFileTest, FacesAndNewStickersOutOfRangeAreMadeSafe) {
  const std::pair<int32_t, int32_t> stored[] = {{INT32_MAX, 14}, {8, INT32_MIN}, {-2, -2}, {7, 13}};
  std::string bytes(224, '\0');
  for (int slot = 0; slot < 4; ++slot) {
    for (int i = 0; i < 4; ++i) {
      bytes[slot * 56 + 28 + i] = static_cast<char>(uint32_t(stored[slot].first) >> (8 * i));
      bytes[slot * 56 + 48 + i] = static_cast<char>(uint32_t(stored[slot].second) >> (8 * i));
    }
    bytes[slot * 56 + 32] = 1;
    bytes[slot * 56 + 54] = 1;
  }
  engine_.Folder().Write("runtime/rufo_usr.dat", bytes);
  ProfileTable table = Fresh();
  ReadUserFile(table);
  const std::pair<int32_t, int32_t> read[] = {{0, -1}, {0, -1}, {0, -1}, {7, 13}};
  for (int slot = 0; slot < 4; ++slot) {
    EXPECT_EQ(std::pair(table[slot].face, table[slot].newSticker), read[slot]) << slot;
    EXPECT_TRUE(table[slot].HasSticker(0) && table[slot].inUse) << slot;
  }
}

TEST_F(UserFileTest, MissingFileIsLoggedAndLeavesTheTable) {
  ProfileTable table = Fresh();
  ReadUserFile(table);
  EXPECT_EQ(table[0].face, -1);
  EXPECT_NE(engine_.LogText().find("Cannot load file \"" + engine_.DataRoot() + "rufo_usr.dat\""),
            std::string::npos);
}

// The new file cannot be written beside the old one: a folder stands where it would go, or it
// lands on a device that is always full. In both roots, so that neither can take it.
TEST_F(UserFileTest, AFailedWriteLeavesTheOldFileWhole) {
  const std::filesystem::path folder = engine_.Folder().Path();
  const std::pair<const char*, std::function<void(const std::filesystem::path&)>> blockers[] = {
      {"a folder in the way",
       [](const auto& to) { std::filesystem::create_directories(to / "x"); }},
      {"a full disk", [](const auto& to) { std::filesystem::create_symlink("/dev/full", to); }}};
  for (const auto& [name, block] : blockers) {
    SCOPED_TRACE(name);
    std::filesystem::remove_all(folder / "runtime/rufo_usr.dat.new");
    std::filesystem::remove_all(folder / "data/rufo_usr.dat.new");
    ProfileTable table = Fresh();
    table[1].inUse = 1;
    table[1].face = 3;
    ASSERT_TRUE(WriteUserFile(table, 1));
    const std::string before = FileBytes();
    block(folder / "runtime/rufo_usr.dat.new");
    block(folder / "data/rufo_usr.dat.new");
    table[1].face = 5;
    EXPECT_FALSE(WriteUserFile(table, 1));
    EXPECT_EQ(FileBytes(), before);
  }
}

}  // namespace
}  // namespace rufo
