#include "progress/catalogue.h"

namespace rufo::progress {
namespace {

constexpr GameEntry kGames[] = {
    {0x202, 7, "Žabky – počítání"},  {0x203, 8, "Kytičky – barvy"},
    {0x302, 9, "Zalévání – směry"},  {0x303, 11, "Myška – barvy"},
    {0x304, 10, "Ptáček – řady"},    {0x402, 12, "Nářadí – pojmy"},
    {0x403, 13, "Záhony – tvary"},   {0x502, 5, "Datel – počítání"},
    {0x503, 6, "Hnízda – počítání"}, {0x602, 3, "Papoušci – tvary"},
    {0x603, 4, "Louka – barvy"},     {0x604, 2, "Včelky – barvy"},
    {0x702, 1, "Mřížka – logika"},   {0x703, 0, "Beruška – počítání"},
};

constexpr LessonEntry kLessons[] = {
    {0x102, "Barvy"},
    {0x103, "Směry"},
    {0x104, "Počítání"},
    {0x105, "Pojmy"},
    {0x106, "Logika (spižírna)"},
    {0x107, "Tvary"},
};

}  // namespace

std::span<const GameEntry> Games() {
  return kGames;
}

std::span<const LessonEntry> Lessons() {
  return kLessons;
}

int GameIndex(int32_t screen) {
  for (size_t i = 0; i < std::size(kGames); ++i) {
    if (kGames[i].screen == screen) return static_cast<int>(i);
  }
  return -1;
}

int LessonIndex(int32_t screen) {
  for (size_t i = 0; i < std::size(kLessons); ++i) {
    if (kLessons[i].screen == screen) return static_cast<int>(i);
  }
  return -1;
}

int GameIndexOfSticker(int sticker) {
  for (size_t i = 0; i < std::size(kGames); ++i) {
    if (kGames[i].sticker == sticker) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace rufo::progress
