#include "gardens/garden2/series_file.h"

#include <string>

#include "engine/interface.h"

namespace rufo {
namespace {

constexpr const char* kSeriesFile = "Data\\Garden2\\Log\\log.dat";
constexpr const char* kUnreadable = "Chyba pri nacitani skriptu Log.dat!";
constexpr int kGap = -1;
constexpr size_t kAnswerField = SeriesRow::kColumns;

bool IsPicture(int value) {
  return value >= 0 && value < SeriesRow::kPictures;
}

}  // namespace

std::vector<SeriesRow> SeriesRows(const std::vector<RowFileLine>& lines,
                                  std::vector<size_t>* leftOut) {
  std::vector<SeriesRow> rows;
  for (size_t i = 0; i < lines.size(); ++i) {
    const RowFileLine& line = lines[i];
    if (line.Empty()) continue;
    SeriesRow row;
    int gaps = 0;
    bool pictures = IsPicture(line.fields[kAnswerField]);
    for (int column = 0; column < SeriesRow::kColumns; ++column) {
      const int value = line.fields[column];
      row.pictures[column] = value;
      if (value == kGap) {
        ++gaps;
        row.gap = column;
      } else {
        pictures = pictures && IsPicture(value);
      }
    }
    row.answer = line.fields[kAnswerField];
    if (gaps != 1 || !pictures) {
      leftOut->push_back(i + 1);
      continue;
    }
    rows.push_back(row);
  }
  return rows;
}

std::vector<SeriesRow> ReadSeriesFile() {
  const std::optional<std::vector<RowFileLine>> lines = ReadRowFile(kSeriesFile, kSeriesLines);
  if (!lines) Engine().Fatal(kUnreadable, -1);
  std::vector<size_t> leftOut;
  std::vector<SeriesRow> rows = SeriesRows(*lines, &leftOut);
  for (size_t line : leftOut) {
    Engine().Log(std::string(kSeriesFile) + ": line " + std::to_string(line) +
                 " is no series and is left out");
  }
  if (rows.size() < 2) Engine().Fatal(kUnreadable, -1);
  return rows;
}

}  // namespace rufo
