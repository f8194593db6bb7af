#include "tools/rufo_play/report.h"

#include <algorithm>

#include "tools/rufo_play/places.h"

namespace rufo::play {
namespace {

void AddOnce(std::vector<int>& list, int value) {
  if (std::find(list.begin(), list.end(), value) == list.end()) list.push_back(value);
}

void PrintList(std::FILE* out, const char* title, const std::vector<std::string>& items) {
  if (items.empty()) return;
  std::fprintf(out, "%s:\n", title);
  for (const std::string& item : items)
    std::fprintf(out, "  %s\n", item.c_str());
}

}  // namespace

void Report::AddScreen(int id) {
  AddOnce(screens, id);
}

void Report::AddLesson(int id) {
  AddOnce(lessons, id);
}

void Report::Print(std::FILE* out) const {
  std::fprintf(out, "rufo-play %s, seed %u\n", mode.c_str(), seed);
  std::vector<std::string> visited;
  for (int id : screens)
    visited.push_back(Describe(id));
  PrintList(out, "screens visited", visited);
  std::fprintf(out, "questions answered: %d (%d judged good, %d wrong)\n", questions, good, wrong);
  std::string earned;
  for (int sticker : stickers)
    earned.append(" ").append(std::to_string(sticker));
  std::fprintf(out, "stickers: %zu%s%s\n", stickers.size(), earned.empty() ? "" : " -",
               earned.c_str());
  std::vector<std::string> lessonNames;
  for (int id : lessons)
    lessonNames.push_back(Describe(id));
  PrintList(out, "lessons", lessonNames);
  std::fprintf(out, "time: %.1f s of game time in %.2f s\n", gameMs / 1000.0, wallSeconds);
  PrintList(out, "not made yet", missing);
  PrintList(out, "not played", unreachable);
  PrintList(out, "PROBLEMS", problems);
  if (!folder.empty()) std::fprintf(out, "the game's folder is kept: %s\n", folder.c_str());
  std::fprintf(out, "%s\n", Ok() ? "result: ok" : "result: FAILED");
}

}  // namespace rufo::play
