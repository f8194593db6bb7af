#include "game/user_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

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

  // Saves a table whose only child, in `slot`, has the given face.
  static bool SaveFace(int face, int slot = 0) {
    ProfileTable table = Fresh();
    table[slot].inUse = 1;
    table[slot].face = face;
    return WriteUserFile(table, slot);
  }
  static ProfileTable Read() {
    ProfileTable table = Fresh();
    ReadUserFile(table);
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
  // The face, stickers 0 and 13, the new sticker, the delete phase and "in use".
  EXPECT_EQ(
      (std::vector<int>{record[28], record[32], record[45], record[48], record[52], record[54]}),
      (std::vector<int>{5, 1, 1, 13, 1, 1}));
  EXPECT_EQ(static_cast<uint8_t>(bytes[56 + 28]), 0xFF) << "slot 1's face is -1 again";
  EXPECT_EQ(table[1].face, -1);

  ProfileTable loaded = Read();
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
  ASSERT_TRUE(SaveFace(7));
  engine_.Folder().Write("runtime/rufo_usr.dat", FileBytes().substr(0, 66));
  const ProfileTable table = Read();
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
  const ProfileTable table = Read();
  const std::pair<int32_t, int32_t> read[] = {{0, -1}, {0, -1}, {0, -1}, {7, 13}};
  for (int slot = 0; slot < 4; ++slot) {
    EXPECT_EQ(std::pair(table[slot].face, table[slot].newSticker), read[slot]) << slot;
    EXPECT_TRUE(table[slot].HasSticker(0) && table[slot].inUse) << slot;
  }
}

// A pipe or a folder under the file's name is no file: reading neither waits nor fails.
TEST_F(UserFileTest, MissingFileIsLoggedAndLeavesTheTable) {
  ::mkfifo((engine_.RuntimeRoot() + "rufo_usr.dat").c_str(), 0600);
  std::filesystem::create_directories(engine_.DataRoot() + "rufo_usr.dat");
  EXPECT_EQ(Read()[0].face, -1);
  EXPECT_NE(engine_.LogText().find("Cannot load file \"" + engine_.DataRoot() + "rufo_usr.dat\""),
            std::string::npos);
}

// The last save is read whichever root holds it; the table is marked with a face per copy.
TEST_F(UserFileTest, TheCopyWithTheLastSaveIsRead) {
  namespace fs = std::filesystem;
  const auto copy = [&](const char* root, int face, size_t size, int ageSeconds) {
    ASSERT_TRUE(SaveFace(face));
    const fs::path path =
        engine_.Folder().Write(std::string(root) + "/rufo_usr.dat", FileBytes().substr(0, size));
    fs::last_write_time(path, fs::file_time_type::clock::now() - std::chrono::seconds(ageSeconds));
  };
  struct Case {
    const char* what;
    int runtimeSize, runtimeAge, dataSize, dataAge;
    int face;  // the face read: 1 the runtime root's, 2 the data root's
  };
  const Case cases[] = {
      {"the data root's copy is later", 224, 60, 224, 10, 2},
      {"the runtime root's copy is later", 224, 10, 224, 60, 1},
      {"a tie goes to the runtime root", 224, 30, 224, 30, 1},
      {"a cut copy loses to a whole one, however late", 40, 0, 224, 60, 2},
      {"two cut copies: the later", 40, 60, 40, 10, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    copy("data", 2, c.dataSize, c.dataAge);
    copy("runtime", 1, c.runtimeSize, c.runtimeAge);
    EXPECT_EQ(Read()[0].face, c.face);
  }
}

// A runtime root that cannot take the file (here a folder stands where the new file goes) sends
// the save to the data root, and the next start reads it there even though the runtime root's
// older copy is dated later by a clock running ahead; once the runtime root can take it again,
// the next save goes there and is the one read.
TEST_F(UserFileTest, ASaveTheRuntimeRootCannotTakeGoesToTheDataRootAndIsReadFromThere) {
  namespace fs = std::filesystem;
  const fs::path runtime = engine_.Folder().Path() / "runtime";
  ASSERT_TRUE(SaveFace(1));
  fs::last_write_time(runtime / "rufo_usr.dat",
                      fs::file_time_type::clock::now() + std::chrono::hours(1));
  fs::create_directories(runtime / "rufo_usr.dat.new/x");
  ASSERT_TRUE(SaveFace(2));
  EXPECT_EQ(Read()[0].face, 2);
  ASSERT_TRUE(SaveFace(3));
  EXPECT_EQ(Read()[0].face, 3);
  const std::string line = "Cannot save file \"" + engine_.RuntimeRoot() +
                           "rufo_usr.dat\" (Is a directory), saved to \"" + engine_.DataRoot() +
                           "rufo_usr.dat\" instead\n";
  const std::string log = engine_.LogText();
  ASSERT_NE(log.find(line), std::string::npos) << log;
  EXPECT_EQ(log.find(line), log.rfind(line)) << "said once a run";

  fs::remove_all(runtime / "rufo_usr.dat.new");
  ASSERT_TRUE(SaveFace(4));
  EXPECT_EQ(Read()[0].face, 4);
  EXPECT_EQ(engine_.Folder().Read("data/rufo_usr.dat")[28], 3) << "written to the runtime root";
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
    ASSERT_TRUE(SaveFace(3, 1));
    const std::string before = FileBytes();
    block(folder / "runtime/rufo_usr.dat.new");
    block(folder / "data/rufo_usr.dat.new");
    EXPECT_FALSE(SaveFace(5, 1));
    EXPECT_EQ(FileBytes(), before);
    EXPECT_NE(engine_.LogText().find("): the children's progress is not saved\n"),
              std::string::npos);
  }
}

}  // namespace
}  // namespace rufo
