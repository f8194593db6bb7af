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

uint16_t U16(const std::string& bytes, size_t at) {
  uint16_t value = 0;
  std::memcpy(&value, bytes.data() + at, 2);
  return value;
}

Animation TwoFrames() {
  Animation animation;
  animation.width = 6;
  animation.height = 3;
  animation.frameSeconds = 0.25f;
  // a long run that would cross the row end, single pixels, and the value 1 in use
  animation.frames.push_back({7, 7, 7, 7, 7, 7,  //
                              7, 7, 7, 1, 2, 3,  //
                              5, 5, 5, 5, 5, 5});
  animation.frames.push_back(AniFrame(18, 0xF81F));
  return animation;
}

TEST(AniFile, HeaderOffsetsAndFramesReadBack) {
  const Animation animation = TwoFrames();
  const std::string bytes = EncodeAni(animation);
  ASSERT_EQ(bytes.compare(0, 4, "RA10"), 0);
  EXPECT_EQ(U32(bytes, 4), 6u);
  EXPECT_EQ(U32(bytes, 8), 3u);
  EXPECT_EQ(U32(bytes, 12), 16u);
  EXPECT_EQ(U32(bytes, 16), 0xFF00FFu);
  EXPECT_EQ(U32(bytes, 24), 2u);
  float seconds = 0;
  std::memcpy(&seconds, bytes.data() + 28, 4);
  EXPECT_EQ(seconds, 0.25f);
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(bytes.compare(U32(bytes, 32 + 4 * i), 2, "AF"), 0) << "frame " << i;
  }
  const auto decoded = test::DecodeAniBytes(bytes);
  ASSERT_TRUE(decoded);
  EXPECT_EQ(decoded->frames, animation.frames);
}

TEST(AniFile, RunsStopAtRowEndsAndTheMarkerIsNoPixel) {
  const Animation animation = TwoFrames();
  const std::string bytes = EncodeAni(animation);
  const uint16_t marker = static_cast<uint16_t>(U32(bytes, 20));
  EXPECT_NE(marker, 1);  // 1 is a pixel of frame 0
  for (const AniFrame& frame : animation.frames) {
    for (uint16_t pixel : frame)
      EXPECT_NE(pixel, marker);
  }
  // Walk frame 0 the way the game's decoder does, row by row.
  const size_t start = U32(bytes, 32) + 6;
  const size_t end = start + U32(bytes, U32(bytes, 32) + 2);
  size_t at = start;
  for (int row = 0; row < 3; ++row) {
    int written = 0;
    while (written < 6) {
      ASSERT_LT(at, end);
      if (U16(bytes, at) == marker) {
        written += U16(bytes, at + 2);
        at += 6;
      } else {
        ++written;
        at += 2;
      }
    }
    EXPECT_EQ(written, 6) << "a run crossed the end of row " << row;
  }
  EXPECT_EQ(at, end);
  // The full row of 0xF81F is one run: 3 words per row.
  EXPECT_EQ(U32(bytes, U32(bytes, 36) + 2), 3u * 3 * 2);
}

TEST(AniFile, FramesOfTheWrongSizeAreRefused) {
  Animation wrong = TwoFrames();
  wrong.frames[1].pop_back();
  EXPECT_THROW(EncodeAni(wrong), std::invalid_argument);
}

}  // namespace
}  // namespace rufo::assetkit
