#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>

#include "progress/event.h"
#include "progress/record.h"

namespace rufo::progress {

// One child's tables, as the parents' page and rufo-data show them, in the catalogue's order.
struct ChildProgress {
  struct Game {
    int64_t good = 0;
    int64_t wrong = 0;
    std::optional<int32_t> stickerDay;  // the day the sticker was earned, when the record knows
  };
  struct Lesson {
    int64_t visits = 0;
    int64_t afterLoss = 0;
  };
  std::array<Game, 14> games{};
  std::array<Lesson, 6> lessons{};
  // Seconds played on each of the last kRecentDays days, the oldest first and today last.
  std::array<int64_t, kRecentDays> secondsByDay{};
  bool any = false;  // the record holds something about the child
};

ChildProgress Summarise(std::span<const Event> events, int slot, int32_t today);
// Whole minutes, rounded; a day with any play shows at least one.
int64_t Minutes(int64_t seconds);

}  // namespace rufo::progress
