#include <algorithm>
#include <cstdio>
#include <string>
#include <string_view>

#include "platform/data_file.h"
#include "progress/catalogue.h"
#include "progress/record.h"
#include "progress/summary.h"
#include "tools/rufo_data/command.h"

namespace rufo::data_tool {
namespace {

using progress::ChildProgress;

// The text padded with spaces to `width` characters (UTF-8 counted by characters), on the left
// when `right`.
std::string Pad(std::string_view text, size_t width, bool right = false) {
  size_t characters = 0;
  for (unsigned char c : text)
    characters += (c & 0xC0) != 0x80;
  const std::string fill(characters < width ? width - characters : 0, ' ');
  return right ? fill + std::string(text) : std::string(text) + fill;
}

std::string Day(int32_t day) {
  return std::to_string(progress::DayOfMonth(day)) + ". " + std::to_string(progress::MonthOf(day)) +
         ".";
}

void PrintTables(int slot, const ChildProgress& child, int32_t today) {
  std::printf("Dítě %d\n\n", slot + 1);
  std::printf("  %s%s%s  %s\n", Pad("Hra", 22).c_str(), Pad("Správně", 9, true).c_str(),
              Pad("Chybně", 8, true).c_str(), "Samolepka");
  const auto games = progress::Games();
  for (size_t i = 0; i < games.size(); ++i) {
    const ChildProgress::Game& game = child.games[i];
    const std::string sticker = game.stickerDay ? progress::FormatDate(*game.stickerDay) : "–";
    std::printf("  %s%s%s  %s\n", Pad(games[i].name, 22).c_str(),
                Pad(std::to_string(game.good), 9, true).c_str(),
                Pad(std::to_string(game.wrong), 8, true).c_str(), sticker.c_str());
  }
  std::printf("\n  %s%s%s\n", Pad("Lekce", 22).c_str(), Pad("Návštěvy", 9, true).c_str(),
              Pad("Po prohře", 11, true).c_str());
  const auto lessons = progress::Lessons();
  for (size_t i = 0; i < lessons.size(); ++i) {
    std::printf("  %s%s%s\n", Pad(lessons[i].name, 22).c_str(),
                Pad(std::to_string(child.lessons[i].visits), 9, true).c_str(),
                Pad(std::to_string(child.lessons[i].afterLoss), 11, true).c_str());
  }
  std::printf("\n  Minuty hraní za posledních %d dní\n", progress::kRecentDays);
  for (int i = 0; i < progress::kRecentDays; ++i) {
    const int32_t day = today - (progress::kRecentDays - 1) + i;
    const int64_t minutes = progress::Minutes(child.secondsByDay[i]);
    std::printf("  %s%s  %s\n", Pad(Day(day), 7).c_str(),
                Pad(std::to_string(minutes), 4, true).c_str(),
                std::string(static_cast<size_t>(std::min<int64_t>(minutes, 60)), '#').c_str());
  }
  std::printf("\n");
}

// One table for a spreadsheet: a row per game, lesson and day, with the columns that apply.
void PrintCsvRows(int slot, const ChildProgress& child, int32_t today) {
  const std::string who = std::to_string(slot + 1);
  const auto games = progress::Games();
  for (size_t i = 0; i < games.size(); ++i) {
    const ChildProgress::Game& game = child.games[i];
    std::printf("%s,hra,%s,%lld,%lld,%s,,,,\n", who.c_str(), games[i].name,
                static_cast<long long>(game.good), static_cast<long long>(game.wrong),
                game.stickerDay ? progress::FormatDate(*game.stickerDay).c_str() : "");
  }
  const auto lessons = progress::Lessons();
  for (size_t i = 0; i < lessons.size(); ++i) {
    std::printf("%s,lekce,%s,,,,%lld,%lld,,\n", who.c_str(), lessons[i].name,
                static_cast<long long>(child.lessons[i].visits),
                static_cast<long long>(child.lessons[i].afterLoss));
  }
  for (int i = 0; i < progress::kRecentDays; ++i) {
    const int32_t day = today - (progress::kRecentDays - 1) + i;
    std::printf("%s,den,,,,,,,%s,%lld\n", who.c_str(), progress::FormatDate(day).c_str(),
                static_cast<long long>(progress::Minutes(child.secondsByDay[i])));
  }
}

int Usage() {
  std::fprintf(stderr, "usage: rufo-data progress HD-FOLDER [--csv] [--today YYYY-MM-DD]\n");
  return 2;
}

// Prints each child's tables from the progress record in the game's runtime folder.
int RunProgress(std::span<char*> args) {
  std::string folder;
  bool csv = false;
  int32_t today = progress::LocalNow().day;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    if (arg == "--csv") {
      csv = true;
    } else if (arg == "--today" && i + 1 < args.size()) {
      const auto day = progress::ParseDate(args[++i]);
      if (!day) return Usage();
      today = *day;
    } else if (folder.empty() && !arg.starts_with("--")) {
      folder = arg;
    } else {
      return Usage();
    }
  }
  if (folder.empty()) return Usage();
  const std::string path = platform::ResolveDataPath(folder + "/" + progress::kRecordFileName);
  const progress::Record record = progress::ReadRecord(path);
  if (!record.opened) {
    std::fprintf(stderr, "%s: no progress record to read\n", path.c_str());
    return 1;
  }
  if (record.damagedLines || record.tornEnd || record.cutShort) {
    std::fprintf(stderr, "%s: %zu damaged lines%s%s skipped\n", path.c_str(), record.damagedLines,
                 record.tornEnd ? ", a cut last line" : "",
                 record.cutShort ? ", all but the last 4 MiB" : "");
  }
  if (csv)
    std::printf("dítě,tabulka,název,správně,chybně,samolepka,návštěvy,po prohře,den,minuty\n");
  bool any = false;
  for (int slot = 0; slot < progress::kSlots; ++slot) {
    const ChildProgress child = progress::Summarise(record.events, slot, today);
    if (!child.any) continue;
    any = true;
    csv ? PrintCsvRows(slot, child, today) : PrintTables(slot, child, today);
  }
  if (!any && !csv) std::printf("Záznam zatím nic neobsahuje.\n");
  return 0;
}

const Registration kRegistration({"progress", "HD-FOLDER [--csv] [--today YYYY-MM-DD]",
                                  RunProgress});

}  // namespace
}  // namespace rufo::data_tool
