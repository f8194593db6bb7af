#pragma once

#include <string>
#include <string_view>

namespace rufo {

// One line of the cursor file "Cursors.dat":
//   name ":" picture [":" mask] "," hotspot x "," hotspot y "," ("static" | "loop" "," delay)
struct CursorLine {
  static constexpr size_t kNameChars = 50;

  std::string name;  // cut to 50 characters
  std::string picture;
  std::string mask;  // empty for none
  int hotspotX = 0;  // held within platform::kMaxCoordinate
  int hotspotY = 0;
  bool loop = false;  // frames side by side, each as wide as the picture is high
  int delay = 0;
};

enum class CursorLineKind {
  kSkip,    // empty, or a comment starting with ";"
  kCursor,  // a cursor definition
  kError,   // malformed
};

// Lines longer than this are cut to it when the file is read.
inline constexpr size_t kCursorLineLimit = 254;
// The most cursors the set holds.
inline constexpr int kMaxCursors = 32;

CursorLineKind ParseCursorLine(std::string_view line, CursorLine* cursor);

// A number as the file writes it: leading blanks skipped, an optional sign, digits up to the first
// other character; no digits give 0. Values beyond the range of int are held at its ends.
int ParseCursorNumber(std::string_view text);

}  // namespace rufo
