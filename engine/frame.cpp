#include "controls/control.h"
#include "engine/graphics.h"
#include "engine/interface.h"
#include "engine/trace.h"
#include "gfx/blend.h"

namespace rufo {

void Interface::ComposeFrame() {
  if (!backBuffer_ || !primary_) return;
  const platform::Rect game{0, 0, props_.width, props_.height};
  // Lost surfaces show first here. The plain fill notices them too, so that a screen without a
  // background picture comes back as well.
  const platform::DdResult result = background_
                                        ? backBuffer_->Blit(0, 0, *background_, &game, false)
                                        : backBuffer_->Fill(nullptr, ColorToPixel(0));
  if (result == platform::kDdErrSurfaceLost) {
    platform_.video->RestoreAllSurfaces();
    SetBackground(backgroundName_.c_str(), true);
    LoadCursors();
  }
  for (int i = 0; Control* control = controls_.At(i); ++i)
    control->Draw();
  DrawHint();
  DrawCursor();
  CountFrame();
  DrawDiagnostics();
  Present();
}

bool Interface::SetBackground(const char* name, bool force) {
  if (name) {
    if (!force && background_ && backgroundName_ == name) return true;
  } else if (!background_) {
    return true;
  }
  // The name may be the remembered one itself, which the next steps clear.
  const std::string wanted = name ? name : "";
  background_.reset();
  const uint32_t memory = props_.videoMemoryBuffers ? kLoadVideoMemory : 0;
  const bool loaded =
      name &&
      (LoadPicture(&background_, wanted.c_str(), nullptr, nullptr, kRuntimeRoot | memory, true) ||
       LoadPicture(&background_, wanted.c_str(), nullptr, nullptr, kDataRoot | memory, true));
  if (!loaded) {
    backgroundName_.clear();
    background_.reset();
    return false;
  }
  backgroundName_ = wanted.substr(0, kMaxPictureName);
  return true;
}

void Interface::DrawLayoutOutline(int x, int y, int w, int h) {
  platform::DeviceContext dc(*backBuffer_);
  if (!dc.Valid()) return;
  dc.SelectPen(whitePen_);
  dc.MoveTo(x, y + h - 1);
  dc.LineTo(x, y);
  dc.LineTo(x + w - 1, y);
  dc.SelectPen(greyPen_);
  dc.LineTo(x + w - 1, y + h - 1);
  dc.LineTo(x, y + h - 1);
}

void Interface::CreatePens() {
  greyPen_ = {0xA0A0A0};
  whitePen_ = {0xFFFFFF};
  framePen_ = {hintStyle_.frameColor};
}

void Interface::SetHintStyle(uint32_t textColor, uint32_t backColor, uint32_t frameColor,
                             float seconds) {
  hintStyle_.textColor = textColor;
  hintStyle_.backColor = backColor;
  hintStyle_.frameColor = frameColor;
  framePen_ = {frameColor};
  hintStyle_.delayMs = seconds > 0 ? static_cast<uint32_t>(seconds * 1000) : 0;
}

// The control that may show its hint: listed, visible, enabled, with a hint, under the mouse.
static bool OffersHint(const Control* control) {
  return control && !(control->GetFlags() & (kCfHidden | kCfDisabled)) &&
         !control->Hint().empty() && control->MouseInside(control->HitRect());
}

void Interface::DrawHint() {
  const uint32_t now = platform_.clock->NowMs();
  if (!hint_.clockStarted) {
    hint_.clockStarted = true;
    hint_.startMs = now;
  }
  if (hint_.controlId == -1) {
    if (currentCursor_ == -1) return;
    for (int i = 0; Control* control = controls_.At(i); ++i) {
      if (OffersHint(control)) {
        hint_.controlId = control->GetId();
        PlaceHint(control->Hint());
        hint_.startMs = now;
        return;
      }
    }
    return;
  }
  const Control* control = controls_.Find(hint_.controlId);
  if (!OffersHint(control)) {
    hint_.controlId = -1;
    return;
  }
  if (hint_.placedAt != platform::Point{mouseX_, mouseY_}) {
    PlaceHint(control->Hint());
    hint_.startMs = now;
  }
  if (now - hint_.startMs < hintStyle_.delayMs) return;
  platform::DeviceContext dc(*backBuffer_);
  if (!dc.Valid()) return;
  dc.SetTextColor(hintStyle_.textColor);
  dc.SetBackgroundColor(hintStyle_.backColor);
  dc.SetTransparentBackground(false);
  dc.TextOut(hint_.x + 1, hint_.y, control->Hint());
  dc.SelectPen(framePen_);
  dc.MoveTo(hint_.x, hint_.y);
  dc.LineTo(hint_.x + hint_.cx, hint_.y);
  dc.LineTo(hint_.x + hint_.cx, hint_.y + hint_.cy);
  dc.LineTo(hint_.x, hint_.y + hint_.cy);
  dc.LineTo(hint_.x, hint_.y);
}

void Interface::PlaceHint(const std::string& text) {
  platform::TextSize size;
  if (TextExtent(text.c_str(), nullptr, &size)) {
    hint_.cx = size.width;
    hint_.cy = size.height;
  }
  const Cursor* cursor =
      currentCursor_ >= 0 ? &cursors_[static_cast<size_t>(currentCursor_)] : nullptr;
  hint_.x = mouseX_ + (cursor ? cursor->frameWidth : 0);
  hint_.y = mouseY_ + (cursor ? cursor->frameHeight : 0) - hint_.cy;
  hint_.placedAt = {mouseX_, mouseY_};
  if (hint_.x > props_.width - hint_.cx) hint_.x = mouseX_ - hint_.cx;
  if (hint_.y > props_.height - hint_.cy) hint_.y = mouseY_ - hint_.cy;
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
    gfx::BlendMasked(backBuffer_.get(), x, y, cursor.picture.get(), &source, cursor.mask.data());
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

void Interface::DrawDiagnostics() {
  if (!props_.showFps && !props_.showDebugText) return;
  platform::DeviceContext dc(*backBuffer_);
  if (!dc.Valid()) return;
  dc.SetTextColor(0x000000);
  dc.SetBackgroundColor(0xFFFFFF);
  dc.SetTransparentBackground(false);
  if (props_.showFps) {
    char line[64];
    const Control* hovered = controls_.Hovered();
    if (layoutMode_ && hovered) {
      std::snprintf(line, sizeof line, "FPS: (%d)   Pos: [%i, %i]", framesPerSecond_,
                    hovered->Position().x, hovered->Position().y);
    } else {
      std::snprintf(line, sizeof line, "FPS: (%d)", framesPerSecond_);
    }
    dc.TextOut(0, 0, line);
  }
  if (props_.showDebugText) dc.TextOut(0, props_.height - 16, debugText_);
}

void Interface::SetDebugText(const std::string& text) {
  std::string kept = text.substr(0, 255);
  if (kept == debugText_) return;
  debugText_ = std::move(kept);
  trace::Debug(debugText_);
}

void Interface::ToggleDebugLines() {
  const bool show = !(props_.showFps || props_.showDebugText);
  props_.showFps = show;
  props_.showDebugText = show;
}

}  // namespace rufo
