#include "controls/control.h"

#include <cstdio>

#include "controls/control_list.h"
#include "engine/graphics.h"
#include "engine/interface.h"
#include "engine/messages.h"

namespace rufo {

Control::Control(int32_t id) : id_(id) {}

Control::~Control() = default;

std::string Control::TraceName() const {
  if (!name_.empty()) return name_;
  char text[16];
  std::snprintf(text, sizeof text, "0x%x", static_cast<uint32_t>(id_));
  return text;
}

void Control::GetPosition(int* x, int* y) const {
  if (x) *x = position_.x;
  if (y) *y = position_.y;
}

void Control::GetSize(int* w, int* h) const {
  if (!w || !h) return;
  *w = rect_.right;
  *h = rect_.bottom;
}

void Control::SetSize(int w, int h) {
  if (rect_.Width() == w && rect_.Height() == h) return;
  rect_.right = w;
  rect_.bottom = h;
  CreateSurface();
  Refresh();
}

void Control::SetFlags(uint32_t bits) {
  if ((flags_ & bits) == bits) return;
  const bool hiding = (bits & kCfHidden) && !IsHidden();
  const bool disabling = (bits & kCfDisabled) && !IsDisabled();
  if ((hiding || disabling) && HasFocus()) SetFocus(-1);
  flags_ |= bits;
  Refresh();
}

void Control::ClearFlags(uint32_t bits) {
  if ((flags_ & bits) == 0) return;
  flags_ &= ~bits;
  Refresh();
}

void Control::SetHotRect(int left, int top, int right, int bottom) {
  if (left != -1 && top != -1) {
    hotRect_ = {left, top, right, bottom};
    flags_ |= kCfHotRect;
  } else {
    flags_ &= ~kCfHotRect;
  }
}

void Control::SetNeighbours(int32_t next, int32_t previous, int32_t right, int32_t left, int32_t up,
                            int32_t down) {
  neighbours_ = {next, previous, right, left, up, down};
}

void Control::SetTextColor(uint32_t color) {
  textColor_ = color;
  Refresh();
}

void Control::SetBackColor(uint32_t color) {
  backColor_ = color;
  fillPixel_ = Engine().ColorToPixel(color);
  Refresh();
}

void Control::SetColorKey(uint32_t color) {
  colorKey_ = color;
  SetSourceColorKey(surface_.get(), color);
  Refresh();
}

void Control::SetHint(const std::string& text) {
  if (text.empty()) {
    hint_.clear();
    return;
  }
  const std::string_view shown = std::string_view(text).substr(0, kHintChars);
  hint_.assign(shown.size() + 2, ' ');
  shown.copy(hint_.data() + 1, shown.size());
}

bool Control::HasFocus() const {
  return Engine().Controls().Focused() == this;
}

bool Control::IsHovered() const {
  return Engine().Controls().Hovered() == this;
}

bool Control::MouseInside(const platform::Rect& rect) const {
  return Engine().MouseInRect(rect, &position_);
}

bool Control::CreateSurface() {
  surface_.reset();
  Interface& engine = Engine();
  engine.CreatePictureSurface(rect_.right, rect_.bottom, flags_ & kCfVideoMemory, &surface_);
  if (surface_ && (flags_ & kCfTransparent)) SetSourceColorKey(surface_.get(), colorKey_);
  return surface_ != nullptr;
}

void Control::DrawFrame() {
  if (!surface_) return;
  platform::DeviceContext dc(*surface_);
  if (!dc.Valid()) return;
  const Interface& engine = Engine();
  auto frame = [&](int inset) {
    const int w = rect_.right - inset;
    const int h = rect_.bottom - inset;
    dc.SelectPen(engine.WhitePen());
    dc.MoveTo(inset, h - 1);
    dc.LineTo(inset, inset);
    dc.LineTo(w - 1, inset);
    dc.SelectPen(engine.GreyPen());
    dc.LineTo(w - 1, h - 1);
    dc.LineTo(inset, h - 1);
  };
  frame(0);
  if (HasFocus()) frame(1);
  if (IsDisabled()) {
    const int w = rect_.right;
    const int h = rect_.bottom;
    dc.SelectPen(engine.GreyPen());
    dc.MoveTo(1, 1);
    dc.LineTo(w - 2, h - 2);
    dc.MoveTo(w - 2, 1);
    dc.LineTo(1, h - 2);
  }
}

void Control::FillBack() {
  if (surface_) surface_->Fill(nullptr, fillPixel_);
}

void Control::Draw() {
  if (IsHidden() || !surface_) return;
  Interface& engine = Engine();
  platform::Surface* back = engine.BackBuffer();
  if (!back) return;
  const int width = engine.Properties().width;
  const int height = engine.Properties().height;
  int x = position_.x;
  int y = position_.y;
  platform::Rect source = rect_;
  bool clipped = false;
  if (x < 0) {
    source.left -= x;
    x = 0;
    clipped = true;
  } else if (x + source.right >= width) {
    source.right -= x + source.right - width;
    clipped = true;
  }
  if (y < 0) {
    source.top -= y;
    y = 0;
    clipped = true;
  } else if (y + source.bottom >= height) {
    source.bottom -= y + source.bottom - height;
    clipped = true;
  }
  const bool keyed = flags_ & kCfTransparent;
  back->Blit(x, y, *surface_, clipped ? &source : nullptr, keyed);
  if (engine.LayoutMode()) engine.DrawLayoutOutline(x, y, rect_.right, rect_.bottom);
}

void Control::HandleInput(int32_t message, intptr_t param, bool* pass) {
  ControlList& list = Engine().Controls();
  switch (message) {
    case kMsgKeyDown: {
      if (IsDisabled() || !*pass || !HasFocus()) return;
      int neighbour = -1;
      switch (param) {
        case kKeyTab: {
          const Interface& engine = Engine();
          const bool shift = engine.IsKeyDown(kKeyLeftShift) || engine.IsKeyDown(kKeyRightShift);
          neighbour = neighbours_[shift ? 1 : 0];
          break;
        }
        case kKeyRight:
          neighbour = neighbours_[2];
          break;
        case kKeyLeft:
          neighbour = neighbours_[3];
          break;
        case kKeyUp:
          neighbour = neighbours_[4];
          break;
        case kKeyDown:
          neighbour = neighbours_[5];
          break;
        default:
          return;
      }
      *pass = false;
      if (neighbour != -1) list.SetFocus(neighbour);
      return;
    }
    case kMsgLeftUp:
      if (!IsDisabled() && IsHovered()) NotifyGame(this, kEventReleased, true);
      return;
    case kMsgMouseMoved: {
      if (IsDisabled()) return;
      bool inside;
      if (flags_ & kCfHitMap) {
        if (hitIndex_ == 255) return;
        const Interface& engine = Engine();
        inside = HitMapValue(engine.MouseX(), engine.MouseY()) == hitIndex_;
      } else {
        inside = MouseInside(HitRect());
      }
      if (inside && !IsHovered()) {
        list.SetHover(id_);
        NotifyGame(this, kEventHoverEnter, true);
      } else if (!inside && IsHovered()) {
        list.SetHover(-1);
        NotifyGame(this, kEventHoverLeave, true);
      }
      return;
    }
    default:
      return;
  }
}

}  // namespace rufo
