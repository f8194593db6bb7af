#include "game/parents_sheet.h"

#include <algorithm>

#include "engine/interface.h"
#include "platform/cp1250.h"
#include "platform/device_context.h"
#include "progress/catalogue.h"

namespace rufo {
namespace {

// GDI colours, 0x00BBGGRR.
constexpr uint32_t kKey = 0xFF00FF;
constexpr uint32_t kInk = 0x1E2A3C;
constexpr uint32_t kMuted = 0x5F6A78;
constexpr uint32_t kStripe = 0xE6EEF3;
constexpr uint32_t kLine = 0xB7C3CF;
constexpr uint32_t kGreen = 0x3C9A4A;
constexpr uint32_t kBar = 0xD08A3A;
constexpr uint32_t kWarning = 0x2040B0;
constexpr uint32_t kButton = 0x5AA860;

constexpr int kRowStep = 17;
constexpr int kTableTop = 90;
constexpr int kGamesX = 16, kGamesRight = 362;
constexpr int kLessonsX = 376, kLessonsRight = 626;
constexpr int kChartTop = 244, kChartBase = 338, kChartHeight = 72;

std::string Date(int32_t day) {
  return std::to_string(progress::DayOfMonth(day)) + ". " + std::to_string(progress::MonthOf(day)) +
         ". " + progress::FormatDate(day).substr(0, 4);
}

}  // namespace

namespace parents_layout {
platform::Rect TabRect(int index) {
  const int x = kTabX + index * kTabStep;
  return {x, kTabY, x + kFaceW, kTabY + kFaceH};
}
}  // namespace parents_layout

ParentsSheet::ParentsSheet(int32_t id)
    : Control(id),
      title_(platform::Font::Create(26, true)),
      bold_(platform::Font::Create(15, true)),
      plain_(platform::Font::Create(15, false)),
      small_(platform::Font::Create(13, false)) {
  SetFlags(kCfTransparent);
  SetSize(640, 480);
}

void ParentsSheet::SetContent(const SheetContent& content) {
  content_ = content;
  Refresh();
}

void ParentsSheet::Text(int x, int y, const std::string& utf8, const platform::Font* font,
                        uint32_t color, Align align) {
  platform::DeviceContext dc(*surface_);
  if (!dc.Valid()) return;
  const std::string text = platform::Utf8ToCp1250(utf8);
  dc.SelectFont(font);
  dc.SetTextColor(color);
  dc.SetTransparentBackground(true);
  platform::TextSize size;
  if (align != kLeft && dc.TextExtent(text, &size)) {
    x -= align == kRight ? size.width : size.width / 2;
  }
  dc.TextOut(x, y, text);
}

void ParentsSheet::FillRect(const platform::Rect& rect, uint32_t color) {
  surface_->Fill(&rect, Engine().ColorToPixel(color));
}

void ParentsSheet::Frame(const platform::Rect& r, uint32_t color) {
  FillRect({r.left, r.top, r.right, r.top + 2}, color);
  FillRect({r.left, r.bottom - 2, r.right, r.bottom}, color);
  FillRect({r.left, r.top, r.left + 2, r.bottom}, color);
  FillRect({r.right - 2, r.top, r.right, r.bottom}, color);
}

void ParentsSheet::DrawGames() {
  Text(kGamesX + 4, kTableTop, "Hra", bold_.get(), kInk);
  Text(kGamesX + 190, kTableTop, "Správně", bold_.get(), kInk, kRight);
  Text(kGamesX + 254, kTableTop, "Chybně", bold_.get(), kInk, kRight);
  Text(kGamesX + 266, kTableTop, "Samolepka", bold_.get(), kInk);
  FillRect({kGamesX, kTableTop + kRowStep, kGamesRight, kTableTop + kRowStep + 1}, kLine);
  const auto games = progress::Games();
  for (size_t i = 0; i < games.size(); ++i) {
    const int y = kTableTop + kRowStep * static_cast<int>(i + 1) + 2;
    if (i % 2) FillRect({kGamesX, y - 1, kGamesRight, y + kRowStep - 1}, kStripe);
    const progress::ChildProgress::Game& game = content_.child->games[i];
    Text(kGamesX + 4, y, games[i].name, plain_.get(), kInk);
    Text(kGamesX + 190, y, std::to_string(game.good), plain_.get(), kInk, kRight);
    Text(kGamesX + 254, y, std::to_string(game.wrong), plain_.get(), kInk, kRight);
    const bool earned = content_.stickers && content_.stickers[games[i].sticker];
    const std::string sticker = game.stickerDay ? Date(*game.stickerDay) : earned ? "ano" : "–";
    Text(kGamesX + 266, y, sticker, plain_.get(), earned || game.stickerDay ? kGreen : kMuted);
  }
}

void ParentsSheet::DrawLessons() {
  Text(kLessonsX + 4, kTableTop, "Lekce", bold_.get(), kInk);
  Text(kLessonsX + 160, kTableTop, "Návštěvy", bold_.get(), kInk, kRight);
  Text(kLessonsRight - 4, kTableTop, "Po prohře", bold_.get(), kInk, kRight);
  FillRect({kLessonsX, kTableTop + kRowStep, kLessonsRight, kTableTop + kRowStep + 1}, kLine);
  const auto lessons = progress::Lessons();
  for (size_t i = 0; i < lessons.size(); ++i) {
    const int y = kTableTop + kRowStep * static_cast<int>(i + 1) + 2;
    if (i % 2) FillRect({kLessonsX, y - 1, kLessonsRight, y + kRowStep - 1}, kStripe);
    const progress::ChildProgress::Lesson& lesson = content_.child->lessons[i];
    Text(kLessonsX + 4, y, lessons[i].name, plain_.get(), kInk);
    Text(kLessonsX + 160, y, std::to_string(lesson.visits), plain_.get(), kInk, kRight);
    Text(kLessonsRight - 4, y, std::to_string(lesson.afterLoss), plain_.get(), kInk, kRight);
  }
}

void ParentsSheet::DrawChart() {
  const auto& days = content_.child->secondsByDay;
  Text(kLessonsX + 4, kChartTop - 22, "Minuty hraní za posledních 14 dní", bold_.get(), kInk);
  Text(kLessonsRight, kChartBase + 18, "dnes", small_.get(), kMuted, kRight);
  int64_t most = 10;
  int64_t total = 0;
  for (int64_t seconds : days) {
    most = std::max(most, progress::Minutes(seconds));
    total += seconds;
  }
  if (total == 0) {
    Text((kLessonsX + kLessonsRight) / 2, kChartBase - kChartHeight / 2 - 8,
         "V těchto dnech si dítě nehrálo.", small_.get(), kMuted, kCentre);
  }
  const int step = (kLessonsRight - kLessonsX) / progress::kRecentDays;
  FillRect({kLessonsX, kChartBase, kLessonsRight, kChartBase + 1}, kLine);
  for (int i = 0; i < progress::kRecentDays; ++i) {
    const int x = kLessonsX + i * step;
    const int64_t minutes = progress::Minutes(days[i]);
    const int height = static_cast<int>(minutes * kChartHeight / most);
    if (minutes > 0) {
      FillRect({x + 3, kChartBase - std::max(height, 2), x + step - 2, kChartBase}, kBar);
      Text(x + step / 2, kChartBase - height - 15, std::to_string(minutes), small_.get(), kInk,
           kCentre);
    }
    const int32_t day = content_.today - (progress::kRecentDays - 1) + i;
    const bool today = i == progress::kRecentDays - 1;
    Text(x + step / 2, kChartBase + 3, std::to_string(progress::DayOfMonth(day)),
         today ? bold_.get() : small_.get(), today ? kInk : kMuted, kCentre);
  }
}

void ParentsSheet::DrawNotes() {
  const int x = kGamesX + 4;
  Text(x, 368,
       "Samolepku dítě dostane za deset správných odpovědí v jedné hře (u nářadí za patnáct).",
       small_.get(), kMuted);
  Text(x, 385,
       "Po třech chybách ve hře ho Rufo pošle do lekce, kde se to naučí: sloupec „Po prohře“.",
       small_.get(), kMuted);
  Text(x, 402, "Záznam je uložen v souboru rufo_progress.tsv vedle profilů dětí.", small_.get(),
       kMuted);
  if (content_.damaged) {
    Text(x, 420, "Část záznamu se nepodařilo přečíst; ukazujeme, co se přečíst dalo.", small_.get(),
         kWarning);
  }
}

void ParentsSheet::Paint() {
  if (!surface_) return;
  FillRect({0, 0, 640, 480}, kKey);
  Text(22, 12, "Pro rodiče", title_.get(), kInk);
  Text(24, 46,
       content_.tabs > 1 ? "Dítě vyberete podle jeho obrázku vpravo."
                         : "Jak se dítěti daří ve hrách a v lekcích.",
       plain_.get(), kMuted);
  if (content_.selectedTab >= 0) {
    platform::Rect tab = parents_layout::TabRect(content_.selectedTab);
    Frame({tab.left - 4, tab.top - 4, tab.right + 4, tab.bottom + 4}, kGreen);
  }
  if (content_.child) {
    DrawGames();
    DrawLessons();
    DrawChart();
  } else {
    Text(320, 200, "Zatím si tu žádné dítě nehrálo.", bold_.get(), kInk, kCentre);
    Text(320, 222, "Jakmile si dítě vybere obrázek a začne hrát, uvidíte tu, jak se mu daří.",
         plain_.get(), kMuted, kCentre);
  }
  DrawNotes();
  const platform::Rect& button = parents_layout::kBackButton;
  FillRect(button, kButton);
  Frame(button, kInk);
  Text((button.left + button.right) / 2, button.top + 9, "Zpět na začátek", bold_.get(), 0xFFFFFF,
       kCentre);
}

}  // namespace rufo
