#include "controls/screen_script.h"

#include <algorithm>

#include "controls/control.h"
#include "controls/text_number.h"
#include "engine/interface.h"
#include "platform/picture_limits.h"

namespace rufo {
namespace {

bool IsSeparator(char c) {
  return c == '=' || c == ',' || c == '"' || c == '\r' || c == '\n' || c == '\0';
}

// Whether the text begins with the first `chars` characters of the word.
bool Begins(std::string_view text, std::string_view word, size_t chars) {
  return text.starts_with(word.substr(0, chars));
}

// Reads one line as the game always has: at most 254 characters, the rest of a longer line
// being the next line. False at the end of the file with nothing read.
bool ReadRawLine(std::FILE* file, std::string* line) {
  line->clear();
  int c = 0;
  while (line->size() < ScreenScript::kLineLimit && (c = std::fgetc(file)) != EOF) {
    line->push_back(static_cast<char>(c));
    if (c == '\n') break;
  }
  return !line->empty();
}

// Deletes every tab and ends the line at its first CR, LF or zero byte.
std::string CleanLine(const std::string& raw) {
  std::string line;
  for (char c : raw) {
    if (c == '\r' || c == '\n' || c == '\0') break;
    if (c != '\t') line.push_back(c);
  }
  return line;
}

std::string Field(std::string_view line, int n) {
  std::string field;
  ScreenScript::GetField(line, &field, n);
  return field;
}

}  // namespace

void ScreenScript::Clear() {
  entries_.clear();
}

bool ScreenScript::Parse(const std::string& fileName) {
  Clear();
  std::FILE* file = Engine().OpenDataFile(fileName, "rb", kDataRoot, true);
  if (!file) return false;
  Parse(file);
  std::fclose(file);
  return true;
}

void ScreenScript::Parse(std::FILE* file) {
  Clear();
  animationPrefix_.clear();
  std::string raw;
  while (ReadRawLine(file, &raw)) {
    if (!ParseLine(CleanLine(raw))) break;
  }
}

bool ScreenScript::AddEntry(int32_t type, int32_t x, int32_t y, std::string_view path,
                            std::string_view name, int32_t number, uint32_t flags) {
  if (Count() >= kCapacity) return false;
  entries_.push_back({platform::BoundCoordinate(x), platform::BoundCoordinate(y),
                      std::string(path.substr(0, kTextLimit)),
                      std::string(name.substr(0, kTextLimit)), number, type, nullptr, flags});
  return true;
}

bool ScreenScript::GetField(std::string_view line, std::string* out, int n) {
  out->clear();
  size_t start = 0;
  int separators = 0;
  for (size_t at = 0; at <= line.size(); ++at) {
    const char c = at < line.size() ? line[at] : '\0';
    if (!IsSeparator(c)) continue;
    if (separators == n) {
      out->assign(line.substr(start, at - start));
      return true;
    }
    if (c == '\0') return false;
    ++separators;
    start = at + 1;
  }
  return false;
}

bool ScreenScript::ParseLine(std::string_view line) {
  const std::string keyword = Field(line, 0);
  const auto position = [&](int n) { return ReadInt(Field(line, n)); };
  // Flag words from field `first` on: each "CF_HIDDEN" adds the hidden flag, anything else ends.
  const auto bitmapFlags = [&](int first) {
    uint32_t flags = 0;
    if (!Begins(Field(line, first - 1), "flags", 5)) return flags;
    std::string word;
    for (int n = first; GetField(line, &word, n) && Begins(word, "CF_HIDDEN", 9); ++n)
      flags |= kCfHidden;
    return flags;
  };

  if (Begins(keyword, "EMPTY", 5)) return AddEntry(kEntryEmpty, 0, 0, "", "", 0, 0);
  if (Begins(keyword, "BG", 2)) {
    return AddEntry(kEntryBackground, 0, 0, Field(line, 1), Field(line, 2), 0, 0);
  }
  if (Begins(keyword, "BUTTON", 6)) {
    return AddEntry(kEntryButton, position(1), position(2), Field(line, 3), Field(line, 4), 0, 0);
  }
  if (Begins(keyword, "BITMAP", 6)) {
    return AddEntry(kEntryBitmap, position(1), position(2), Field(line, 3), Field(line, 4), 0,
                    bitmapFlags(6));
  }
  if (Begins(keyword, "ABITMAP", 6)) {
    return AddEntry(kEntryAnimatedBitmap, position(1), position(2), Field(line, 3), Field(line, 4),
                    position(5), bitmapFlags(7));
  }
  if (Begins(keyword, "PATH_ANI", 6)) {
    animationPrefix_ = Field(line, 1);
    return true;
  }
  if (Begins(keyword, "ANI", 3)) return ParseAnimation(line);
  return true;
}

// "ANI=x,y,name[,flags=...]" or "ANI=x,y,source,file,name[,flags=...]".
bool ScreenScript::ParseAnimation(std::string_view line) {
  const bool fromSource = Begins(Field(line, 3), "source", 5);
  const int flagsField = fromSource ? 6 : 4;
  std::string name = Field(line, fromSource ? 5 : 3);
  std::string path = animationPrefix_ + Field(line, fromSource ? 4 : 3);
  uint32_t flags = kCfHideAtEnd;
  if (Begins(Field(line, flagsField), "flags", 5)) {
    std::string word;
    for (int n = flagsField + 1; GetField(line, &word, n); ++n) {
      if (Begins(word, "CLK_PLAY", 6)) {
        flags |= kCfClickPlays;
      } else if (Begins(word, "END_PLAY_NH", 11)) {
        flags &= ~kCfHideAtEnd;
      } else if (!fromSource && Begins(word, "HD_PATH", 7)) {
        path = name;
      } else {
        break;
      }
    }
  }
  return AddEntry(kEntryAnimation, ReadInt(Field(line, 1)), ReadInt(Field(line, 2)), path, name, 0,
                  flags);
}

int ScreenScript::FindEntry(std::string_view name) const {
  for (int i = 0; i < Count(); ++i) {
    if (entries_[i].name == name) return i;
  }
  return -1;
}

int ScreenScript::MatchEvent(const Control* control, int32_t code, std::string_view name,
                             int32_t expectedCode) const {
  if (code != expectedCode) return -1;
  for (int i = 0; i < Count(); ++i) {
    if (entries_[i].name == name && entries_[i].control == control) return i;
  }
  return -1;
}

}  // namespace rufo
