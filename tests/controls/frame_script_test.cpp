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

TEST(FrameScriptTest, CountsDashLinesWithACommaAndSumsTheirTimes) {
  const auto script = Read(
      "; speech of the frog\r\n"
      "-1,0.5\r\n"
      "3,0.25\r\n"   // no minus sign
      "-7 0.25\r\n"  // no comma
      " -2,0.5\r\n"  // does not begin with the minus sign
      "-12, 0.125\n"
      "-4,zero\n"
      "-x,0.25");
  ASSERT_EQ(script.size(), 4u);
  EXPECT_EQ(script[0].frame, 1);
  EXPECT_FLOAT_EQ(script[0].endTime, 0.5f);
  EXPECT_EQ(script[1].frame, 12);
  EXPECT_FLOAT_EQ(script[1].endTime, 0.625f);
  EXPECT_EQ(script[2].frame, 4);
  EXPECT_FLOAT_EQ(script[2].endTime, 0.625f) << "a time that is not a number adds nothing";
  EXPECT_EQ(script[3].frame, 0) << "a frame that is not a number reads as 0";
  EXPECT_FLOAT_EQ(script[3].endTime, 0.875f);
}

TEST(FrameScriptTest, StopsAtTwoThousandEntriesAndCutsLongLines) {
  std::string text;
  for (int i = 0; i < 2100; ++i)
    text += "-" + std::to_string(i) + ",0.01\n";
  const auto script = Read(text);
  ASSERT_EQ(script.size(), kFrameScriptCapacity);
  EXPECT_EQ(script.back().frame, 1999);

  // The comma of this line lies past the 254 characters read of it.
  const auto cut = Read("-1" + std::string(260, ' ') + ",0.5\n-2,0.5\n");
  ASSERT_EQ(cut.size(), 1u);
  EXPECT_EQ(cut[0].frame, 2);
}

}  // namespace
}  // namespace rufo
