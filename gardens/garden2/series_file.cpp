#include "gardens/garden2/series_file.h"

#include <string>

namespace rufo {
namespace {

constexpr const char* kSeriesFile = "Data\\Garden2\\Log\\log.dat";
constexpr int kGap = -1;
constexpr size_t kAnswerField = SeriesRow::kColumns;
// A new row is drawn to differ from the one before.
constexpr size_t kRowsNeeded = 2;

bool IsPicture(int value) {
  return value >= 0 && value < SeriesRow::kPictures;
}

std::string NoPicture(int value) {
  return std::to_string(value) + " is none of the pictures 0 to " +
         std::to_string(SeriesRow::kPictures - 1);
}

// Why a line is no series a child can complete, or nothing.
std::string SeriesFault(const RowFileLine& line) {
  int gaps = 0;
  for (int column = 0; column < SeriesRow::kColumns; ++column) {
    const int value = line.fields[column];
    if (value == kGap) {
      ++gaps;
    } else if (!IsPicture(value)) {
      return "its picture " + NoPicture(value);
    }
  }
  if (gaps != 1) return gaps == 0 ? "it has no gap" : "it has more than one gap";
  if (!IsPicture(line.fields[kAnswerField])) {
    return "its answer " + NoPicture(line.fields[kAnswerField]);
  }
  return {};
}

}  // namespace

std::vector<SeriesRow> SeriesRows(const std::vector<RowFileLine>& lines,
                                  std::vector<LeftOutLines>* leftOut) {
  std::vector<SeriesRow> rows;
  for (size_t i : PlayableLines(lines, SeriesFault, leftOut)) {
    SeriesRow row;
    for (int column = 0; column < SeriesRow::kColumns; ++column) {
      row.pictures[column] = lines[i].fields[column];
      if (row.pictures[column] == kGap) row.gap = column;
    }
    row.answer = lines[i].fields[kAnswerField];
    rows.push_back(row);
  }
  return rows;
}

std::vector<SeriesRow> ReadSeriesFile() {
  const std::optional<std::vector<RowFileLine>> lines = ReadRowFile(kSeriesFile, kSeriesLines);
  if (!lines) RowFileUnplayable(kSeriesFile, "the file cannot be read");
  std::vector<LeftOutLines> leftOut;
  std::vector<SeriesRow> rows = SeriesRows(*lines, &leftOut);
  LogLeftOut(kSeriesFile, leftOut);
  if (rows.size() < kRowsNeeded) {
    RowFileUnplayable(kSeriesFile, std::to_string(rows.size()) + " series, the game needs " +
                                       std::to_string(kRowsNeeded));
  }
  return rows;
}

}  // namespace rufo
