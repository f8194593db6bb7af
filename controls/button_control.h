#pragma once

#include <memory>
#include <string>

#include "controls/control.h"

namespace rufo {

// A button: state pictures stacked from top to bottom, one shown by state. It reports code 256
// when a press by the mouse or by a key is released on it. Without its picture it is a text
// button labelled with the picture's path.
class ButtonControl : public Control {
 public:
  static constexpr size_t kPathChars = 259;

  explicit ButtonControl(int32_t id) : Control(id) {}

  // Always true; a missing picture makes a text button.
  bool Init(int x, int y, const char* path, uint32_t flags, int pictures);
  // 0 not pressed, -1 pressed with the mouse, else the key code that pressed it.
  int PressedBy() const { return pressedBy_; }

  void Paint() override;
  bool Restore() override;
  void HandleInput(int32_t message, intptr_t param, bool* pass) override;

 private:
  int StatePicture() const;
  void PaintLabel();

  std::unique_ptr<platform::Surface> picture_;
  std::string path_;
  int pressedBy_ = 0;
};

}  // namespace rufo
