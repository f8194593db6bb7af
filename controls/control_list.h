#pragma once

#include <cstdint>
#include <vector>

namespace rufo {

class Control;

// Every live control, in drawing order (first drawn first) which is also the reverse of the
// order input is offered in; plus the control holding the keyboard focus and the one under the
// mouse. The list owns nothing: DestroyControls deletes what it removes.
class ControlList {
 public:
  static constexpr int kCapacity = 255;

  // Appends at the end (on top); false for a null control or a full list.
  bool Add(Control* control);
  // Clears hover and focus if they are this control, and removes it keeping the others' order.
  void Remove(Control* control);
  // Removes and deletes every control except persistent ones, unless all is set.
  void Destroy(bool all);
  // The first control with the id, from the start of the list; nullptr for none.
  Control* Find(int32_t id) const;
  // Moves the control n places towards the end (n at least the count: to the end).
  void Move(int32_t id, int n);
  void SetFocus(int32_t id);
  void SetHover(int32_t id);
  // Makes a listed control the hovered one without refreshing either (layout mode's selection).
  void SetHoveredQuietly(Control* control) { hovered_ = control; }
  // Forgets focus and hover without refreshing either (a screen change is on its way).
  void ForgetFocusAndHover();

  Control* Focused() const { return focused_; }
  Control* Hovered() const { return hovered_; }
  int Count() const { return static_cast<int>(controls_.size()); }
  // The control at an index, or nullptr past the end (the list may shrink while it is walked).
  Control* At(int index) const;

 private:
  std::vector<Control*> controls_;
  Control* focused_ = nullptr;
  Control* hovered_ = nullptr;
};

// The engine's control list.
bool AddControl(Control* control);
void RemoveControl(Control* control);
void DestroyControls(bool all);
Control* FindControl(int32_t id);
void MoveControl(int32_t id, int n);
void SetFocus(int32_t id);
void SetHover(int32_t id);
Control* GetFocusedControl();
Control* GetHoveredControl();
// Reports an event of a control to the game's control-event handler.
void NotifyGame(Control* control, int32_t code, bool flag);

}  // namespace rufo
