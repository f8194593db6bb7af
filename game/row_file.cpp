#include "game/row_file.h"

#include <cctype>
#include <climits>
#include <cstdlib>

#include "engine/interface.h"

namespace rufo {
namespace {

constexpr const char* kRowFileError = "Chyba pri nacitani skriptu Log.dat!";

bool IsSeparator(char c) {
  return c == ',' || c == '=' || c == '"';
}

int ToInt(const std::string& text) {
  const long value = std::strtol(text.c_str(), nullptr, 10);
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<int>(value);
}

bool HasText(const std::string& text) {
  for (char c : text) {
    if (!std::isspace(static_cast<unsigned char>(c))) return true;
  }
  return false;
}

std::string Quoted(const std::string& dataName) {
  return "\"" + dataName + "\"";
}

}  // namespace

bool RowFileLine::Empty() const {
  for (bool g : given) {
    if (g) return false;
  }
  return true;
}

RowFileLine ParseRowFileLine(const std::string& line) {
  RowFileLine row;
  size_t field = 0;
  std::string text;
  const auto store = [&] {
    if (field < RowFileLine::kFields) {
      row.fields[field] = ToInt(text);
      row.given[field] = HasText(text);
    }
    ++field;
    text.clear();
  };
  for (char c : line) {
    if (IsSeparator(c)) {
      store();
    } else if (c != '\r' && c != '\n') {
      text.push_back(c);
    }
  }
  store();
  return row;
}

std::vector<RowFileLine> ReadRowFileLines(std::FILE* file, size_t maxLines, bool* cut) {
  std::vector<RowFileLine> rows;
  *cut = false;
  std::string line;
  int c = std::fgetc(file);
  while (rows.size() < maxLines) {
    line.clear();
    for (; c != EOF && c != '\n'; c = std::fgetc(file)) {
      if (line.size() < kRowFileLineLimit) line.push_back(static_cast<char>(c));
    }
    rows.push_back(ParseRowFileLine(line));
    if (c == EOF) return rows;
    c = std::fgetc(file);  // past the line feed
  }
  *cut = c != EOF;
  return rows;
}

std::optional<std::vector<RowFileLine>> ReadRowFile(const std::string& dataName, size_t maxLines) {
  Interface& engine = Engine();
  std::FILE* file = engine.OpenDataFile(dataName, "rb", kDataRoot, true);
  if (!file) return std::nullopt;
  bool cut = false;
  std::vector<RowFileLine> rows = ReadRowFileLines(file, maxLines, &cut);
  std::fclose(file);
  if (cut) {
    engine.Log(Quoted(dataName) + ": only the first " + std::to_string(maxLines) +
               " lines are read");
  }
  return rows;
}

std::vector<size_t> PlayableLines(std::span<const RowFileLine> lines, const RowCheck& check,
                                  std::vector<LeftOutLines>* leftOut) {
  std::vector<size_t> playable;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].Empty()) continue;
    std::string reason = check(lines[i]);
    if (reason.empty()) {
      playable.push_back(i);
    } else {
      leftOut->push_back({i + 1, i + 1, std::move(reason)});
    }
  }
  return playable;
}

void LogLeftOut(const std::string& dataName, const std::vector<LeftOutLines>& leftOut) {
  for (const LeftOutLines& left : leftOut) {
    const std::string lines = left.first == left.last ? "line " + std::to_string(left.first)
                                                      : "lines " + std::to_string(left.first) +
                                                            " to " + std::to_string(left.last);
    Engine().Log(Quoted(dataName) + ": " + lines + " left out: " + left.reason);
  }
}

void RowFileUnplayable(const std::string& dataName, const std::string& reason) {
  Engine().Log(Quoted(dataName) + ": " + reason);
  Engine().Fatal(kRowFileError, -1);
}

}  // namespace rufo
