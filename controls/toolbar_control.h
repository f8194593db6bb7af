#pragma once

#include <array>
#include <memory>
#include <string>

#include "controls/control.h"

namespace rufo {

inline constexpr int32_t kEventToolbarOpened = 4096;
inline constexpr int32_t kEventToolbarClosed = 8192;

// The toolbar at the bottom edge: retracted to a thin strip, it slides up with an accelerating
// motion when the mouse reaches the strip, offers up to ten picture items and slides back down
// when the mouse leaves it. An item released over reports code 256 (GetChosenItem).
class ToolbarControl : public Control {
 public:
  static constexpr int kMaxItems = 10;
  static constexpr size_t kPathChars = 259;
  static constexpr size_t kNameChars = 260;
  // Item states, which are also the rows of an item's picture strip.
  enum ItemState { kItemNormal = 0, kItemPointed = 1, kItemPressed = 2, kItemDisabled = 3 };

  explicit ToolbarControl(int32_t id) : Control(id) {}

  // Places the toolbar retracted at (x, retractedY) and loads its picture (flags & 3 selects
  // the root, falling back to the other main root). False without the picture.
  bool Init(int x, int openY, int retractedY, const char* path, uint32_t flags);
  // Adds an item: a strip of four state rows drawn at (x, y) of the toolbar. False for an empty
  // name, an eleventh item or a missing strip.
  bool AddItem(int x, int y, const char* name);
  void Open() { direction_ = 1; }
  void Close() { direction_ = -1; }
  void EnableItem(int index);
  void DisableItem(int index);
  int GetChosenItem() const { return chosen_; }
  void SetKeepOpen(bool keepOpen) { keepOpen_ = keepOpen; }

  int ItemCount() const { return itemCount_; }
  int GetItemState(int index) const { return items_[index].state; }
  bool IsRetracted() const { return retracted_; }
  // 1 opening, -1 closing, 0 still.
  int SlideDirection() const { return direction_; }

  void Paint() override;
  bool Restore() override;
  // One step of a slide.
  void Update() override;
  void HandleInput(int32_t message, intptr_t param, bool* pass) override;

 private:
  struct Item {
    platform::Rect rect;
    platform::Rect hot;
    int state = kItemNormal;
    std::unique_ptr<platform::Surface> picture;
    std::string name;
  };

  // The first item under the mouse that is not disabled, or -1.
  int ItemUnderMouse() const;
  // Returns every item in one of the states to normal.
  void ResetItems(bool pointed, bool pressed);
  // Whether the mouse is within the toolbar's columns and at or below y.
  bool MouseInStrip(int y) const;
  void PointAt();

  bool keepOpen_ = false;
  std::string path_;
  int direction_ = 0;
  bool retracted_ = true;
  int retractedY_ = 0;
  int openY_ = 0;
  std::array<Item, kMaxItems> items_;
  int itemCount_ = 0;
  int chosen_ = -1;
  std::unique_ptr<platform::Surface> picture_;
};

}  // namespace rufo
