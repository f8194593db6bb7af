#include "controls/bitmap_control.h"

#include "controls/control_list.h"
#include "controls/picture_load.h"
#include "engine/graphics.h"
#include "engine/interface.h"
#include "engine/messages.h"

namespace rufo {

bool BitmapControl::Init(int x, int y, const char* path, int frames, float /*seconds*/,
                         uint32_t flags) {
  SetPosition(x, y);
  SetFlags(flags);
  path_ = std::string(path ? path : "").substr(0, kPathChars);
  // A strip cannot be cut into no frames: take it as one.
  frameCount_ = frames > 0 ? frames : 1;
  int width = 0, height = 0;
  if (!LoadPicture(&picture_, path_.c_str(), &width, &height, PictureLoadOptions(flags), true)) {
    return false;
  }
  shownFrame_ = -1;
  currentFrame_ = 0;
  SetSize(width / frameCount_, height);
  return true;
}

void BitmapControl::Paint() {
  if (!surface_ || !picture_ || currentFrame_ == shownFrame_) return;
  const int width = rect_.right;
  const platform::Rect frame{currentFrame_ * width, 0, (currentFrame_ + 1) * width, rect_.bottom};
  surface_->Blit(0, 0, *picture_, &frame, false);
  if (flags_ & kCfFramed) DrawFrame();
  shownFrame_ = currentFrame_;
}

void BitmapControl::Refresh() {
  shownFrame_ = -1;
  Paint();
}

bool BitmapControl::Restore() {
  if (!Control::Restore()) return false;
  picture_.reset();
  shownFrame_ = -1;
  if (path_.empty()) {
    int width = rect_.right, height = rect_.bottom;
    return LoadPicture(&picture_, nullptr, &width, &height, kLoadEmpty, false);
  }
  return LoadPicture(&picture_, path_.c_str(), nullptr, nullptr, kDataRoot, true);
}

void BitmapControl::HandleInput(int32_t message, intptr_t param, bool* pass) {
  if (IsDisabled()) return;
  if (*pass && MouseInside(rect_)) {
    if (message == kMsgLeftDown || message == kMsgLeftDouble) NotifyGame(this, kEventClicked, true);
    if (message == kMsgLeftUp) NotifyGame(this, kEventReleasedOver, true);
  }
  Control::HandleInput(message, param, pass);
}

}  // namespace rufo
