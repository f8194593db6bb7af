#include "controls/toolbar_control.h"

#include "controls/control_list.h"
#include "controls/game_state.h"
#include "controls/picture_load.h"
#include "engine/graphics.h"
#include "engine/interface.h"
#include "engine/messages.h"

namespace rufo {
namespace {

constexpr float kStartSpeed = 1.005f;
constexpr int kItemRows = 4;
constexpr int kPointingCursor = 4;
constexpr int kArrowCursor = 0;

// Shared by every toolbar: two sliding at once accelerate each other.
float g_slideSpeed = kStartSpeed;

}  // namespace

bool ToolbarControl::Init(int x, int openY, int retractedY, const char* path, uint32_t flags) {
  SetPosition(x, retractedY);
  SetFlags(flags | kCfTransparent);
  path_ = std::string(path).substr(0, kPathChars);
  int width = 0, height = 0;
  if (!LoadPicture(&picture_, path, &width, &height, PictureLoadOptions(flags), true)) return false;
  SetSize(width, height);
  openY_ = openY;
  retractedY_ = retractedY;
  direction_ = 0;
  retracted_ = true;
  return true;
}

bool ToolbarControl::AddItem(int x, int y, const char* name) {
  if (!name || !*name || itemCount_ >= kMaxItems) return false;
  Item& item = items_[itemCount_];
  int width = 0, height = 0;
  if (!LoadPicture(&item.picture, name, &width, &height, PictureLoadOptions(GetFlags()), true)) {
    return false;
  }
  SetSourceColorKey(item.picture.get(), colorKey_);
  item.rect = {x, y, x + width, y + height / kItemRows};
  item.hot = item.rect;
  item.name = std::string(name).substr(0, kNameChars);
  item.state = kItemNormal;
  ++itemCount_;
  return true;
}

void ToolbarControl::EnableItem(int index) {
  if (index < 0 || index >= itemCount_) return;
  items_[index].state = kItemNormal;
  Engine().PostGameMessage(kMsgMouseMoved, 0);
  Paint();
}

void ToolbarControl::DisableItem(int index) {
  if (index < 0 || index >= itemCount_) return;
  items_[index].state = kItemDisabled;
  Paint();
}

void ToolbarControl::Paint() {
  if (!surface_ || !picture_) return;
  surface_->Blit(0, 0, *picture_, nullptr, false);
  for (int i = 0; i < itemCount_; ++i) {
    const Item& item = items_[i];
    if (!item.picture) continue;
    const int height = item.rect.Height();
    const platform::Rect row{0, item.state * height, item.rect.Width(), (item.state + 1) * height};
    surface_->Blit(item.rect.left, item.rect.top, *item.picture, &row, true);
  }
}

bool ToolbarControl::Restore() {
  if (!CreateSurface()) return false;
  bool restored = ReloadPicture(&picture_, path_, rect_.right, rect_.bottom);
  for (int i = 0; i < itemCount_; ++i) {
    Item& item = items_[i];
    restored &=
        ReloadPicture(&item.picture, item.name, item.rect.Width(), item.rect.Height() * kItemRows);
    SetSourceColorKey(item.picture.get(), colorKey_);
  }
  return restored;
}

void ToolbarControl::Update() {
  if (direction_ == 0) return;
  g_slideSpeed *= g_slideSpeed;
  const int step = static_cast<int>(g_slideSpeed);
  int y = position_.y;
  if (direction_ == 1) {
    y -= step;
    if (y < openY_) {
      y = openY_;
      direction_ = 0;
      g_slideSpeed = kStartSpeed;
      retracted_ = false;
      NotifyGame(this, kEventToolbarOpened, true);
    }
  } else {
    y += step;
    if (y > retractedY_) {
      y = retractedY_;
      direction_ = 0;
      g_slideSpeed = kStartSpeed;
      retracted_ = true;
      NotifyGame(this, kEventToolbarClosed, true);
    }
  }
  SetPosition(position_.x, y);
}

int ToolbarControl::ItemUnderMouse() const {
  for (int i = 0; i < itemCount_; ++i) {
    if (items_[i].state != kItemDisabled && MouseInside(items_[i].hot)) return i;
  }
  return -1;
}

void ToolbarControl::ResetItems(bool pointed, bool pressed) {
  for (int i = 0; i < itemCount_; ++i) {
    const int state = items_[i].state;
    if ((pointed && state == kItemPointed) || (pressed && state == kItemPressed)) {
      items_[i].state = kItemNormal;
    }
  }
}

bool ToolbarControl::MouseInStrip(int y) const {
  const Interface& engine = Engine();
  const int x = engine.MouseX();
  return x >= position_.x && x <= position_.x + rect_.right && engine.MouseY() >= y;
}

void ToolbarControl::PointAt() {
  const int i = ItemUnderMouse();
  ResetItems(true, false);
  if (i == -1) {
    Engine().SetCursor(kArrowCursor);
  } else {
    Engine().SetCursor(kPointingCursor);
    if (items_[i].state != kItemPressed) items_[i].state = kItemPointed;
  }
  Paint();
}

void ToolbarControl::HandleInput(int32_t message, intptr_t param, bool* pass) {
  if (IsHidden()) return;
  const bool usable = !IsDisabled() && *pass;
  if (message == kMsgLeftDown && usable &&
      GameStateForControls().speechKind != ControlsGameState::kHelpSpeech) {
    if (MouseInside(rect_) && !retracted_) {
      *pass = false;
      if (const int i = ItemUnderMouse(); i != -1) items_[i].state = kItemPressed;
      Paint();
    }
  } else if (message == kMsgLeftUp && usable && MouseInside(rect_) && !retracted_) {
    chosen_ = -1;
    *pass = false;
    // The release alone chooses: every item returns to normal up to the one under the mouse.
    for (int i = 0; i < itemCount_; ++i) {
      if (items_[i].state == kItemDisabled) continue;
      items_[i].state = kItemNormal;
      if (MouseInside(items_[i].hot)) {
        chosen_ = i;
        Paint();
        NotifyGame(this, kEventClicked, true);
        break;
      }
    }
  } else if (message == kMsgMouseMoved && *pass && direction_ == 0) {
    if (retracted_) {
      if (!IsDisabled()) {
        if (MouseInStrip(retractedY_)) {
          Open();
          *pass = false;
        }
        ResetItems(true, false);
      }
    } else if (MouseInStrip(openY_)) {
      *pass = false;
      PointAt();
    } else {
      if (!keepOpen_) Close();
      ResetItems(true, true);
    }
  }
  Control::HandleInput(message, param, pass);
}

}  // namespace rufo
