#pragma once

#include <memory>
#include <string>

#include "controls/control.h"
#include "platform/font.h"
#include "platform/rect.h"
#include "progress/summary.h"

namespace rufo {

// Where the parents' page puts its face tabs and its button.
namespace parents_layout {
inline constexpr int kTabX = 330;
inline constexpr int kTabY = 14;
inline constexpr int kTabStep = 66;
inline constexpr int kFaceW = 48;
inline constexpr int kFaceH = 58;
inline constexpr platform::Rect kBackButton{456, 430, 626, 466};
platform::Rect TabRect(int index);
}  // namespace parents_layout

// What the page shows of one child.
struct SheetContent {
  const progress::ChildProgress* child = nullptr;  // none: nobody has played yet
  const uint8_t* stickers = nullptr;               // the profile's fourteen sticker flags
  int selectedTab = -1;
  int tabs = 0;
  int32_t today = 0;
  bool damaged = false;  // part of the record could not be read
};

// The page's texts, tables and chart, drawn with the engine's fonts over the page's picture.
class ParentsSheet final : public Control {
 public:
  explicit ParentsSheet(int32_t id);
  void SetContent(const SheetContent& content);
  void Paint() override;

 private:
  enum Align { kLeft, kRight, kCentre };
  void Text(int x, int y, const std::string& utf8, const platform::Font* font, uint32_t color,
            Align align = kLeft);
  void FillRect(const platform::Rect& rect, uint32_t color);
  void Frame(const platform::Rect& rect, uint32_t color);
  void DrawGames();
  void DrawLessons();
  void DrawChart();
  void DrawNotes();

  SheetContent content_;
  std::unique_ptr<platform::Font> title_;
  std::unique_ptr<platform::Font> bold_;
  std::unique_ptr<platform::Font> plain_;
  std::unique_ptr<platform::Font> small_;
};

}  // namespace rufo
