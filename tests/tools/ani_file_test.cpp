#include "tools/assetkit/ani_file.h"

#include <gtest/gtest.h>

#include <cstring>

#include "tests/support/ani_frames.h"

namespace rufo::assetkit {
namespace {

uint32_t U32(const std::string& bytes, size_t at) {
  uint32_t value = 0;
  std::memcpy(&value, bytes.data() + at, 4);
  return value;
}

// The game's own decoder reads the header and every frame back; frame 0 holds a long run that
// would cross the row end and the value 1, so a run marker taken from the pixels would misread.
TEST(AniFile, TheGameDecodesWhatWasWritten) {
  Animation animation;
  animation.width = 6;
  animation.height = 3;
  animation.frameSeconds = 0.25f;
  animation.frames.push_back({7, 7, 7, 7, 7, 7,  //
                              7, 7, 7, 1, 2, 3,  //
                              5, 5, 5, 5, 5, 5});
  animation.frames.push_back(AniFrame(18, 0xF81F));
  const std::string bytes = EncodeAni(animation);
  const auto decoded = test::DecodeAniBytes(bytes);
  ASSERT_TRUE(decoded);
  EXPECT_EQ(decoded->header.width, 6u);
  EXPECT_EQ(decoded->header.height, 3u);
  EXPECT_EQ(decoded->header.bitsPerPixel, 16u);
  EXPECT_EQ(decoded->header.colorKey, 0xFF00FFu);
  EXPECT_EQ(decoded->header.frameCount, 2u);
  EXPECT_EQ(decoded->header.frameSeconds, 0.25f);
  EXPECT_EQ(decoded->frames, animation.frames);
  // A full row of one colour is a single run of 3 words.
  EXPECT_EQ(U32(bytes, U32(bytes, 36) + 2), 3u * 3 * 2);

  animation.frames[1].pop_back();
  EXPECT_THROW(EncodeAni(animation), std::invalid_argument) << "a frame of the wrong size";
}

}  // namespace
}  // namespace rufo::assetkit
