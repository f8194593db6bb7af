// The generated demo data tree (the build's "data" folder): the checker finds it complete and
// names whatever is taken away, and every file in it reads as the game expects.
#include <gtest/gtest.h>
#include <png.h>

#include <strings.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>

#include "tests/support/temp_folder.h"
#include "tools/assetkit/ani_file.h"
#include "tools/assetkit/png_writer.h"
#include "tools/assetkit/screen_entries.h"

namespace rufo {
namespace {

namespace fs = std::filesystem;

const fs::path kTree = fs::path(RUFO_BINARY_DIR) / "data";

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

struct CheckResult {
  int exitCode;
  std::string output;
};

CheckResult RunCheck(const fs::path& root) {
  const std::string command =
      std::string(RUFO_BINARY_DIR) + "/rufo-data check '" + root.string() + "' 2>&1";
  FILE* pipe = popen(command.c_str(), "r");
  std::string output;
  char buffer[512];
  while (pipe && fgets(buffer, sizeof buffer, pipe))
    output += buffer;
  const int status = pipe ? pclose(pipe) : -1;
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}

std::vector<fs::path> FilesEndingIn(const std::string& extension) {
  std::vector<fs::path> files;
  for (const auto& entry : fs::recursive_directory_iterator(kTree)) {
    if (entry.is_regular_file() && entry.path().extension() == extension) {
      files.push_back(entry.path());
    }
  }
  return files;
}

class DataTree : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!fs::exists(kTree / ".demogen")) GTEST_SKIP() << "no generated data (RUFO_BUILD_DATA=OFF)";
  }
};

TEST_F(DataTree, CheckFindsNothingMissing) {
  const CheckResult result = RunCheck(kTree);
  EXPECT_EQ(result.exitCode, 0) << result.output;
  EXPECT_EQ(result.output, "nothing missing\n");
}

TEST_F(DataTree, CheckNamesWhatWasTakenAway) {
  test::TempFolder copy;
  fs::copy(kTree, copy.Path(), fs::copy_options::recursive);
  struct Case {
    const char* file;
    std::string replacement;  // empty: the file is removed
    const char* expected;
  };
  std::string end = ReadAll(kTree / "Data/End/screen.dat");
  end = std::regex_replace(end, std::regex("ANI=[^\r]*SKOLNIK[^\r]*\r\n"), "");
  std::string cursors = ReadAll(kTree / "Cursors.dat");
  cursors = std::regex_replace(cursors, std::regex("SelArrow:[^\n]*\n"), "");
  assetkit::PngPicture mask{640, 480, assetkit::PngColor::kGrey,
                            std::vector<uint8_t>(640 * 480, 255)};
  for (int v : {20, 21, 23, 26, 27, 28, 29})
    mask.pixels[v] = static_cast<uint8_t>(v);
  const std::vector<uint8_t> maskBytes = assetkit::EncodePng(mask);
  const Case cases[] = {
      {"Sounds/GB_UNI/BAD_2/21.wav", "", "missing sound: Sounds\\GB_UNI\\BAD_2\\21.wav"},
      {"Sounds/GB_UNI/GOOD/0.dat", "", "missing frame script: Sounds\\GB_UNI\\GOOD\\0.dat"},
      {"face3.png", "", "missing picture: face3.png"},
      {"Bitmaps/Cursors/hand_m.png", "",
       "missing picture: Bitmaps\\Cursors\\hand_m.png (named by Cursors.dat)"},
      {"Bitmaps/Start/Ani/kv_z_b.dat", "", "missing frame script: Bitmaps\\Start\\Ani\\kv_z_b"},
      {"Bitmaps/Album/Ani/S13.ani", "", "missing animation: Bitmaps\\Album\\Ani\\S13.ani"},
      {"Data/End/screen.dat", end, "missing entry: SKOLNIK in Data\\End\\screen.dat"},
      {"Cursors.dat", cursors, "missing cursor: SelArrow in Cursors.dat"},
      {"Bitmaps/Start/bg_mask.png", std::string(maskBytes.begin(), maskBytes.end()),
       "missing hit-map value: 22 in Bitmaps\\Start\\bg_mask.png"},
  };
  for (const Case& c : cases) {
    const fs::path file = copy.Path() / c.file;
    const std::string original = ReadAll(file);
    if (c.replacement.empty()) {
      fs::remove(file);
    } else {
      std::ofstream(file, std::ios::binary) << c.replacement;
    }
    const CheckResult result = RunCheck(copy.Path());
    EXPECT_EQ(result.exitCode, 1) << c.file;
    EXPECT_NE(result.output.find(c.expected), std::string::npos) << result.output;
    std::ofstream(file, std::ios::binary) << original;
  }
  EXPECT_EQ(RunCheck(copy.Path()).exitCode, 0);
}

TEST_F(DataTree, PicturesAreWhatTheLoadersRead) {
  for (const fs::path& file : FilesEndingIn(".png")) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    ASSERT_TRUE(png_image_begin_read_from_file(&image, file.c_str())) << file;
    EXPECT_EQ(image.format & PNG_FORMAT_FLAG_ALPHA, 0u) << file << " has an alpha channel";
    if (file.filename() == "bg_mask.png" || file.parent_path().filename() == "Start" ||
        file.filename() == "enter.png") {
      if (file.filename() != "cepka.png") {
        EXPECT_EQ(image.width, 640u) << file;
        EXPECT_EQ(image.height, 480u) << file;
      }
    }
    png_image_free(&image);
  }
}

TEST_F(DataTree, AnimationsAndFrameScriptsAgree) {
  std::map<std::string, size_t> frames;  // animation path without extension -> frame count
  for (const fs::path& file : FilesEndingIn(".ani")) {
    const auto animation = assetkit::DecodeAni(ReadAll(file));
    ASSERT_TRUE(animation) << file;
    EXPECT_FALSE(animation->frames.empty()) << file;
    std::string key = file.string();
    frames[key.substr(0, key.size() - 4)] = animation->frames.size();
  }
  const std::regex step("-(\\d+),(\\d+\\.\\d+)");
  for (const fs::path& file : FilesEndingIn(".dat")) {
    if (file.filename() == "screen.dat" || file.filename() == "Cursors.dat") continue;
    // Speech is played on the talking animation (6 mouth shapes); an animation's own script
    // (and a return script "name_b") on that animation.
    std::string base = file.string().substr(0, file.string().size() - 4);
    size_t limit = 6;
    if (base.find("/Ani/") != std::string::npos) {
      if (!frames.count(base)) {
        for (const auto& [name, count] : frames) {
          if (strcasecmp((name + "_b").c_str(), base.c_str()) == 0) limit = count;
        }
      } else {
        limit = frames[base];
      }
    }
    std::istringstream lines(ReadAll(file));
    std::string line;
    int counted = 0;
    while (std::getline(lines, line)) {
      std::smatch match;
      ASSERT_TRUE(std::regex_search(line, match, step)) << file << ": " << line;
      EXPECT_LT(std::stoul(match[1]), limit) << file << ": " << line;
      ++counted;
    }
    EXPECT_GT(counted, 0) << file;
  }
}

uint32_t U32(const std::string& b, size_t at) {
  return static_cast<uint8_t>(b[at]) | static_cast<uint8_t>(b[at + 1]) << 8 |
         static_cast<uint8_t>(b[at + 2]) << 16 |
         static_cast<uint32_t>(static_cast<uint8_t>(b[at + 3])) << 24;
}

// The layout the game's WAV reader accepts (the format chunk right after "WAVE", its size
// 18 + extra bytes, chunks skipped up to "data"), IMA ADPCM, and sox decodes every file.
TEST_F(DataTree, SoundsAreImaAdpcmThatDecodes) {
  const bool haveSox = std::system("sox --version > /dev/null 2>&1") == 0;
  for (const fs::path& file : FilesEndingIn(".wav")) {
    const std::string b = ReadAll(file);
    ASSERT_GE(b.size(), 60u) << file;
    EXPECT_EQ(b.compare(0, 4, "RIFF"), 0) << file;
    EXPECT_EQ(b.compare(8, 8, "WAVEfmt "), 0) << file;
    EXPECT_EQ(b[20] | b[21] << 8, 0x11) << file;
    const size_t extra = static_cast<uint8_t>(b[36]) | static_cast<uint8_t>(b[37]) << 8;
    EXPECT_EQ(U32(b, 16), 18 + extra) << file;
    size_t at = 38 + extra;
    while (at + 8 <= b.size() && b.compare(at, 4, "data") != 0)
      at += 8 + U32(b, at + 4);
    ASSERT_LE(at + 8, b.size()) << file << " has no data chunk";
    EXPECT_EQ(at + 8 + U32(b, at + 4), b.size()) << file;
    if (haveSox) {
      EXPECT_EQ(std::system(("sox '" + file.string() + "' -n 2> /dev/null").c_str()), 0) << file;
    }
  }
}

TEST_F(DataTree, ScreenScriptsNameUniqueEntries) {
  for (const fs::path& file : FilesEndingIn(".dat")) {
    if (file.filename() != "screen.dat") continue;
    std::map<std::string, int> seen;
    for (const auto& entry : assetkit::ReadScreenEntries(ReadAll(file))) {
      if (entry.keyword != "EMPTY") {
        EXPECT_EQ(++seen[entry.name], 1) << file << " " << entry.name;
      }
    }
    EXPECT_FALSE(seen.empty()) << file;
  }
}

}  // namespace
}  // namespace rufo
