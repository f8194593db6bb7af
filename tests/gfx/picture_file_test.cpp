#include "gfx/picture_file.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <cmath>

#include "platform/video_device.h"
#include "platform/window.h"
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
constexpr PixelLayout kLayouts[] = {PixelLayout::kRgb565, PixelLayout::kRgb555,
                                    PixelLayout::kBgr24,  PixelLayout::kRgb24,
                                    PixelLayout::kBgrx32, PixelLayout::kRgbx32};
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

  // Loads the file in every layout and compares each pixel with the reference reduced to it.
  void ExpectDecodesAs(const std::string& path, const std::vector<uint8_t>& reference,
                       bool png = true) {
    ASSERT_EQ(reference.size(), static_cast<size_t>(kWidth * kHeight * 3)) << path;
    for (PixelLayout layout : kLayouts) {
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
    test::PngHeader header;
  };
  const std::string plain = kPlainChunks;
  const std::string grey = "-colorspace gray -define png:color-type=0 -define png:bit-depth=";
  const Fixture fixtures[] = {
      {"rgb8.png", plain, false, {8, 2, 0}},
      {"rgb16.png", plain, true, {16, 2, 0}},
      {"palette.png", plain + "-colors 200 PNG8:", false, {8, 3, 0}},
      {"grey1.png", plain + grey + "1", false, {1, 0, 0}},
      {"grey2.png", plain + grey + "2", false, {2, 0, 0}},
      {"grey4.png", plain + grey + "4", false, {4, 0, 0}},
      {"grey8.png", plain + grey + "8", false, {8, 0, 0}},
      {"grey16.png", plain + grey + "16", true, {16, 0, 0}},
      {"interlaced.png", plain + "-interlace PNG", false, {8, 2, 1}},
      {"interlaced16.png", plain + "-interlace PNG", true, {16, 2, 1}},
      {"rgba.png",
       plain + "-alpha set -channel A -fx 'i/w' +channel -define png:color-type=6",
       false,
       {8, 6, 0}},
  };
  for (const Fixture& fixture : fixtures) {
    std::string options = fixture.options;
    std::string format;
    if (options.ends_with("PNG8:")) {
      options.resize(options.size() - 5);
      format = "PNG8:";
    }
    Make(fixture.name, options, fixture.deep, format);
    const std::string path = Path(fixture.name);
    const test::PngHeader header = test::ReadPngHeader(path);
    ASSERT_EQ(header.bitDepth, fixture.header.bitDepth) << fixture.name;
    ASSERT_EQ(header.colorType, fixture.header.colorType) << fixture.name;
    ASSERT_EQ(header.interlace, fixture.header.interlace) << fixture.name;
    ASSERT_FALSE(test::PngHasChunk(path, "gAMA")) << fixture.name;
    ExpectDecodesAs(path, DecodeWithImageMagick(path));
  }
}

TEST_F(PictureFileTest, TransparencyChunksAreIgnored) {
  ASSERT_TRUE(RunConvert("-size 37x23 -depth 8 rgb:'" + Path("noise.rgb") + "' -colors 16 '" +
                         Path("quantised.miff") + "'"));
  // The colour of the first pixel becomes the transparent palette entry.
  ASSERT_TRUE(RunConvert("'" + Path("quantised.miff") + "' -transparent \"$(convert '" +
                         Path("quantised.miff") + "' -format '%[pixel:p{0,0}]' info:)\" " +
                         kPlainChunks + "PNG8:'" + Path("palette_trns.png") + "'"));
  ASSERT_TRUE(test::PngHasChunk(Path("palette_trns.png"), "tRNS"));
  ExpectDecodesAs(Path("palette_trns.png"), DecodeWithImageMagick(Path("palette_trns.png")));

  // An RGB picture with one transparent colour.
  ASSERT_TRUE(RunConvert("-size 37x23 -depth 8 rgb:'" + Path("noise.rgb") +
                         "' -fill blue -draw 'rectangle 3,3 9,9' -transparent blue " +
                         kPlainChunks + "-define png:color-type=2 '" + Path("rgb_trns.png") + "'"));
  ASSERT_TRUE(test::PngHasChunk(Path("rgb_trns.png"), "tRNS"));
  ExpectDecodesAs(Path("rgb_trns.png"), DecodeWithImageMagick(Path("rgb_trns.png")));
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
  for (std::string kind : {"BMP3", "BMP", "BMP2"}) {
    Make(kind + ".bmp", "", false, kind + ":");
    ExpectDecodesAs(Path(kind + ".bmp"), DecodeWithImageMagick(Path(kind + ".bmp")), false);
  }
  Make("palette.bmp", "-colors 100 -type Palette", false, "BMP3:");
  ExpectDecodesAs(Path("palette.bmp"), DecodeWithImageMagick(Path("palette.bmp")), false);
}

// Replaces a chunk's CRC with the right one after its bytes were changed.
void FixCrc(std::vector<uint8_t>* png, size_t chunkStart) {
  const uint32_t length = ((*png)[chunkStart] << 24) | ((*png)[chunkStart + 1] << 16) |
                          ((*png)[chunkStart + 2] << 8) | (*png)[chunkStart + 3];
  const uint32_t crc = crc32(0, png->data() + chunkStart + 4, length + 4);
  for (int i = 0; i < 4; ++i)
    (*png)[chunkStart + 8 + length + i] = static_cast<uint8_t>(crc >> (24 - 8 * i));
}

TEST_F(PictureFileTest, DamagedOrHugePicturesFailWithoutASurface) {
  assetkit::PngPicture picture{64, 64, assetkit::PngColor::kRgb, test::NoiseBytes(64 * 64 * 3, 3)};
  const std::vector<uint8_t> good = assetkit::EncodePng(picture);
  ASSERT_FALSE(good.empty());
  std::vector<std::pair<std::string, std::vector<uint8_t>>> pngs;
  pngs.emplace_back("empty", std::vector<uint8_t>{});
  pngs.emplace_back("signature only", std::vector<uint8_t>(good.begin(), good.begin() + 8));
  pngs.emplace_back("cut in the header", std::vector<uint8_t>(good.begin(), good.begin() + 20));
  pngs.emplace_back("cut in the data",
                    std::vector<uint8_t>(good.begin(), good.begin() + good.size() / 2));
  std::vector<uint8_t> badCrc = good;
  badCrc[good.size() - 13] ^= 0x55;  // the last byte of the data chunk's CRC
  pngs.emplace_back("bad data CRC", badCrc);
  std::vector<uint8_t> badHeaderCrc = good;
  badHeaderCrc[29] ^= 1;
  pngs.emplace_back("bad header CRC", badHeaderCrc);
  for (uint32_t side : {100000u, 16385u, 8192u}) {
    std::vector<uint8_t> huge = good;
    for (int i = 0; i < 4; ++i)
      huge[16 + i] = huge[20 + i] = static_cast<uint8_t>(side >> (24 - 8 * i));
    FixCrc(&huge, 8);
    pngs.emplace_back("declared " + std::to_string(side) + " square", huge);
  }
  for (const auto& [what, bytes] : pngs) {
    test::WriteBytes(Path("bad.png"), bytes);
    std::unique_ptr<Surface> surface;
    EXPECT_FALSE(LoadPngPicture(Path("bad.png"), Factory(PixelLayout::kRgb565), &surface)) << what;
    EXPECT_EQ(surface, nullptr) << what;
    EXPECT_EQ(video_.LiveSurfaceCount(), 0) << what;
  }

  Make("good.bmp", "", false, "BMP3:");
  const std::vector<uint8_t> bmp = test::ReadBytes(Path("good.bmp"));
  std::vector<std::pair<std::string, std::vector<uint8_t>>> bmps;
  bmps.emplace_back("cut in the header", std::vector<uint8_t>(bmp.begin(), bmp.begin() + 30));
  std::vector<uint8_t> wide = bmp;
  wide[21] = 0x7F;  // width 0x7Fxxxxxx
  bmps.emplace_back("gigapixel width", wide);
  std::vector<uint8_t> tall = bmp;
  tall[22] = tall[23] = tall[24] = 0;
  tall[25] = 0x80;  // height -2^31
  bmps.emplace_back("height of -2^31", tall);
  std::vector<uint8_t> info = bmp;
  info[14] = 7;
  bmps.emplace_back("unknown information header", info);
  std::vector<uint8_t> depth = bmp;
  depth[28] = 13;
  bmps.emplace_back("13 bits per pixel", depth);
  std::vector<uint8_t> offset = bmp;
  offset[13] = 0x70;  // pixels far past the end of the file
  bmps.emplace_back("pixel offset past the end", offset);
  for (const auto& [what, bytes] : bmps) {
    test::WriteBytes(Path("bad.bmp"), bytes);
    std::unique_ptr<Surface> surface;
    EXPECT_FALSE(LoadBmpPicture(Path("bad.bmp"), Factory(PixelLayout::kRgb565), &surface)) << what;
    EXPECT_EQ(video_.LiveSurfaceCount(), 0) << what;
  }
  std::unique_ptr<Surface> surface;
  EXPECT_FALSE(LoadPngPicture(Path("good.bmp"), Factory(PixelLayout::kRgb565), &surface));
  EXPECT_FALSE(LoadBmpPicture(Path("missing.bmp"), Factory(PixelLayout::kRgb565), &surface));
}

TEST_F(PictureFileTest, AFailingSurfaceFailsTheLoad) {
  const std::string path = Make("rgb8.png", kPlainChunks);
  const SurfaceFactory refuse = [](int, int, std::unique_ptr<Surface>*) {
    return platform::kDdErrOutOfMemory;
  };
  std::unique_ptr<Surface> surface;
  EXPECT_FALSE(LoadPngPicture(path, refuse, &surface));
  const SurfaceFactory lost = [this](int w, int h, std::unique_ptr<Surface>* out) {
    platform::DdResult r = Factory(PixelLayout::kRgb565)(w, h, out);
    (*out)->MarkLost();
    return r;
  };
  EXPECT_FALSE(LoadPngPicture(path, lost, &surface));
  EXPECT_EQ(video_.LiveSurfaceCount(), 0);
}

TEST_F(PictureFileTest, WrittenPngsReadBackInTheIndependentDecoder) {
  const std::vector<uint8_t> noise = test::NoiseBytes(5 * 3 * 4, 9);
  for (assetkit::PngColor color :
       {assetkit::PngColor::kGrey, assetkit::PngColor::kRgb, assetkit::PngColor::kRgba}) {
    const int samples = assetkit::SamplesPerPixel(color);
    assetkit::PngPicture picture{5, 3, color,
                                 std::vector<uint8_t>(noise.begin(), noise.begin() + 15 * samples)};
    ASSERT_TRUE(assetkit::WritePng(Path("written.png"), picture));
    EXPECT_EQ(assetkit::EncodePng(picture), test::ReadBytes(Path("written.png")));
    const std::vector<uint8_t> decoded = DecodeWithImageMagick(Path("written.png"));
    ASSERT_EQ(decoded.size(), 45u);
    for (int i = 0; i < 15; ++i) {
      for (int c = 0; c < 3; ++c) {
        const int sample = color == assetkit::PngColor::kGrey ? 0 : c;
        EXPECT_EQ(decoded[i * 3 + c], picture.pixels[i * samples + sample]);
      }
    }
  }
  EXPECT_TRUE(
      assetkit::EncodePng({4, 4, assetkit::PngColor::kRgb, std::vector<uint8_t>(47)}).empty());
}

}  // namespace
}  // namespace rufo::gfx
