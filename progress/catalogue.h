#pragma once

#include <cstdint>
#include <span>

namespace rufo::progress {

// The games and lessons as a parent sees them: their screens and their names in Czech (UTF-8).
struct GameEntry {
  int32_t screen;
  int sticker;
  const char* name;
};
struct LessonEntry {
  int32_t screen;
  const char* name;
};

// The fourteen games, garden by garden, and the six lessons, in the order the tables list them.
std::span<const GameEntry> Games();
std::span<const LessonEntry> Lessons();
// The index of a game or lesson in its list, or -1.
int GameIndex(int32_t screen);
int LessonIndex(int32_t screen);
int GameIndexOfSticker(int sticker);

}  // namespace rufo::progress
