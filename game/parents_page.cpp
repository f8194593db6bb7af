#include "game/parents_page.h"

#include <algorithm>
#include <memory>
#include <string>

#include "controls/bitmap_control.h"
#include "controls/control_list.h"
#include "engine/interface.h"
#include "engine/messages.h"
#include "game/common_controls.h"
#include "game/game_state.h"
#include "game/parents_sheet.h"
#include "game/progress.h"

namespace rufo {
namespace {

constexpr int32_t kSheetId = 47;
constexpr int32_t kFirstTabId = 48;

// The children the page lists, in slot order: those with a profile or a history.
int TabOf(const std::array<bool, 4>& listed, int slot) {
  int tab = 0;
  for (int s = 0; s < slot; ++s)
    tab += listed[s];
  return tab;
}

bool MouseIn(const platform::Rect& rect) {
  const int x = Engine().MouseX();
  const int y = Engine().MouseY();
  return x >= rect.left && x < rect.right && y >= rect.top && y < rect.bottom;
}

}  // namespace

void ParentsScreen::Build() {
  State().screen->Load("Data\\Parents\\screen.dat");
  HideToolbar();
  record_ = progress::ReadForPage();
  today_ = progress::Now().day;
  auto sheet = std::make_unique<ParentsSheet>(kSheetId);
  sheet_ = sheet.get();
  AddControl(sheet.release());
  const ProfileTable& profiles = State().profiles;
  for (int slot = 0; slot < kProfileCount; ++slot) {
    listed_[slot] = profiles[slot].inUse || progress::Summarise(record_.events, slot, today_).any;
    if (!listed_[slot]) continue;
    const platform::Rect place = parents_layout::TabRect(TabOf(listed_, slot));
    auto face = std::make_unique<BitmapControl>(kFirstTabId + slot);
    const std::string picture = "Bitmaps\\Parents\\face" + std::to_string(slot + 1);
    if (!face->Init(place.left, place.top, picture.c_str(), kFacePictures, 0, 0)) continue;
    face->SetCurrentFrame(std::max(profiles[slot].face, 0));
    face->Refresh();
    AddControl(face.release());
  }
  const int current = State().currentProfile;
  int first = -1;
  for (int slot = kProfileCount - 1; slot >= 0; --slot) {
    if (listed_[slot]) first = slot;
  }
  Show(current >= 0 && current < kProfileCount && listed_[current] ? current : first);
}

void ParentsScreen::Show(int slot) {
  shown_ = slot;
  SheetContent content;
  content.today = today_;
  content.tabs = TabOf(listed_, kProfileCount);
  content.damaged = record_.damagedLines || record_.tornEnd || record_.cutShort;
  if (slot >= 0) {
    child_ = progress::Summarise(record_.events, slot, today_);
    content.child = &child_;
    content.stickers = State().profiles[slot].stickers.data();
    content.selectedTab = TabOf(listed_, slot);
  }
  sheet_->SetContent(content);
}

void ParentsScreen::OnControlEvent(Control* control, int32_t event, bool live) {
  if (!control || event != kEventClicked || !live) return;
  const int slot = control->GetId() - kFirstTabId;
  if (slot >= 0 && slot < kProfileCount && listed_[slot]) Show(slot);
}

void ParentsScreen::OnMessage(const Input& input, bool* /*unconsumed*/) {
  const bool back = (input.message == kMsgLeftUp && MouseIn(parents_layout::kBackButton)) ||
                    (input.message == kMsgKeyDown && input.param == kKeyEscape);
  if (back && !Engine().ScreenChangePending()) Engine().ChangeScreen(kScreenStart, 0, false);
}

bool ParentsScreen::OnPointer(uint8_t /*region*/) {
  bool over = MouseIn(parents_layout::kBackButton);
  for (int slot = 0; slot < kProfileCount; ++slot) {
    over = over || (listed_[slot] && MouseIn(parents_layout::TabRect(TabOf(listed_, slot))));
  }
  if (!over) return false;
  Engine().SetCursor(kCursorHand);
  return true;
}

}  // namespace rufo
