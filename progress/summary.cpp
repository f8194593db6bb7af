#include "progress/summary.h"

#include "progress/catalogue.h"

namespace rufo::progress {

ChildProgress Summarise(std::span<const Event> events, int slot, int32_t today) {
  ChildProgress child;
  const int32_t firstDay = today - (kRecentDays - 1);
  for (const Event& e : events) {
    if (e.slot != slot) continue;
    child.any = true;
    switch (e.kind) {
      case Event::Kind::kAnswers:
        if (const int i = GameIndex(e.subject); i >= 0) {
          child.games[i].good += e.a;
          child.games[i].wrong += e.b;
        }
        break;
      case Event::Kind::kSticker:
        if (const int i = GameIndexOfSticker(e.subject); i >= 0) {
          // A sticker is earned once; should the record say it twice, the first day counts.
          auto& day = child.games[i].stickerDay;
          if (!day || e.when.day < *day) day = e.when.day;
        }
        break;
      case Event::Kind::kLesson:
        if (const int i = LessonIndex(e.subject); i >= 0) {
          child.lessons[i].visits += e.a;
          child.lessons[i].afterLoss += e.b;
        }
        break;
      case Event::Kind::kPlay:
        if (e.when.day >= firstDay && e.when.day <= today) {
          child.secondsByDay[e.when.day - firstDay] += e.a;
        }
        break;
      case Event::Kind::kForget:
        break;
    }
  }
  return child;
}

int64_t Minutes(int64_t seconds) {
  if (seconds <= 0) return 0;
  return seconds < 60 ? 1 : (seconds + 30) / 60;
}

}  // namespace rufo::progress
