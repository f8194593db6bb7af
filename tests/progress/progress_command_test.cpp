// rufo-data progress: its arguments, a folder without a record, and the tables and spreadsheet
// rows it prints of a record written here.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>

#include "progress/event.h"
#include "tests/support/process.h"
#include "tests/support/temp_folder.h"

namespace rufo::progress {
namespace {

using namespace std::string_literals;

const int32_t kToday = *ParseDate("2025-03-03");

std::string Progress(const std::string& args, int* exitCode) {
  return test::RunCommand(test::BuiltProgram("rufo-data") + " progress " + args + " 2>&1",
                          exitCode);
}

bool Says(const std::string& output, const std::string& text) {
  return output.find(text) != std::string::npos;
}

TEST(ProgressCommand, WrongArgumentsShowTheUsageAndAMissingRecordFails) {
  test::TempFolder folder;
  const std::string dir = "'" + folder.Path().string() + "'";
  const std::pair<std::string, int> cases[] = {
      {"", 2},
      {dir + " --today", 2},
      {dir + " --today 2025-13-01", 2},
      {dir + " --today 3.3.2025", 2},
      {dir + " " + dir, 2},
      {"--table " + dir, 2},
      {dir + " --today 2025-03-03", 1},
  };
  for (const auto& [args, expected] : cases) {
    int exitCode = -1;
    const std::string output = Progress(args, &exitCode);
    EXPECT_EQ(exitCode, expected) << args << "\n" << output;
    EXPECT_TRUE(Says(output, expected == 2 ? "usage: rufo-data progress HD-FOLDER"
                                           : "no progress record to read"))
        << args << "\n"
        << output;
  }
}

class ProgressRecordCommand : public ::testing::Test {
 protected:
  void WriteRecord(const std::string& text) { folder_.Write(kRecordFileName, text); }
  std::string Run(const std::string& options) {
    int exitCode = -1;
    const std::string output =
        Progress("'" + folder_.Path().string() + "' --today 2025-03-03 " + options, &exitCode);
    EXPECT_EQ(exitCode, 0) << output;
    return output;
  }
  test::TempFolder folder_;
};

// An empty record says so. Then the second child only, with a damaged line among theirs: their
// tables, the damage named, a long day's bar held at an hour and the oldest of the fourteen days
// first.
TEST_F(ProgressRecordCommand, EachChildWithAHistoryGetsTablesAndRows) {
  WriteRecord("");
  EXPECT_EQ(Run(""), "Záznam zatím nic neobsahuje.\n");
  EXPECT_EQ(Run("--csv"),
            "dítě,tabulka,název,správně,chybně,samolepka,návštěvy,po prohře,den,minuty\n");

  const Stamp today{kToday, 9 * 3600};
  WriteRecord(FormatLine(Event::Answer(today, 1, 0x503, true)) + "not a line of ours\n" +
              FormatLine(Event::Answer(today, 1, 0x503, false)) +
              FormatLine(Event::Sticker({kToday - 1, 0}, 1, 6)) +
              FormatLine(Event::Lesson(today, 1, 0x104, true)) +
              FormatLine(Event::Play(today, 1, 2 * 3600)) +
              FormatLine(Event::Play({kToday - 13, 0}, 1, 60)));
  const std::string tables = Run("");
  EXPECT_FALSE(Says(tables, "Dítě 1")) << tables;
  for (const std::string& line :
       {"1 damaged lines skipped"s, "Dítě 2"s,
        "  Hnízda – počítání             1       1  2025-03-02\n"s,
        "  Počítání                      1          1\n"s,
        "  3. 3.   120  " + std::string(60, '#') + "\n", "  18. 2.    1  #\n"s})
    EXPECT_TRUE(Says(tables, line)) << tables;
  EXPECT_LT(tables.find("18. 2."), tables.find("3. 3.")) << "the oldest day first";

  const std::string csv = Run("--csv");
  std::istringstream lines(csv);
  std::string line;
  int rows = 0;
  while (std::getline(lines, line)) {
    if (line.find(" damaged lines") != std::string::npos) continue;
    EXPECT_EQ(std::count(line.begin(), line.end(), ','), 9) << line;
    if (rows++ > 0) {
      EXPECT_TRUE(line.starts_with("2,")) << line;
    }
  }
  EXPECT_EQ(rows, 1 + 14 + 6 + 14) << "a header, then a row per game, lesson and day\n" << csv;
  for (const char* row : {"2,hra,Hnízda – počítání,1,1,2025-03-02,,,,\n",
                          "2,lekce,Počítání,,,,1,1,,\n", "2,den,,,,,,,2025-03-03,120\n"})
    EXPECT_TRUE(Says(csv, row)) << csv;
}

}  // namespace
}  // namespace rufo::progress
