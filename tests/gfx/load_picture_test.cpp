#include <gtest/gtest.h>

#include <filesystem>

#include "engine/graphics.h"
#include "tests/gfx/image_magick.h"
#include "tests/support/headless_engine.h"
#include "tests/support/pictures.h"
#include "tools/assetkit/png_writer.h"

namespace rufo {
namespace {

using platform::Surface;

constexpr uint32_t kRed565 = 0xF800;
constexpr uint32_t kGreen565 = 0x07E0;

// A full-screen 5-6-5 engine whose data and runtime roots get small solid pictures.
class LoadPictureTest : public ::testing::Test {
 protected:
  LoadPictureTest() { engine_.Start(true); }

  std::string Place(const std::string& relative) const {
    const std::filesystem::path path = engine_.Folder().Path() / relative;
    std::filesystem::create_directories(path.parent_path());
    return path.string();
  }
  // A green 4 × 3 PNG.
  void Png(const std::string& relative) const {
    ASSERT_TRUE(
        test::WritePicture(engine_.Folder(), relative, 4, 3, [](int, int) { return 0x00FF00u; }));
  }
  // A red 5 × 2 BMP.
  void Bmp(const std::string& relative) const {
    ASSERT_TRUE(test::RunConvert("-size 5x2 xc:'rgb(255,0,0)' BMP3:'" + Place(relative) + "'"));
  }

  // The colour of the top-left pixel of the loaded picture, or 1 when nothing loaded.
  uint32_t Loaded(const char* name, uint32_t options = 0, bool fallback = true) {
    std::unique_ptr<Surface> surface;
    if (!LoadPicture(&surface, name, nullptr, nullptr, options, fallback)) return 1;
    return surface->PixelAt(0, 0);
  }

  test::HeadlessEngine engine_;
};

TEST_F(LoadPictureTest, TheNameDecidesTheFormatTriedFirstAndTheFallbackTheOtherRoot) {
  Png("data/both.png");
  Bmp("data/both.bmp");
  EXPECT_EQ(Loaded("both"), kRed565);
  EXPECT_EQ(Loaded("both.png"), kGreen565);
  EXPECT_EQ(Loaded("both.PNG"), kRed565) << "only a lower-case .png puts PNG first";
  EXPECT_EQ(Loaded("both.gif"), kRed565);
  EXPECT_EQ(Loaded("both.x.bmp"), 1u) << "only the last extension is replaced";

  Png("data/only_png.png");
  EXPECT_EQ(Loaded("only_png.bmp"), kGreen565);
  EXPECT_EQ(Loaded("only_png"), kGreen565);
  // A dot inside a folder name is not an extension: the formats' extensions are appended.
  Png("data/folder.v2/pic.png");
  EXPECT_EQ(Loaded("folder.v2\\pic"), kGreen565);
  // The file itself, under its own extension, is never tried.
  Png("data/odd.gif");
  EXPECT_EQ(Loaded("odd.gif"), 1u);

  // The other main root is tried only with the fallback.
  Png("runtime/late.png");
  Bmp("data/early.bmp");
  EXPECT_EQ(Loaded("late", kDataRoot, true), kGreen565);
  EXPECT_EQ(Loaded("late", kDataRoot, false), 1u);
  EXPECT_EQ(Loaded("late", kRuntimeRoot, false), kGreen565);
  EXPECT_EQ(Loaded("early", kRuntimeRoot, true), kRed565);
  EXPECT_EQ(Loaded("late", kThirdRoot, true), 1u);
  EXPECT_EQ(Loaded(Place("runtime/late.png").c_str(), kNoRoot, true), kGreen565);
}

TEST_F(LoadPictureTest, SizesOptionsColourKeysAndBadArguments) {
  Bmp("data/pic.bmp");
  std::unique_ptr<Surface> surface;
  int width = 0, height = 0;
  ASSERT_TRUE(LoadPicture(&surface, "pic", &width, &height, 0, false));
  EXPECT_EQ(std::pair(width, height), std::pair(5, 2));
  EXPECT_EQ(surface->Memory(), platform::SurfaceMemory::kSystem);
  ASSERT_TRUE(LoadPicture(&surface, "pic", nullptr, nullptr, kLoadVideoMemory, false));
  EXPECT_EQ(surface->Memory(), platform::SurfaceMemory::kVideo);
  engine_.Engine().Video().SetVideoMemoryAvailable(false);
  ASSERT_TRUE(LoadPicture(&surface, "pic", nullptr, nullptr, kLoadVideoMemory, false));
  EXPECT_EQ(surface->Memory(), platform::SurfaceMemory::kSystem);

  // An empty surface of the given size; no file is looked at.
  width = 100;
  height = 50;
  ASSERT_TRUE(LoadPicture(&surface, "no such file", &width, &height, kLoadEmpty, false));
  EXPECT_EQ(std::pair(surface->Width(), surface->Height()), std::pair(100, 50));
  EXPECT_EQ(surface->Format(), engine_.Engine().Primary()->Format());
  EXPECT_FALSE(LoadPicture(&surface, nullptr, &width, nullptr, kLoadEmpty, false));
  for (const auto& [w, h] : {std::pair{0, 10}, {10, -1}, {100000, 100000}, {20000, 1}}) {
    width = w;
    height = h;
    EXPECT_FALSE(LoadPicture(&surface, nullptr, &width, &height, kLoadEmpty, false))
        << w << "x" << h;
  }
  EXPECT_EQ(surface, nullptr) << "the old surface is dropped first";

  EXPECT_FALSE(LoadPicture(nullptr, "pic", nullptr, nullptr, 0, false));
  EXPECT_FALSE(LoadPicture(&surface, nullptr, nullptr, nullptr, 0, false));
  // A name longer than the game's name buffers is refused even when the file exists.
  std::string deep;
  for (int i = 0; i < 7; ++i)
    deep += "abcdefghijklmnopqrstuvwxyz0123456789/";
  deep += "pic";
  Bmp("data/" + deep + ".bmp");
  EXPECT_FALSE(LoadPicture(&surface, deep.c_str(), nullptr, nullptr, 0, false));

  width = 8;
  ASSERT_TRUE(LoadPicture(&surface, nullptr, &width, &width, kLoadEmpty, false));
  SetSourceColorKey(surface.get(), platform::Rgb(255, 0, 255));
  EXPECT_EQ(surface->ColorKey(), 0xF81Fu);
  SetSourceColorKey(nullptr, 0);
}

// A 640 × 480 map whose red samples are (x / 8 + y) & 0xFF and whose green samples differ.
assetkit::PngPicture MapPicture(int width, int height, int shift) {
  assetkit::PngPicture picture{width, height, assetkit::PngColor::kRgb, {}};
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      picture.pixels.insert(picture.pixels.end(), {static_cast<uint8_t>(x / 8 + y + shift), 7, 9});
    }
  }
  return picture;
}

// The map holds the red samples. A map found under the runtime root replaces the one before; no
// name drops it, as does the end. A map that cannot be had leaves no map, never the one before
// (its regions belong to another picture), and the log names the map and what is wrong with it.
TEST_F(LoadPictureTest, TheMapHoldsRedSamplesUntilALaterOrAFaultyMapOrNoNameDropsIt) {
  EXPECT_EQ(HitMapValue(0, 0), 255) << "no map yet";
  ASSERT_TRUE(assetkit::WritePng(Place("data/Scene/first.png"), MapPicture(640, 480, 0)));
  ASSERT_TRUE(LoadHitMap("scene\\FIRST.png"));
  EXPECT_EQ(HitMapValue(0, 0), 0);
  EXPECT_EQ(HitMapValue(17, 479), (17 / 8 + 479) & 0xFF);
  for (const auto& [x, y] : {std::pair{640, 0}, {-1, 5}, {5, 480}})
    EXPECT_EQ(HitMapValue(x, y), 255) << "outside at " << x << "," << y;

  ASSERT_TRUE(assetkit::WritePng(Place("data/dot.png"), MapPicture(1, 1, 1)));
  ASSERT_TRUE(assetkit::WritePng(Place("data/big.png"), MapPicture(700, 500, 1)));
  std::vector<uint8_t> damaged = assetkit::EncodePng(MapPicture(640, 480, 1));
  damaged.resize(damaged.size() * 2 / 3);
  test::WriteBytes(Place("data/damaged.png"), damaged);
  test::WriteBytes(Place("data/text.png"), {'h', 'i'});
  const std::pair<const char*, std::string> faults[] = {
      {"dot.png", "Hit map \"dot.png\" is 1x1 pixels, not 640x480: no regions\n"},
      {"big.png", "Hit map \"big.png\" is 700x500 pixels, not 640x480: no regions\n"},
      {"damaged.png", "Hit map \"damaged.png\" is damaged: no regions\n"},
      {"text.png", "Hit map \"text.png\" is no PNG picture that can be read: no regions\n"},
      {"missing.png", "Cannot load file \"" + engine_.RuntimeRoot() + "missing.png\"\n"},
  };
  for (const auto& [name, logged] : faults) {
    SCOPED_TRACE(name);
    ASSERT_TRUE(LoadHitMap("scene\\FIRST.png"));
    ASSERT_EQ(HitMapValue(639, 10), (639 / 8 + 10) & 0xFF);
    EXPECT_FALSE(LoadHitMap(name));
    EXPECT_FALSE(engine_.Engine().HitMap().Loaded());
    EXPECT_EQ(HitMapValue(639, 10), 255);
    EXPECT_EQ(HitMapValue(0, 479), 255);
    EXPECT_NE(engine_.LogText().find(logged), std::string::npos) << engine_.LogText();
  }

  ASSERT_TRUE(LoadHitMap("scene\\FIRST.png"));
  ASSERT_TRUE(assetkit::WritePng(Place("runtime/next.png"), MapPicture(640, 480, 1)));
  ASSERT_TRUE(LoadHitMap("next.png"));
  EXPECT_EQ(HitMapValue(0, 0), 1);
  EXPECT_TRUE(LoadHitMap(""));
  EXPECT_EQ(HitMapValue(0, 0), 255);
  ASSERT_TRUE(LoadHitMap("next.png"));
  EXPECT_TRUE(LoadHitMap(nullptr));
  EXPECT_FALSE(engine_.Engine().HitMap().Loaded());
  ASSERT_TRUE(LoadHitMap("next.png"));
  engine_.Engine().Shutdown();
  EXPECT_FALSE(engine_.Engine().HitMap().Loaded());
}

}  // namespace
}  // namespace rufo
