#include <gtest/gtest.h>

#include "platform/pixel_format.h"
#include "tests/gfx/image_magick.h"
#include "tests/support/pictures.h"
#include "tests/support/process.h"
#include "tests/support/temp_folder.h"

namespace rufo {
namespace {

using platform::PixelLayout;

int RufoData(std::vector<std::string> args) {
  args.insert(args.begin(), "picture");
  test::Process process(test::BuiltProgram("rufo-data"), args, {});
  return process.Start() ? process.Wait() : -1;
}

// Each 8-bit sample reduced to the layout's pixel value.
std::vector<uint32_t> Reduced(const std::vector<uint8_t>& rgb, PixelLayout layout) {
  std::vector<uint32_t> pixels;
  for (size_t i = 0; i + 2 < rgb.size(); i += 3) {
    pixels.push_back(platform::GdiColorToPixel(platform::Rgb(rgb[i], rgb[i + 1], rgb[i + 2]),
                                               platform::FormatOf(layout)));
  }
  return pixels;
}

TEST(PictureCommandTest, ShowsWhatALayoutKeepsOfAPictureOrAHitMap) {
  test::TempFolder folder;
  const std::string in = (folder.Path() / "in.png").string();
  const std::string out = (folder.Path() / "out.png").string();
  ASSERT_TRUE(
      test::RunConvert("-seed 5 -size 29x17 plasma:red-blue -interlace PNG "
                       "-define png:exclude-chunk=gAMA,cHRM,sRGB '" +
                       in + "'"));
  const std::vector<uint8_t> reference = test::DecodeWithImageMagick(in);
  ASSERT_EQ(reference.size(), 29u * 17 * 3);
  for (const auto& [name, layout] :
       {std::pair{"555", PixelLayout::kRgb555}, std::pair{"rgbx32", PixelLayout::kRgbx32},
        std::pair{"", PixelLayout::kRgb565}}) {
    ASSERT_EQ(RufoData(*name ? std::vector<std::string>{in, out, "--layout", name}
                             : std::vector<std::string>{in, out}),
              0);
    EXPECT_EQ(Reduced(test::DecodeWithImageMagick(out), layout), Reduced(reference, layout));
  }
  EXPECT_EQ(RufoData({in, out, "--layout", "444"}), 2);
  EXPECT_EQ(RufoData({out + ".missing", out}), 1);

  // Hit maps come out as grey region values.
  const std::string map = (folder.Path() / "bg_mask.png").string();
  const auto halves = [](int x, int) { return x < 320 ? 0x035A28u : 0xFF5A28u; };
  ASSERT_TRUE(test::WritePicture(folder, "bg_mask.png", 640, 480, halves));
  ASSERT_EQ(RufoData({map, out, "--hitmap"}), 0);
  const std::vector<uint8_t> grey = test::DecodeWithImageMagick(out);
  ASSERT_EQ(grey.size(), 640u * 480 * 3);
  EXPECT_EQ(grey[0], 3);
  EXPECT_EQ(grey[1], 3);
  EXPECT_EQ(grey[3 * 639], 255);

  ASSERT_TRUE(test::WritePicture(folder, "bg_mask.png", 320, 960, halves));
  EXPECT_EQ(RufoData({map, out, "--hitmap"}), 1);
}

}  // namespace
}  // namespace rufo
