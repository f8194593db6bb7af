#include "controls/control_list.h"

#include <algorithm>

#include "controls/control.h"
#include "engine/interface.h"

namespace rufo {

bool ControlList::Add(Control* control) {
  if (!control || Count() >= kCapacity) return false;
  if (std::find(controls_.begin(), controls_.end(), control) != controls_.end()) return false;
  controls_.push_back(control);
  return true;
}

void ControlList::Remove(Control* control) {
  if (hovered_ == control) hovered_ = nullptr;
  if (focused_ == control) focused_ = nullptr;
  std::erase(controls_, control);
}

void ControlList::Destroy(bool all) {
  // Deleting a control may remove others from the list, so walk until nothing is left to take.
  for (;;) {
    auto it = std::find_if(controls_.begin(), controls_.end(),
                           [all](Control* c) { return all || !(c->GetFlags() & kCfPersistent); });
    if (it == controls_.end()) return;
    Control* control = *it;
    Remove(control);
    delete control;
  }
}

Control* ControlList::Find(int32_t id) const {
  for (Control* control : controls_) {
    if (control->GetId() == id) return control;
  }
  return nullptr;
}

void ControlList::Move(int32_t id, int n) {
  auto it = std::find_if(controls_.begin(), controls_.end(),
                         [id](Control* c) { return c->GetId() == id; });
  if (it == controls_.end() || n <= 0) return;
  const auto places = std::min<ptrdiff_t>(n, controls_.end() - it - 1);
  std::rotate(it, it + 1, it + 1 + places);
}

void ControlList::SetFocus(int32_t id) {
  Control* target = id == -1 ? nullptr : Find(id);
  if (id != -1 && (!target || (target->GetFlags() & (kCfDisabled | kCfHidden)))) return;
  if (focused_) {
    if (focused_->GetId() == id) return;
    Control* old = focused_;
    focused_ = nullptr;
    old->Refresh();
  }
  focused_ = target;
  if (focused_) focused_->Refresh();
}

void ControlList::SetHover(int32_t id) {
  if (hovered_) {
    if (hovered_->GetId() == id) return;
    Control* old = hovered_;
    hovered_ = nullptr;
    old->Refresh();
  }
  hovered_ = Find(id);
  if (hovered_) hovered_->Refresh();
}

void ControlList::ForgetFocusAndHover() {
  focused_ = nullptr;
  hovered_ = nullptr;
}

Control* ControlList::At(int index) const {
  if (index < 0 || index >= Count()) return nullptr;
  return controls_[static_cast<size_t>(index)];
}

bool AddControl(Control* control) {
  return Engine().Controls().Add(control);
}
void RemoveControl(Control* control) {
  Engine().Controls().Remove(control);
}
void DestroyControls(bool all) {
  Engine().Controls().Destroy(all);
}
Control* FindControl(int32_t id) {
  return Engine().Controls().Find(id);
}
void MoveControl(int32_t id, int n) {
  Engine().Controls().Move(id, n);
}
void SetFocus(int32_t id) {
  Engine().Controls().SetFocus(id);
}
void SetHover(int32_t id) {
  Engine().Controls().SetHover(id);
}
Control* GetFocusedControl() {
  return Engine().Controls().Focused();
}
Control* GetHoveredControl() {
  return Engine().Controls().Hovered();
}
void NotifyGame(Control* control, int32_t code, bool flag) {
  Engine().NotifyGameEvent(control, code, flag);
}

}  // namespace rufo
