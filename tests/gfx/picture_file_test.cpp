#include "gfx/picture_file.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <cmath>

#include "platform/video_device.h"
#include "platform/window.h"
#include "tests/gfx/every_layout.h"
#include "tests/gfx/image_magick.h"
#include "tests/support/temp_folder.h"
#include "tools/assetkit/png_writer.h"

namespace rufo::gfx {
namespace {

using platform::PixelLayout;
using platform::Surface;
using test::DecodeWithImageMagick;
using test::RunConvert;

constexpr int kWidth = 37;
constexpr int kHeight = 23;
// Keeps ImageMagick from adding gamma, colour space or time chunks to the fixtures.
constexpr const char* kPlainChunks =
    "-define png:exclude-chunk=gAMA,cHRM,sRGB,bKGD,tIME,date,pHYs,iCCP,zTXt,tEXt,vpAg ";

// Fixtures written by ImageMagick from the same noise, each a different kind of PNG or BMP.
class PictureFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::WriteBytes(Path("noise.rgb"), test::NoiseBytes(kWidth * kHeight * 3, 1));
    test::WriteBytes(Path("noise16.rgb"), test::NoiseBytes(kWidth * kHeight * 6, 2));
  }

  std::string Path(const std::string& name) const { return (folder_.Path() / name).string(); }

  // convert SOURCE OPTIONS FORMAT:OUT, with the 8- or 16-bit noise as the source.
  std::string Make(const std::string& name, const std::string& options, bool deep = false,
                   const std::string& format = "") {
    const std::string source =
        "-size " + std::to_string(kWidth) + "x" + std::to_string(kHeight) +
        (deep ? " -depth 16 rgb:'" + Path("noise16.rgb") : " -depth 8 rgb:'" + Path("noise.rgb")) +
        "' ";
    EXPECT_TRUE(RunConvert(source + options + " " + format + "'" + Path(name) + "'")) << name;
    return Path(name);
  }

  SurfaceFactory Factory(PixelLayout layout) {
    return [this, layout](int w, int h, std::unique_ptr<Surface>* out) {
      return video_.CreateSurface(w, h, platform::FormatOf(layout),
                                  platform::SurfaceMemory::kSystem, out);
    };
  }

  // Loads the file in every layout and compares each pixel with the independent decoder's
  // reading reduced to it.
  void ExpectDecodesAsImageMagick(const std::string& path, bool png = true) {
    const std::vector<uint8_t> reference = DecodeWithImageMagick(path);
    ASSERT_EQ(reference.size(), static_cast<size_t>(kWidth * kHeight * 3)) << path;
    for (PixelLayout layout : test::kEveryLayout) {
      std::unique_ptr<Surface> surface;
      ASSERT_TRUE(png ? LoadPngPicture(path, Factory(layout), &surface)
                      : LoadBmpPicture(path, Factory(layout), &surface))
          << path;
      ASSERT_EQ(surface->Width(), kWidth);
      ASSERT_EQ(surface->Height(), kHeight);
      int mismatches = 0;
      for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
          const uint8_t* rgb = &reference[(y * kWidth + x) * 3];
          const uint32_t expected =
              platform::GdiColorToPixel(platform::Rgb(rgb[0], rgb[1], rgb[2]), surface->Format());
          if ((surface->PixelAt(x, y) & 0xFFFFFF) != expected) ++mismatches;
        }
      }
      EXPECT_EQ(mismatches, 0) << path << " in layout " << static_cast<int>(layout);
    }
  }

  test::TempFolder folder_;
  platform::VideoDevice video_;
};

TEST_F(PictureFileTest, EveryKindOfPngDecodesAsTheIndependentDecoderSeesItInEveryLayout) {
  struct Fixture {
    const char* name;
    std::string options;
    bool deep;
    test::PngHeader header;  // what the fixture must be, so each kind is really covered
    bool transparency;
  };
  const std::string grey = "-colorspace gray -define png:color-type=0 -define png:bit-depth=";
  const std::string transparent = "-fill blue -draw 'rectangle 3,3 9,9' -transparent blue ";
  const std::string alpha = "-alpha set -channel A -fx 'i/w' +channel -define png:color-type=6";
  const Fixture fixtures[] = {
      {"rgb8.png", "", false, {8, 2, 0}, false},
      {"rgb16.png", "", true, {16, 2, 0}, false},
      {"palette.png", "-colors 200 PNG8:", false, {8, 3, 0}, false},
      {"grey1.png", grey + "1", false, {1, 0, 0}, false},
      {"grey2.png", grey + "2", false, {2, 0, 0}, false},
      {"grey4.png", grey + "4", false, {4, 0, 0}, false},
      {"grey8.png", grey + "8", false, {8, 0, 0}, false},
      {"grey16.png", grey + "16", true, {16, 0, 0}, false},
      {"interlaced.png", "-interlace PNG", false, {8, 2, 1}, false},
      {"interlaced16.png", "-interlace PNG", true, {16, 2, 1}, false},
      {"rgba.png", alpha, false, {8, 6, 0}, false},
      {"palette_trns.png", transparent + "-colors 200 PNG8:", false, {8, 3, 0}, true},
      {"rgb_trns.png", transparent + "-define png:color-type=2", false, {8, 2, 0}, true},
  };
  for (const Fixture& fixture : fixtures) {
    std::string options = kPlainChunks + fixture.options, format;
    if (options.ends_with("PNG8:")) {
      options.resize(options.size() - 5);
      format = "PNG8:";
    }
    const std::string path = Make(fixture.name, options, fixture.deep, format);
    ASSERT_TRUE(test::ReadPngHeader(path) == fixture.header) << fixture.name;
    ASSERT_EQ(test::PngHasChunk(path, "tRNS"), fixture.transparency) << fixture.name;
    ASSERT_FALSE(test::PngHasChunk(path, "gAMA")) << fixture.name;
    ExpectDecodesAsImageMagick(path);
  }
}

TEST_F(PictureFileTest, AGammaChunkIsCorrectedForTheScreen) {
  const std::string path = Make("gamma.png",
                                "-define png:exclude-chunk=cHRM,sRGB,bKGD,tIME,date,pHYs "
                                "-set gamma 1.0 -define png:include-chunk=gAMA");
  ASSERT_TRUE(test::PngHasChunk(path, "gAMA"));
  // The samples as stored: the independent decoder reads a copy without the gamma chunk.
  test::WriteBytes(Path("stored.png"), test::WithoutChunk(test::ReadBytes(path), "gAMA"));
  ASSERT_FALSE(test::PngHasChunk(Path("stored.png"), "gAMA"));
  const std::vector<uint8_t> raw = DecodeWithImageMagick(Path("stored.png"));
  ASSERT_EQ(raw.size(), static_cast<size_t>(kWidth * kHeight * 3));
  std::unique_ptr<Surface> surface;
  ASSERT_TRUE(LoadPngPicture(path, Factory(PixelLayout::kRgb24), &surface));
  // A file gamma of 1.0 shown on a 2.2 screen: v' = 255 × (v / 255)^(1 / 2.2).
  int worst = 0;
  for (int i = 0; i < kWidth * kHeight * 3; ++i) {
    const int expected = static_cast<int>(std::lround(255 * std::pow(raw[i] / 255.0, 1 / 2.2)));
    const int actual = surface->Row((i / 3) / kWidth)[i % (kWidth * 3)];
    worst = std::max(worst, std::abs(actual - expected));
  }
  EXPECT_LE(worst, 1);
}

TEST_F(PictureFileTest, BmpFilesDecodeInEveryLayout) {
  const std::tuple<const char*, const char*, const char*> kinds[] = {
      {"v3.bmp", "", "BMP3:"},
      {"v4.bmp", "", "BMP:"},
      {"v2.bmp", "", "BMP2:"},
      {"palette.bmp", "-colors 100 -type Palette", "BMP3:"}};
  for (const auto& [name, options, format] : kinds)
    ExpectDecodesAsImageMagick(Make(name, options, false, format), false);
}

// The bytes with the given ones written from an offset; a size of 0 cuts the copy there.
std::vector<uint8_t> Patched(std::vector<uint8_t> bytes, size_t at, std::vector<uint8_t> with) {
  if (with.empty()) bytes.resize(at);
  std::copy(with.begin(), with.end(), bytes.begin() + at);
  return bytes;
}

TEST_F(PictureFileTest, DamagedOrHugePicturesAndFailingSurfacesFailWithoutASurface) {
  const std::vector<uint8_t> png =
      assetkit::EncodePng({64, 64, assetkit::PngColor::kRgb, test::NoiseBytes(64 * 64 * 3, 3)});
  // Headers declaring 99840 × 99840 and 8192 × 8192 pixels, with correct CRCs.
  const auto declared = [&png](uint8_t high, uint8_t low) {
    std::vector<uint8_t> header = Patched(png, 16, {0, high, low, 0, 0, high, low, 0});
    const uint32_t crc = crc32(0, header.data() + 12, 17);
    return Patched(header, 29,
                   {uint8_t(crc >> 24), uint8_t(crc >> 16), uint8_t(crc >> 8), uint8_t(crc)});
  };
  const std::vector<uint8_t> badPngs[] = {
      {},  // empty
      Patched(png, 8, {}),
      Patched(png, 20, {}),
      Patched(png, png.size() / 2, {}),
      Patched(png, 29, {uint8_t(png[29] ^ 1)}),                            // header CRC
      Patched(png, png.size() - 13, {uint8_t(png[png.size() - 13] ^ 1)}),  // data CRC
      declared(0x01, 0x86),
      declared(0x00, 0x20)};
  for (const std::vector<uint8_t>& bytes : badPngs) {
    test::WriteBytes(Path("bad.png"), bytes);
    std::unique_ptr<Surface> surface;
    EXPECT_FALSE(LoadPngPicture(Path("bad.png"), Factory(PixelLayout::kRgb565), &surface));
    EXPECT_EQ(surface, nullptr);
  }

  const std::vector<uint8_t> bmp = test::ReadBytes(Make("good.bmp", "", false, "BMP3:"));
  const std::vector<uint8_t> badBmps[] = {
      Patched(bmp, 30, {}),                                              // cut in the header
      Patched(bmp, 21, {0x7F}),                                          // width of about 2^31
      Patched(bmp, 22, {0, 0, 0, 0x80}),                                 // height of -2^31
      Patched(bmp, 14, {12, 0, 0, 0, 0x0A, 0x21, 0xFF, 0xFF, 1, 0, 1}),  // core header, 65535 high
      Patched(bmp, 14, {7}),      // unknown information header
      Patched(bmp, 28, {13}),     // 13 bits per pixel
      Patched(bmp, 13, {0x70})};  // pixels far past the end of the file
  for (const std::vector<uint8_t>& bytes : badBmps) {
    test::WriteBytes(Path("bad.bmp"), bytes);
    std::unique_ptr<Surface> surface;
    EXPECT_FALSE(LoadBmpPicture(Path("bad.bmp"), Factory(PixelLayout::kRgb565), &surface));
  }
  std::unique_ptr<Surface> surface;
  EXPECT_FALSE(LoadPngPicture(Path("good.bmp"), Factory(PixelLayout::kRgb565), &surface));
  EXPECT_FALSE(LoadBmpPicture(Path("missing.bmp"), Factory(PixelLayout::kRgb565), &surface));

  // A surface that cannot be made, or is lost at once, fails a sound file's load.
  test::WriteBytes(Path("good.png"), png);
  ASSERT_TRUE(LoadPngPicture(Path("good.png"), Factory(PixelLayout::kRgb565), &surface));
  const SurfaceFactory refuse = [](int, int, std::unique_ptr<Surface>*) {
    return platform::kDdErrOutOfMemory;
  };
  EXPECT_FALSE(LoadPngPicture(Path("good.png"), refuse, &surface));
  const SurfaceFactory lost = [this](int w, int h, std::unique_ptr<Surface>* out) {
    platform::DdResult r = Factory(PixelLayout::kRgb565)(w, h, out);
    (*out)->MarkLost();
    return r;
  };
  EXPECT_FALSE(LoadPngPicture(Path("good.png"), lost, &surface));
  EXPECT_EQ(surface, nullptr);
  EXPECT_EQ(video_.LiveSurfaceCount(), 0);
}

TEST_F(PictureFileTest, WrittenPngsReadBackInTheIndependentDecoder) {
  for (assetkit::PngColor color : {assetkit::PngColor::kGrey, assetkit::PngColor::kRgba}) {
    const int samples = assetkit::SamplesPerPixel(color);
    const assetkit::PngPicture picture{5, 3, color, test::NoiseBytes(15 * samples, 9)};
    ASSERT_TRUE(assetkit::WritePng(Path("written.png"), picture));
    const std::vector<uint8_t> decoded = DecodeWithImageMagick(Path("written.png"));
    ASSERT_EQ(decoded.size(), 45u);
    for (int i = 0; i < 45; ++i) {
      EXPECT_EQ(decoded[i], picture.pixels[i / 3 * samples + (samples == 1 ? 0 : i % 3)]);
    }
  }
  EXPECT_TRUE(
      assetkit::EncodePng({4, 4, assetkit::PngColor::kRgb, std::vector<uint8_t>(47)}).empty());
}

}  // namespace
}  // namespace rufo::gfx
