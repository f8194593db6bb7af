#include "game/row_file.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <string>

#include "tests/game/left_out.h"

namespace rufo {
namespace {

std::vector<RowFileLine> Read(const std::string& text, size_t maxLines, bool* cut) {
  std::FILE* file = fmemopen(const_cast<char*>(text.data()), text.size(), "rb");
  if (text.empty()) file = std::tmpfile();
  EXPECT_NE(file, nullptr);
  std::vector<RowFileLine> rows = ReadRowFileLines(file, maxLines, cut);
  std::fclose(file);
  return rows;
}

TEST(RowFile, SplitsAtEverySeparatorAndReadsWhatIsNotANumberAsZero) {
  const RowFileLine row = ParseRowFileLine("1,-1=\"3\",x, ,7,8,9\r");
  EXPECT_EQ(row.fields, (std::array<int, 6>{1, -1, 0, 3, 0, 0}));
  EXPECT_EQ(row.given, (std::array<bool, 6>{true, true, false, true, false, true}));

  const RowFileLine shorter = ParseRowFileLine("0,1,-1");
  EXPECT_EQ(shorter.fields, (std::array<int, 6>{0, 1, -1, 0, 0, 0}));
  EXPECT_FALSE(shorter.given[3]);
  EXPECT_TRUE(ParseRowFileLine("").Empty());

  const RowFileLine huge = ParseRowFileLine("99999999999999,-99999999999999");
  EXPECT_EQ(huge.fields[0], INT_MAX);
  EXPECT_EQ(huge.fields[1], INT_MIN);
}

TEST(RowFile, AFinalLineBreakOrAnEmptyFileGivesOneEmptyLine) {
  bool cut = true;
  std::vector<RowFileLine> rows = Read("1,2\n3,4", 30, &cut);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[1].fields[0], 3);
  EXPECT_FALSE(cut);

  rows = Read("1,2\n3,4\n", 30, &cut);
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_TRUE(rows[2].Empty());

  EXPECT_EQ(Read("", 30, &cut).size(), 1u);
}

TEST(RowFile, StopsAtTheLimitAndSaysWhetherLinesWereLeft) {
  std::string text;
  for (int i = 0; i < 40; ++i)
    text += std::to_string(i) + ",0,0,0,0,0\n";
  bool cut = false;
  std::vector<RowFileLine> rows = Read(text, 30, &cut);
  ASSERT_EQ(rows.size(), 30u);
  EXPECT_EQ(rows[29].fields[0], 29);
  EXPECT_TRUE(cut);

  rows = Read("1\n2\n", 2, &cut);
  EXPECT_EQ(rows.size(), 2u);
  EXPECT_FALSE(cut);
}

TEST(RowFile, ALongLineIsCutAndItsRestIsNotTakenForALine) {
  const std::string text = "5,6" + std::string(300, ' ') + ",7\n8\n";
  bool cut = false;
  const std::vector<RowFileLine> rows = Read(text, 30, &cut);
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0].fields[1], 6);
  EXPECT_FALSE(rows[0].given[2]);
  EXPECT_EQ(rows[1].fields[0], 8);
}

// Every bad line is set aside with its number and reason, and reading goes on past it; blank
// lines are no rows at all.
TEST(RowFile, PlayableLinesSkipEveryBadLineAndReadOn) {
  std::vector<RowFileLine> lines;
  for (const char* text : {"1,-1", "", "5", "2,-1", "7,7", " ", "3,-1"})
    lines.push_back(ParseRowFileLine(text));
  const RowCheck check = [](const RowFileLine& line) {
    return line.fields[1] == -1 ? std::string() : "no gap in " + std::to_string(line.fields[0]);
  };
  std::vector<LeftOutLines> leftOut;
  EXPECT_EQ(PlayableLines(lines, check, &leftOut), (std::vector<size_t>{0, 3, 6}));
  EXPECT_EQ(LeftOutReasons(leftOut),
            (std::vector<std::string>{"3: no gap in 5", "5: no gap in 7"}));
  EXPECT_EQ(leftOut[0].last, 3u);
}

}  // namespace
}  // namespace rufo
