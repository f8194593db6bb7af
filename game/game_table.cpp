#include "game/game_table.h"

#include <array>

namespace rufo {
namespace {

constexpr std::array<GameInfo, 14> kGames = {{
    {0x202, "NUM", 7, 10, 0x104},
    {0x203, "COL", 8, 10, 0x102},
    {0x302, "DIR", 9, 10, 0x103},
    {0x303, "COL", 11, 10, 0x102},
    {0x304, "LOG", 10, 10, 0x106},
    {0x402, "NOT", 12, 15, 0x105},
    {0x403, "CAT", 13, 10, 0x107},
    {0x502, "NUM", 5, 10, 0x104},
    {0x503, "NAD", 6, 10, 0x104},
    {0x602, "NOT", 3, 10, 0x107},
    {0x603, "COL", 4, 10, 0x102},
    {0x604, "COL2", 2, 10, 0x102},
    {0x702, "LOG", 1, 10, 0x106},
    {0x703, "NUM", 0, 10, 0x104},
}};

}  // namespace

std::span<const GameInfo> Games() {
  return kGames;
}

const GameInfo* FindGame(ScreenId screen) {
  for (const GameInfo& game : kGames) {
    if (game.screen == screen) return &game;
  }
  return nullptr;
}

}  // namespace rufo
