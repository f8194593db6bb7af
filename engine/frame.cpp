#include "controls/control.h"
#include "engine/interface.h"

namespace rufo {

void Interface::ComposeFrame() {
  if (!backBuffer_ || !primary_) return;
  const platform::Rect game{0, 0, props_.width, props_.height};
  if (!background_) {
    backBuffer_->Fill(nullptr, ColorToPixel(0));
  } else if (backBuffer_->Blit(0, 0, *background_, &game, false) == platform::kDdErrSurfaceLost) {
    platform_.video->RestoreAllSurfaces();
    SetBackground(backgroundName_.c_str(), true);
    LoadCursors();
  }
  for (int i = 0; Control* control = controls_.At(i); ++i) control->Draw();
  DrawHint();
  DrawCursor();
  CountFrame();
  DrawDiagnostics();
  Present();
}

void Interface::DrawCursor() {
  if (currentCursor_ < 0 || !ownCursor_) return;
  const Cursor& cursor = cursors_[static_cast<size_t>(currentCursor_)];
  if (!cursor.picture) return;
  platform::Rect source{0, 0, cursor.frameWidth, cursor.frameHeight};
  int x = mouseX_ - cursor.hotspotX;
  int y = mouseY_ - cursor.hotspotY;
  if (x < 0) {
    source.left = -x;
    x = 0;
  } else if (x + source.right >= props_.width) {
    source.right -= x + source.right - props_.width;
  }
  if (y < 0) {
    source.top = -y;
    y = 0;
  } else if (y + source.bottom >= props_.height) {
    source.bottom -= y + source.bottom - props_.height;
  }
  if (source.Empty()) return;
  if (!cursor.mask.empty()) {
    BlendMasked(backBuffer_.get(), x, y, cursor.picture.get(), &source, cursor.mask.data());
  } else {
    backBuffer_->Blit(x, y, *cursor.picture, &source, true);
  }
}

void Interface::CountFrame() {
  const uint32_t now = platform_.clock->NowMs();
  if (!secondStarted_) {
    secondStarted_ = true;
    secondStartMs_ = now;
  }
  if (now - secondStartMs_ >= 1000) {
    framesPerSecond_ = framesCounted_;
    framesCounted_ = 0;
    secondStartMs_ = now;
  } else {
    ++framesCounted_;
  }
}

void Interface::SetDebugText(const std::string& text) { debugText_ = text.substr(0, 255); }

}  // namespace rufo
