#include "controls/control.h"
#include "engine/interface.h"
#include "platform/cp1250.h"

namespace rufo {

using platform::DdResult;
using platform::kDdOk;
using platform::VideoStep;

platform::PixelFormat Interface::DisplayFormat(bool fullScreen) const {
  if (!fullScreen) return platform::FormatOf(platform::PixelLayout::kBgrx32);
  switch (props_.bitsPerPixel) {
    case 15:
      return platform::FormatOf(platform::PixelLayout::kRgb555);
    case 24:
      return platform::FormatOf(platform::PixelLayout::kBgr24);
    case 32:
      return platform::FormatOf(platform::PixelLayout::kBgrx32);
    default:
      return platform::FormatOf(platform::PixelLayout::kRgb565);
  }
}

void Interface::FatalDisplay(const char* step, DdResult result) {
  Fatal(platform::Utf8ToCp1250(std::string("Chyba při inicializaci Direct draw (") + step + ")"),
        result);
}

bool Interface::SetDisplay(bool fullScreen) {
  ReleaseDisplay();
  fullScreen_ = fullScreen;
  platform::VideoDevice& video = *platform_.video;
  if (fullScreen) {
    if (!props_.canFullScreen) return false;
    if (DdResult r = video.Step(VideoStep::kCooperativeLevel); r != kDdOk) {
      FatalDisplay("SetCooperativeLevel", r);
    }
    if (DdResult r = video.Step(VideoStep::kDisplayMode); r != kDdOk) {
      FatalDisplay("SetDisplayMode", r);
    }
    video.SetDisplayMode(props_.width, props_.height, props_.bitsPerPixel);
  } else if (DdResult r = video.Step(VideoStep::kCooperativeLevel); r != kDdOk) {
    FatalDisplay("SetCooperativeLevel", r);
  }

  const platform::PixelFormat format = DisplayFormat(fullScreen);
  DdResult r = video.Step(VideoStep::kPrimarySurface);
  if (r == kDdOk) {
    // The primary is the screen itself: it never competes for off-screen video memory.
    r = video.CreateSurface(props_.width, props_.height, format, platform::SurfaceMemory::kSystem,
                            &primary_);
  }
  if (r != kDdOk) FatalDisplay("PCreateSurface", r);
  if (!fullScreen) {
    if (DdResult c = video.Step(VideoStep::kClipper); c != kDdOk) FatalDisplay("PCreateClipper", c);
  }
  platform_.window->SetFullScreen(fullScreen);

  const bool flipping = fullScreen && props_.pageFlip;
  r = video.Step(flipping ? VideoStep::kAttachedBackBuffer : VideoStep::kBackBuffer);
  if (r == kDdOk) {
    r = CreatePictureSurface(props_.width, props_.height, flipping || props_.videoMemoryBuffers,
                             &backBuffer_);
  }
  if (r != kDdOk) FatalDisplay(flipping ? "BGetAttachedSurface" : "BCreateSurface", r);

  CreatePens();
  SetDebugText(SetBackground(backgroundName_.c_str(), true) ? "1" : "0");
  LoadCursors();
  return true;
}

void Interface::ReleaseDisplay() {
  frameOnScreen_ = false;
  ReleaseCursors();
  background_.reset();
  backBuffer_.reset();
  primary_.reset();
  if (quit_ && platform_.video) platform_.video->RestoreDisplayMode();
}

void Interface::SwitchMode() {
  if (!props_.canFullScreen) return;
  SetDisplay(!fullScreen_);
  for (int i = 0; Control* control = controls_.At(i); ++i) {
    control->Restore();
    control->Refresh();
  }
  bool unconsumed = true;
  CallMessageHook(257, 0, &unconsumed);
  if (fullScreen_ && !ownCursor_) {
    platform_.window->ShowSystemCursor(false);
    ownCursor_ = true;
  }
  ComposeFrame();
  Log("Interface::SwitchMode () OK");
}

uint32_t Interface::ColorToPixel(uint32_t color) const {
  if (!primary_) return 0;
  return platform::GdiColorToPixel(color, primary_->Format());
}

DdResult Interface::CreatePictureSurface(int width, int height, bool videoMemory,
                                         std::unique_ptr<platform::Surface>* out) {
  const platform::PixelFormat format = primary_ ? primary_->Format() : DisplayFormat(fullScreen_);
  DdResult r = platform::kDdErrOutOfVideoMemory;
  if (videoMemory) {
    r = platform_.video->CreateSurface(width, height, format, platform::SurfaceMemory::kVideo, out);
  }
  if (r != kDdOk) {
    r = platform_.video->CreateSurface(width, height, format, platform::SurfaceMemory::kSystem,
                                       out);
  }
  return r;
}

void Interface::Present() {
  const platform::Rect game{0, 0, props_.width, props_.height};
  // A frame equal to the one on screen is neither copied nor uploaded again, so that a screen at
  // rest costs no more than composing it.
  if (frameOnScreen_ && backBuffer_->SamePixels(*primary_, game)) return;
  // The window is given the frame while it is still warm in the cache from composing it. The
  // frame then becomes the primary, and the old primary the back buffer: the next frame is
  // drawn whole over the background, so nothing needs copying.
  platform_.window->Present(*backBuffer_, game);
  std::swap(primary_, backBuffer_);
  frameOnScreen_ = true;
}

}  // namespace rufo
