#include "controls/frame_script.h"

#include <gtest/gtest.h>

#include <string>

namespace rufo {
namespace {

std::vector<SequenceEntry> Read(std::string text) {
  std::FILE* file = fmemopen(text.data(), text.size(), "rb");
  std::vector<SequenceEntry> script = ReadFrameScript(file);
  std::fclose(file);
  return script;
}

TEST(FrameScriptTest, CountsDashLinesWithACommaSumsTheirTimesAndStopsAt2000) {
  const auto script = Read(
      "; speech of the frog\r\n-1,0.5\r\n3,0.25\r\n-7 0.25\r\n -2,0.5\r\n-12, 0.125\n"
      "-4,zero\n-x,0.25\n-1" +
      std::string(260, ' ') + ",0.5\n-9,0.125");
  // Counted: -1, -12, -4 (no time), -x (frame 0) and -9; the long line's comma is cut off.
  ASSERT_EQ(script.size(), 5u);
  const int frames[] = {1, 12, 4, 0, 9};
  const float ends[] = {0.5f, 0.625f, 0.625f, 0.875f, 1.0f};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(script[i].frame, frames[i]) << i;
    EXPECT_FLOAT_EQ(script[i].endTime, ends[i]) << i;
  }

  std::string text;
  for (int i = 0; i < 2100; ++i)
    text.append("-").append(std::to_string(i)).append(",0.01\n");
  const auto full = Read(text);
  ASSERT_EQ(full.size(), kFrameScriptCapacity);
  EXPECT_EQ(full.back().frame, 1999);
}

}  // namespace
}  // namespace rufo
