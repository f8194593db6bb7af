// The generated demo data tree (the build's "data" folder): every file in it reads as the game
// expects.
#include <gtest/gtest.h>
#include <png.h>

#include <strings.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <map>
#include <sstream>
#include <tuple>
#include <vector>

#include "controls/frame_script.h"
#include "controls/screen_script.h"
#include "gfx/hit_map.h"
#include "gfx/picture_file.h"
#include "platform/data_file.h"
#include "platform/wave_format.h"
#include "sound/wave_reader.h"
#include "tests/support/ani_frames.h"
#include "tests/support/headless_engine.h"
#include "tests/support/temp_folder.h"

namespace rufo {
namespace {

namespace fs = std::filesystem;

const fs::path kTree = fs::path(RUFO_BINARY_DIR) / "data";

std::vector<fs::path> FilesEndingIn(const std::string& extension) {
  std::vector<fs::path> files;
  for (const auto& entry : fs::recursive_directory_iterator(kTree)) {
    if (entry.is_regular_file() && entry.path().extension() == extension) {
      files.push_back(entry.path());
    }
  }
  return files;
}

// Reads the file with `read`; false when it does not open.
template <typename Read>
bool ReadFileWith(const fs::path& path, Read read) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return false;
  read(file);
  std::fclose(file);
  return true;
}

// The hit map of a picture of the tree.
gfx::HitMap HitMapOf(const std::string& relative) {
  gfx::HitMap map;
  ReadFileWith(kTree / relative, [&](std::FILE* f) { map.Load(f, 640, 480); });
  EXPECT_TRUE(map.Loaded()) << relative;
  return map;
}

class DataTree : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!fs::exists(kTree / ".demogen")) GTEST_SKIP() << "no generated data (RUFO_BUILD_DATA=OFF)";
  }
  // An engine whose data root is the generated tree; the fixture's own runtime cursor file is
  // taken away so that the tree's one is read.
  static bool InitOnTree(test::HeadlessEngine& engine) {
    fs::remove(engine.Folder().Path() / "runtime" / "Cursors.dat");
    engine.Folder().Write("config/rufo.ini", "[Rufo I]\nCD=" + (kTree / "").string() +
                                                 "\nHD=" + engine.RuntimeRoot() + "\n");
    const InterfaceProperties properties = test::HeadlessEngine::Properties();
    return engine.Engine().Init(&properties);
  }
};

// Every picture loads in the game's loader; none relies on an alpha channel the loader would
// strip, and the full-screen pictures are 640 x 480.
TEST_F(DataTree, PicturesLoadInTheGameAtTheirSizes) {
  int pictures = 0;
  for (const fs::path& file : FilesEndingIn(".png")) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    ASSERT_TRUE(png_image_begin_read_from_file(&image, file.c_str())) << file;
    EXPECT_EQ(image.format & PNG_FORMAT_FLAG_ALPHA, 0u) << file << " has an alpha channel";
    png_image_free(&image);
    std::unique_ptr<platform::Surface> surface;
    ASSERT_TRUE(gfx::LoadPngPicture(
        file.string(), gfx::FixedLayoutFactory(platform::PixelLayout::kRgb565), &surface))
        << file;
    const bool fullScreen =
        file.filename() == "bg_mask.png" || file.filename() == "enter.png" ||
        (file.parent_path().filename() == "Start" && file.filename() != "cepka.png");
    if (fullScreen) {
      EXPECT_EQ(surface->Width(), 640) << file;
      EXPECT_EQ(surface->Height(), 480) << file;
    }
    ++pictures;
  }
  EXPECT_GT(pictures, 50);
}

// The Start screen's map: each face place and each sponge button where the picture has it.
TEST_F(DataTree, StartHitMapMatchesThePicture) {
  const gfx::HitMap map = HitMapOf("Bitmaps/Start/bg_mask.png");
  const int faces[4][2] = {{71, 228}, {61, 58}, {200, 138}, {353, 65}};
  const int buttons[4][2] = {{182, 335}, {172, 165}, {311, 245}, {464, 172}};
  for (int slot = 0; slot < 4; ++slot) {
    SCOPED_TRACE("slot " + std::to_string(slot));
    const int x = faces[slot][0], y = faces[slot][1];
    EXPECT_EQ(map.Value(x + 45, y + 55), 20 + slot);
    EXPECT_EQ(map.Value(x, y), 20 + slot);
    EXPECT_EQ(map.Value(x + 89, y + 109), 20 + slot);
    EXPECT_EQ(map.Value(x - 1, y - 1), 255);
    EXPECT_EQ(map.Value(buttons[slot][0], buttons[slot][1]), 26 + slot);
  }
  EXPECT_EQ(map.Value(165 + 38, 274 + 23), 255) << "the cap's resting place is no region";
}

// Every animation and every frame of it decodes in full; speech and animation frame scripts
// name only frames their animation has. Speech plays on the talking animation "MLUVI".
TEST_F(DataTree, AnimationsAndFrameScriptsAgree) {
  std::map<std::string, size_t> frames;  // animation path without extension -> frame count
  size_t talkingFrames = SIZE_MAX;
  for (const fs::path& file : FilesEndingIn(".ani")) {
    const auto animation = test::DecodeAniFile(std::fopen(file.c_str(), "rb"));
    ASSERT_TRUE(animation) << file;
    EXPECT_FALSE(animation->frames.empty()) << file;
    frames[(file.parent_path() / file.stem()).string()] = animation->frames.size();
    if (file.stem() == "MLUVI") talkingFrames = std::min(talkingFrames, animation->frames.size());
  }
  ASSERT_NE(talkingFrames, SIZE_MAX) << "no talking animation";
  for (const fs::path& file : FilesEndingIn(".dat")) {
    // Screen scripts, the cursor file and the row files are not frame scripts.
    if (file.filename() == "screen.dat" || file.filename() == "Cursors.dat" ||
        file.filename() == "log.dat") {
      continue;
    }
    // An animation's own script, or its script "name_b", "nameb", "name_1" or "name_2", runs on
    // that animation; the frogs' shared waving script runs on every frog's waving animation, the
    // pantry lid's closing script on the lid, the balloons' scripts at the top of the tree on
    // the balloons of the directions lesson.
    std::string base = (file.parent_path() / file.stem()).string();
    if (base.ends_with("Garden1/NUM/Ani/z_hi2")) base = base.substr(0, base.size() - 5) + "Z1_H";
    if (base.ends_with("LearnG/LOG/Ani/pok_2")) base = base.substr(0, base.size() - 5) + "POKLICE";
    // The lamp's coming back runs on the lamp. The ladybird climbs on "B%d", lands and falls on
    // "B%d_B", and the tulip closes over her on "B_START".
    if (base.ends_with("Garden3/NOT/Ani/bzhas")) base = base.substr(0, base.size() - 5) + "ZHAS";
    const std::string ladybird = (kTree / "Bitmaps/Garden6/NUM/Ani/").string();
    if (base == ladybird + "b_up") base = ladybird + "B1";
    if (base == ladybird + "b_down" || base.starts_with(ladybird + "Bedr_d"))
      base = ladybird + "B1_B";
    if (base == ladybird + "b_back") base = ladybird + "B_START";
    std::string balloon = file.stem().string().substr(0, file.stem().string().size() - 2);
    std::transform(balloon.begin(), balloon.end(), balloon.begin(), ::toupper);
    const fs::path balloons = kTree / "Bitmaps/LearnG/DIR/Ani";
    if (file.parent_path() == kTree && fs::exists(balloons / (balloon + ".ani"))) {
      base = (balloons / file.stem()).string();
    }
    size_t limit = talkingFrames;
    std::string folder = base;
    std::transform(folder.begin(), folder.end(), folder.begin(), ::tolower);
    if (folder.find("/ani/") != std::string::npos) {
      limit = 0;
      for (const auto& [name, count] : frames) {
        for (const char* suffix : {"", "_b", "b", "_1", "_2"}) {
          if (strcasecmp((name + suffix).c_str(), base.c_str()) == 0) limit = count;
        }
      }
    }
    std::vector<SequenceEntry> script;
    ASSERT_TRUE(ReadFileWith(file, [&](std::FILE* f) { script = ReadFrameScript(f); })) << file;
    std::istringstream lines(test::ReadFile(file));
    std::string line;
    size_t lineCount = 0;
    while (std::getline(lines, line))
      lineCount += line.find_first_not_of("\r") != std::string::npos;
    EXPECT_EQ(script.size(), lineCount) << file << ": a line the game skips";
    float previousEnd = 0;
    for (const SequenceEntry& step : script) {
      EXPECT_GE(step.frame, 0) << file;
      EXPECT_LT(static_cast<size_t>(step.frame), limit) << file;
      EXPECT_GT(step.endTime, previousEnd) << file << ": a step of no time";
      previousEnd = step.endTime;
    }
  }
}

// The game reads the tree's cursors in the order it names them by; every sound opens in the
// game's reader, is IMA ADPCM and decodes to its last byte.
TEST_F(DataTree, CursorsLoadInOrderAndSoundsAreImaAdpcmThatDecodes) {
  test::HeadlessEngine engine;
  ASSERT_TRUE(InitOnTree(engine));
  Interface& game = engine.Engine();
  ASSERT_EQ(game.CursorCount(), 6);
  EXPECT_EQ(std::tuple(game.FindCursor("Arrow"), game.FindCursor("WaitArrow"),
                       game.FindCursor("SelArrow")),
            std::tuple(0, 1, 5));
  std::vector<uint8_t> buffer(WaveReader::kMaxOutputBuffer);
  for (const fs::path& file : FilesEndingIn(".wav")) {
    WaveReader reader;
    ASSERT_TRUE(reader.Open(fs::relative(file, kTree).string())) << file;
    EXPECT_EQ(reader.SourceFormat().formatTag, platform::kWaveFormatImaAdpcm) << file;
    EXPECT_GT(reader.OutputSize(), 0u) << file;
    uint32_t total = 0;
    for (;;) {
      uint32_t count = static_cast<uint32_t>(buffer.size());
      ASSERT_TRUE(reader.Read(buffer.data(), &count)) << file << " fails after " << total;
      total += count;
      if (count < buffer.size()) break;
    }
    EXPECT_EQ(total, reader.OutputSize()) << file;
  }
}

ScreenScript ParseScreen(const fs::path& path) {
  ScreenScript script;
  EXPECT_TRUE(ReadFileWith(path, [&](std::FILE* f) { script.Parse(f); })) << path;
  return script;
}

// Every screen script reads in the game's parser, within its table, with unique names (the
// data check finds each entry the game looks up by name).
TEST_F(DataTree, ScreenScriptsReadWithinTheirTableWithUniqueNames) {
  for (const fs::path& file : FilesEndingIn(".dat")) {
    if (file.filename() != "screen.dat") continue;
    const ScreenScript script = ParseScreen(file);
    EXPECT_GT(script.Count(), 0) << file;
    EXPECT_LT(script.Count(), ScreenScript::kCapacity) << file << " may have lost entries";
    for (int i = 0; i < script.Count(); ++i) {
      const ScreenEntry& entry = script.Entry(i);
      if (entry.type != kEntryEmpty) {
        EXPECT_EQ(script.FindEntry(entry.name), i) << file << " names " << entry.name << " twice";
      }
    }
  }
}

// On the learning garden and Garden1 every hit region belongs to the animation that reacts to
// it (the entry one above the region's value) and lies inside that animation's picture, so a
// click lands on what the child sees; every such animation has its region.
TEST_F(DataTree, GardenHitRegionsLieOnTheirAnimations) {
  const std::pair<const char*, const char*> screens[] = {
      {"Data/LearnG/screen.dat", "Bitmaps/LearnG/bg_mask.png"},
      {"Data/Garden1/screen.dat", "Bitmaps/Garden1/bg_mask.png"},
      {"Data/Garden1/NUM/screen.dat", "Bitmaps/Garden1/NUM/bg_mask.png"},
      {"Data/Garden1/COL/screen.dat", "Bitmaps/Garden1/COL/bg_mask.png"},
  };
  for (const auto& [scriptName, maskName] : screens) {
    SCOPED_TRACE(scriptName);
    const ScreenScript script = ParseScreen(kTree / scriptName);
    const gfx::HitMap map = HitMapOf(maskName);
    struct Box {
      int left, top, right, bottom;
    };
    std::map<int, Box> boxes;   // region value -> the picture of the animation one entry above
    std::map<int, int> pixels;  // region value -> pixels inside that picture
    std::map<int, int> outside;
    for (int y = 0; y < 480; ++y) {
      for (int x = 0; x < 640; ++x) {
        const int value = map.Value(x, y);
        if (value == gfx::HitMap::kNoRegion) continue;
        if (!boxes.count(value)) {
          ASSERT_LT(value + 1, script.Count()) << "region " << value << " has no entry";
          const ScreenEntry& entry = script.Entry(value + 1);
          ASSERT_EQ(entry.type, kEntryAnimation) << "region " << value;
          const auto animation = test::DecodeAniFile(platform::OpenFile(
              platform::ResolveDataPath((kTree / "").string() + entry.path + ".ani"), "rb"));
          ASSERT_TRUE(animation) << entry.path;
          boxes[value] = {entry.x, entry.y, entry.x + static_cast<int>(animation->header.width),
                          entry.y + static_cast<int>(animation->header.height)};
        }
        const Box& box = boxes[value];
        const bool inside = x >= box.left && x < box.right && y >= box.top && y < box.bottom;
        ++(inside ? pixels : outside)[value];
      }
    }
    for (const auto& [value, count] : outside)
      EXPECT_EQ(count, 0) << "region " << value << " reaches past " << script.Entry(value + 1).name;
    EXPECT_FALSE(pixels.empty());
    for (int value = 0; value < static_cast<int>(pixels.size()); ++value)
      EXPECT_GT(pixels[value], 400) << "region " << value << " is missing or tiny";
  }
}

}  // namespace
}  // namespace rufo
