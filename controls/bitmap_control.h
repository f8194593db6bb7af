#pragma once

#include <memory>
#include <string>

#include "controls/control.h"

namespace rufo {

// A picture, or a strip of frames side by side of which one is shown.
class BitmapControl : public Control {
 public:
  static constexpr size_t kPathChars = 259;

  explicit BitmapControl(int32_t id) : Control(id) {}

  // Loads the picture (location selector flags & 3, video memory with flag 0x800, falling back to
  // the other main root) and sizes the control to one frame. False when the picture is missing:
  // the control then draws nothing. The frame time is accepted and not used.
  bool Init(int x, int y, const char* path, int frames, float seconds, uint32_t flags);
  // A frame outside the strip is refused: the current frame stays.
  void SetCurrentFrame(int frame) {
    if (frame >= 0 && frame < frameCount_) currentFrame_ = frame;
  }
  int GetCurrentFrame() const { return currentFrame_; }
  int GetFrameCount() const { return frameCount_; }

  void Paint() override;
  void Refresh() override;
  bool Restore() override;
  void Update() override { Paint(); }
  void HandleInput(int32_t message, intptr_t param, bool* pass) override;

 private:
  std::unique_ptr<platform::Surface> picture_;
  std::string path_;
  int frameCount_ = 0;
  int shownFrame_ = -1;
  int currentFrame_ = 0;
};

}  // namespace rufo
