#include "tools/assetkit/screen_entries.h"

#include <sstream>

namespace rufo::assetkit {
namespace {

constexpr size_t kLineLimit = 254;

std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> fields(1);
  for (char c : line) {
    if (c == '=' || c == ',' || c == '"') {
      fields.emplace_back();
    } else {
      fields.back() += c;
    }
  }
  return fields;
}

std::string FieldAt(const std::vector<std::string>& fields, size_t i) {
  return i < fields.size() ? fields[i] : std::string();
}

bool Begins(const std::string& text, const char* prefix, size_t count) {
  return text.compare(0, count, prefix, count) == 0 && text.size() >= count;
}

// Lines as the game reads them: at most kLineLimit characters (the rest is the next line),
// tabs removed, cut at the first line end.
std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  size_t at = 0;
  while (at < text.size()) {
    std::string raw;
    while (at < text.size() && raw.size() < kLineLimit) {
      const char c = text[at++];
      raw += c;
      if (c == '\n') break;
    }
    std::string line;
    for (char c : raw) {
      if (c == '\r' || c == '\n') break;
      if (c != '\t') line += c;
    }
    lines.push_back(line);
  }
  return lines;
}

}  // namespace

std::vector<ScreenEntryName> ReadScreenEntries(const std::string& text) {
  std::vector<ScreenEntryName> entries;
  std::string prefix;
  for (const std::string& line : Lines(text)) {
    const std::vector<std::string> f = Fields(line);
    const std::string& keyword = f[0];
    if (Begins(keyword, "EMPTY", 5)) {
      entries.push_back({"EMPTY", "", ""});
    } else if (Begins(keyword, "BG", 2)) {
      entries.push_back({"BG", FieldAt(f, 2), FieldAt(f, 1)});
    } else if (Begins(keyword, "BUTTON", 6)) {
      entries.push_back({"BUTTON", FieldAt(f, 4), FieldAt(f, 3)});
    } else if (Begins(keyword, "BITMAP", 6)) {
      entries.push_back({"BITMAP", FieldAt(f, 4), FieldAt(f, 3)});
    } else if (Begins(keyword, "ABITMA", 6)) {
      entries.push_back({"ABITMAP", FieldAt(f, 4), FieldAt(f, 3)});
    } else if (Begins(keyword, "PATH_A", 6)) {
      prefix = FieldAt(f, 1);
    } else if (Begins(keyword, "ANI", 3)) {
      if (Begins(FieldAt(f, 3), "sourc", 5)) {
        entries.push_back({"ANI", FieldAt(f, 5), prefix + FieldAt(f, 4)});
        continue;
      }
      ScreenEntryName entry{"ANI", FieldAt(f, 3), prefix + FieldAt(f, 3)};
      if (Begins(FieldAt(f, 4), "flags", 5)) {
        for (size_t i = 5; i < f.size(); ++i) {
          if (Begins(f[i], "HD_PATH", 7)) {
            entry.path = entry.name;
          } else if (!Begins(f[i], "CLK_PL", 6) && !Begins(f[i], "END_PLAY_NH", 11)) {
            break;
          }
        }
      }
      entries.push_back(entry);
    }
  }
  return entries;
}

}  // namespace rufo::assetkit
