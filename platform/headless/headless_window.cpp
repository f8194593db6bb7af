#include "platform/window.h"

namespace rufo::platform {

uint32_t PixelToRgb(const Surface& surface, int x, int y) {
  uint32_t p = surface.PixelAt(x, y);
  uint32_t r = 0, g = 0, b = 0;
  switch (surface.Layout()) {
    case PixelLayout::kRgb565:
      r = (p >> 11) & 0x1F, g = (p >> 5) & 0x3F, b = p & 0x1F;
      r = (r << 3) | (r >> 2), g = (g << 2) | (g >> 4), b = (b << 3) | (b >> 2);
      break;
    case PixelLayout::kRgb555:
      r = (p >> 10) & 0x1F, g = (p >> 5) & 0x1F, b = p & 0x1F;
      r = (r << 3) | (r >> 2), g = (g << 3) | (g >> 2), b = (b << 3) | (b >> 2);
      break;
    case PixelLayout::kBgr24:
    case PixelLayout::kBgrx32:
      r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
      break;
    case PixelLayout::kRgb24:
    case PixelLayout::kRgbx32:
      r = p & 0xFF, g = (p >> 8) & 0xFF, b = (p >> 16) & 0xFF;
      break;
    case PixelLayout::kUnsupported:
      break;
  }
  return (r << 16) | (g << 8) | b;
}

bool HeadlessWindow::Open(const std::string& title, int width, int height) {
  (void)width;
  (void)height;
  title_ = title;
  open_ = true;
  return true;
}

void HeadlessWindow::PostMessage(const WindowMessage& message) {
  queue_.push_back({message, cursor_});
}

bool HeadlessWindow::PeekMessage(WindowMessage* message) {
  if (queueHead_ >= queue_.size()) {
    queue_.clear();
    queueHead_ = 0;
    messageCursor_.reset();
    return false;
  }
  const Queued& queued = queue_[queueHead_++];
  *message = queued.message;
  messageCursor_ = queued.cursor;
  return true;
}

void HeadlessWindow::Present(const Surface& surface, const Rect& area) {
  const Rect r = Intersect(area, surface.Bounds());
  if (r.Empty()) return;
  ++presentCount_;
  if (!keepFrames_) return;
  // Keep a copy in the surface's own format; converting happens only when a frame is read.
  if (!lastFrame_ || lastFrame_->Width() != r.Width() || lastFrame_->Height() != r.Height() ||
      lastFrame_->Format() != surface.Format()) {
    lastFrame_ = std::make_unique<Surface>(r.Width(), r.Height(), surface.Format(),
                                           SurfaceMemory::kSystem, nullptr);
  }
  lastFrame_->Blit(0, 0, surface, &r, false);
}

std::vector<uint32_t> HeadlessWindow::LastFrame() const {
  std::vector<uint32_t> pixels;
  if (!lastFrame_) return pixels;
  pixels.reserve(static_cast<size_t>(lastFrame_->Width()) * lastFrame_->Height());
  for (int y = 0; y < lastFrame_->Height(); ++y) {
    for (int x = 0; x < lastFrame_->Width(); ++x)
      pixels.push_back(PixelToRgb(*lastFrame_, x, y));
  }
  return pixels;
}

void HeadlessWindow::SetCursorPosition(int x, int y) {
  cursor_ = {true, x, y};
  messageCursor_.reset();
}

bool HeadlessWindow::CursorPosition(int* x, int* y) {
  const Cursor& cursor = messageCursor_ ? *messageCursor_ : cursor_;
  if (!cursor.known) return false;
  *x = cursor.x;
  *y = cursor.y;
  return true;
}

}  // namespace rufo::platform
