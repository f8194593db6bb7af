#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "controls/control_events.h"
#include "platform/rect.h"
#include "platform/surface.h"

namespace rufo {

// Flag bits of a control.
// How far from the origin a control may be placed, and a cursor's hot spot from its corner.
inline constexpr int kPositionLimit = 1 << 16;

inline constexpr uint32_t kCfLocationMask = 0x0003;  // root selector of the control's files
inline constexpr uint32_t kCfEscapePresses = 0x0004;
inline constexpr uint32_t kCfEnterPresses = 0x0008;
inline constexpr uint32_t kCfDisabled = 0x0040;
inline constexpr uint32_t kCfHidden = 0x0080;
inline constexpr uint32_t kCfPersistent = 0x0100;
inline constexpr uint32_t kCfTransparent = 0x0200;
inline constexpr uint32_t kCfFramed = 0x0400;
inline constexpr uint32_t kCfVideoMemory = 0x0800;
inline constexpr uint32_t kCfHotRect = 0x1000;
inline constexpr uint32_t kCfHitMap = 0x2000;
inline constexpr uint32_t kCfClickPlays = 0x4000;
inline constexpr uint32_t kCfHideAtEnd = 0x8000;
inline constexpr uint32_t kCfCaptionBelow = 0x10000;

// Which picture of a button's strip shows in each state.
struct StatePictures {
  int normal = 0;
  int hover = 1;
  int pressed = 2;
  int disabled = 3;
  int focused = 0;
  int focusedHover = 1;
};

// Something on the screen the child can see or click: a rectangle of its own surface drawn at a
// position, with an id, flag bits and virtual operations the engine drives.
class Control {
 public:
  static constexpr size_t kHintChars = 48;

  explicit Control(int32_t id);
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  // Renders the control's look into its own surface.
  virtual void Paint() {}
  // Called after every change of state.
  virtual void Refresh() { Paint(); }
  // Replaces the own surface with an empty one of the rectangle's right x bottom.
  virtual bool CreateSurface();
  // Rebuilds surfaces after they were lost or the display mode changed.
  virtual bool Restore() { return CreateSurface(); }
  // Copies the own surface to the back buffer at the position.
  virtual void Draw();
  // One step of animation per tick.
  virtual void Update() {}
  // Reacts to one input message; clears *pass when it consumed it.
  virtual void HandleInput(int32_t message, intptr_t param, bool* pass);

  int32_t GetId() const { return id_; }
  // The name of the screen-script entry that made the control; empty for controls made by code.
  void SetName(std::string name) { name_ = std::move(name); }
  const std::string& Name() const { return name_; }
  // How the trace names the control: its entry name, else its id ("0xff03").
  std::string TraceName() const;
  uint32_t GetFlags() const { return flags_; }
  // Positions are kept within kPositionLimit of the origin, so that a position plus a size never
  // overflows.
  void SetPosition(int x, int y) {
    position_ = {std::clamp(x, -kPositionLimit, kPositionLimit),
                 std::clamp(y, -kPositionLimit, kPositionLimit)};
  }
  void GetPosition(int* x, int* y) const;
  const platform::Point& Position() const { return position_; }
  void GetSize(int* w, int* h) const;
  void SetSize(int w, int h);
  void SetFlags(uint32_t bits);
  void ClearFlags(uint32_t bits);
  void SetHotRect(int left, int top, int right, int bottom);
  void SetNeighbours(int32_t next, int32_t previous, int32_t right, int32_t left, int32_t up,
                     int32_t down);
  void SetStatePictures(const StatePictures& pictures) { statePictures_ = pictures; }
  void SetPictureCount(int count) { pictureCount_ = count; }
  void SetShortcutKey(int key) { shortcutKey_ = key; }
  void SetTextColor(uint32_t color);
  void SetBackColor(uint32_t color);
  void SetColorKey(uint32_t color);
  // Empty clears the hint; otherwise a space, the first 48 characters and a space.
  void SetHint(const std::string& text);
  const std::string& Hint() const { return hint_; }
  void SetHitIndex(uint8_t index) { hitIndex_ = index; }
  uint8_t HitIndex() const { return hitIndex_; }
  const platform::Rect& Rectangle() const { return rect_; }
  // The rectangle the mouse is tested against, relative to the position.
  const platform::Rect& HitRect() const { return (flags_ & kCfHotRect) ? hotRect_ : rect_; }
  platform::Surface* Surface() { return surface_.get(); }

  bool IsDisabled() const { return flags_ & kCfDisabled; }
  bool IsHidden() const { return flags_ & kCfHidden; }
  bool HasFocus() const;
  bool IsHovered() const;
  // Whether the mouse lies inside the rectangle (or the hot rectangle), offset by the position.
  bool MouseInside(const platform::Rect& rect) const;

 protected:
  // Draws the raised frame onto the own surface (and the focus frame and the disabled cross).
  void DrawFrame();
  // Fills the own surface with the back colour.
  void FillBack();

  platform::Point position_;
  platform::Rect rect_;
  platform::Rect hotRect_;
  std::unique_ptr<platform::Surface> surface_;
  uint32_t textColor_ = 0xFFFFFF;
  uint32_t backColor_ = 0;
  uint32_t colorKey_ = 0xFF00FF;
  uint32_t fillPixel_ = 0;
  std::string hint_;
  StatePictures statePictures_;
  int pictureCount_ = 4;
  int shortcutKey_ = 0;
  int32_t id_;
  std::string name_;
  uint32_t flags_ = 0;
  // Focus neighbours for Tab, Shift+Tab, Right, Left, Up, Down; -1 for none.
  std::array<int32_t, 6> neighbours_{-1, -1, -1, -1, -1, -1};
  uint8_t hitIndex_ = 255;
};

}  // namespace rufo
