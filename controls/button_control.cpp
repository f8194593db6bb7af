#include "controls/button_control.h"

#include "controls/control_list.h"
#include "engine/graphics.h"
#include "engine/interface.h"
#include "engine/messages.h"

namespace rufo {

bool ButtonControl::Init(int x, int y, const char* path, uint32_t flags, int pictures) {
  SetPosition(x, y);
  SetFlags(flags);
  path_ = std::string(path ? path : "").substr(0, kPathChars);
  // A strip cannot be cut into no pictures: take it as one.
  pictureCount_ = pictures > 0 ? pictures : 1;
  int width = 0, height = 0;
  if (LoadPicture(&picture_, path_.c_str(), &width, &height, flags & kCfLocationMask, true)) {
    SetSize(width, height / pictureCount_);
  } else {
    picture_.reset();
    SetSize(8 * static_cast<int>(path_.size()) + 8, 24);
  }
  return true;
}

int ButtonControl::StatePicture() const {
  if (IsDisabled()) return statePictures_.disabled;
  if (pressedBy_ != 0) return statePictures_.pressed;
  if (HasFocus()) return IsHovered() ? statePictures_.focusedHover : statePictures_.focused;
  return IsHovered() ? statePictures_.hover : statePictures_.normal;
}

void ButtonControl::Paint() {
  if (!surface_) return;
  if (!picture_) {
    PaintLabel();
    return;
  }
  const int height = rect_.bottom;
  const int top = StatePicture() * height;
  const platform::Rect state{0, top, rect_.right, top + height};
  surface_->Blit(0, 0, *picture_, &state, false);
  if (flags_ & kCfFramed) DrawFrame();
}

void ButtonControl::PaintLabel() {
  FillBack();
  {
    platform::DeviceContext dc(*surface_);
    if (dc.Valid()) {
      dc.SetBackgroundColor(backColor_);
      dc.SetTextColor(textColor_);
      dc.TextOut(4, 4, path_);
    }
  }
  DrawFrame();
}

bool ButtonControl::Restore() {
  if (!Control::Restore()) return false;
  picture_.reset();
  if (path_.empty()) return true;
  return LoadPicture(&picture_, path_.c_str(), nullptr, nullptr, flags_ & kCfLocationMask, true);
}

void ButtonControl::HandleInput(int32_t message, intptr_t param, bool* pass) {
  switch (message) {
    case kMsgKeyDown: {
      if (IsDisabled() || !*pass) break;
      const int key = static_cast<int>(param);
      const bool pressing = (key == kKeyEscape && (flags_ & kCfEscapePresses)) ||
                            (key == kKeyEnter && ((flags_ & kCfEnterPresses) || HasFocus())) ||
                            (shortcutKey_ != 0 && key == shortcutKey_);
      if (!pressing) break;
      SetFocus(id_);
      pressedBy_ = key;
      Paint();
      *pass = false;
      break;
    }
    case kMsgKeyUp:
      if (pressedBy_ > 0 && pressedBy_ == static_cast<int>(param)) {
        pressedBy_ = 0;
        Paint();
        NotifyGame(this, kEventClicked, *pass);
        *pass = false;
      }
      break;
    case kMsgLeftDown:
    case kMsgLeftDouble:
      if (IsDisabled() || !*pass || !MouseInside(HitRect())) break;
      pressedBy_ = -1;
      SetFocus(id_);
      Paint();
      *pass = false;
      break;
    case kMsgLeftUp:
      if (pressedBy_ != -1) break;
      pressedBy_ = 0;
      Paint();
      if (MouseInside(HitRect())) {
        NotifyGame(this, kEventClicked, *pass);
        *pass = false;
      }
      break;
    default:
      break;
  }
  Control::HandleInput(message, param, pass);
}

}  // namespace rufo
