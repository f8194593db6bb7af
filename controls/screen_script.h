#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace rufo {

class Control;

// Kinds of screen-script entries.
enum ScreenEntryType : int32_t {
  kEntryBackground = 0,      // "BG"
  kEntryBitmap = 1,          // "BITMAP"
  kEntryButton = 2,          // "BUTTON"
  kEntryAnimation = 3,       // "ANI"
  kEntryAnimatedBitmap = 4,  // "ABITMAP"
  kEntryEmpty = 255,         // "EMPTY"
};

// One named line of a screen script.
struct ScreenEntry {
  int32_t x = 0;
  int32_t y = 0;
  std::string path;    // picture or animation file, without extension for animations
  std::string name;    // the key of every lookup
  int32_t number = 0;  // frame count of an animated bitmap
  int32_t type = kEntryBackground;
  Control* control = nullptr;  // created by Load; none for backgrounds and empty entries
  uint32_t flags = 0;
};

// The table of a screen's "screen.dat": its entries in file order and, after Load, the controls
// made for them. The control of entry i has the id 0xFF00 + i.
class ScreenScript {
 public:
  static constexpr int kCapacity = 100;
  static constexpr size_t kLineLimit = 254;
  static constexpr size_t kTextLimit = 255;  // characters kept of a path or a name
  static constexpr int32_t kControlIdBase = 0xFF00;

  ScreenScript() = default;
  virtual ~ScreenScript() = default;

  void Clear();
  // Clears the table and fills it from the file (data root, then runtime root); false only when
  // the file cannot be opened.
  bool Parse(const std::string& fileName);
  // Clears the table and fills it from an open stream.
  void Parse(std::FILE* file);
  // Parse, then creates the controls of every entry.
  bool Load(const std::string& fileName);
  // Appends an entry without a control; false when the table is full. Texts longer than the
  // table keeps are cut; positions are held within platform::kMaxCoordinate.
  bool AddEntry(int32_t type, int32_t x, int32_t y, std::string_view path, std::string_view name,
                int32_t number, uint32_t flags);

  // Field n of a script line: the separators are '=', ',', '"', CR, LF and the end of the line.
  // False, with `out` empty, when the line has fewer than n + 1 fields.
  static bool GetField(std::string_view line, std::string* out, int n);

  // Index of the first entry whose name is exactly `name`, or -1.
  int FindEntry(std::string_view name) const;
  // -1 when code is not expectedCode; else the index of the first entry named `name` whose
  // control is `control`, or -1.
  int MatchEvent(const Control* control, int32_t code, std::string_view name,
                 int32_t expectedCode) const;

  int Count() const { return static_cast<int>(entries_.size()); }
  const ScreenEntry& Entry(int index) const { return entries_[index]; }
  ScreenEntry& Entry(int index) { return entries_[index]; }

  static int32_t ControlId(int index) { return kControlIdBase + index; }
  // The hit-map region of an animation entry: the entry before it (255, none, for the first).
  static uint8_t AnimationHitIndex(int index) { return static_cast<uint8_t>(index - 1); }

 private:
  // Handles one cleaned line; false when it needed an entry and the table is full.
  bool ParseLine(std::string_view line);
  bool ParseAnimation(std::string_view line);
  void CreateControl(int index);

  std::vector<ScreenEntry> entries_;
  std::string animationPrefix_;
};

}  // namespace rufo
