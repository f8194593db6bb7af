#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/rect.h"
#include "platform/surface.h"
#include "platform/window_message.h"

namespace rufo::platform {

// The program's one top-level window. It shows a game area of a fixed size, scaled by an integer
// factor and letterboxed to whatever size the window has, and turns the system's events into
// window messages. Positions it reports are game-area pixels.
class Window {
 public:
  virtual ~Window() = default;

  // title is UTF-8. Returns false when no window can be opened.
  virtual bool Open(const std::string& title, int width, int height) = 0;
  virtual void Close() = 0;
  virtual bool IsOpen() const = 0;

  // Full screen is a borderless window covering the desktop; the desktop's mode stays as it is.
  virtual void SetFullScreen(bool fullScreen) = 0;
  virtual bool PeekMessage(WindowMessage* message) = 0;
  // Shows the area of the surface, scaled to the window.
  virtual void Present(const Surface& surface, const Rect& area) = 0;
  virtual void ShowSystemCursor(bool show) = 0;
  // The system cursor in game-area coordinates; false when the position is unknown (no pointer
  // over the window, or no window at all). While messages are being taken, it is where the
  // pointer was at the last mouse message taken (a press reads where it happened).
  virtual bool CursorPosition(int* x, int* y) = 0;
  // Puts the system's pointer over that game-area pixel.
  virtual void WarpCursor(int x, int y) = 0;
};

std::unique_ptr<Window> CreateSdlWindow();

// A window without a display: messages are injected, presented frames are kept in memory.
class HeadlessWindow final : public Window {
 public:
  bool Open(const std::string& title, int width, int height) override;
  void Close() override { open_ = false; }
  bool IsOpen() const override { return open_; }
  void SetFullScreen(bool fullScreen) override { fullScreen_ = fullScreen; }
  bool PeekMessage(WindowMessage* message) override;
  void Present(const Surface& surface, const Rect& area) override;
  void ShowSystemCursor(bool show) override { cursorShown_ = show; }
  bool CursorPosition(int* x, int* y) override;
  void WarpCursor(int x, int y) override { SetCursorPosition(x, y); }

  // Queues a message; while it is taken, the cursor reads where it was at this call.
  void PostMessage(const WindowMessage& message);
  void SetCursorPosition(int x, int y);
  bool FullScreen() const { return fullScreen_; }
  bool SystemCursorShown() const { return cursorShown_; }
  const std::string& Title() const { return title_; }
  int PresentCount() const { return presentCount_; }
  // The last presented frame as 0x00RRGGBB pixels, row by row (empty before the first).
  std::vector<uint32_t> LastFrame() const;
  // The last presented frame as it was in the surface's own format; nullptr before the first.
  const Surface* LastFrameSurface() const { return lastFrame_.get(); }
  // Off: frames are counted but not kept, as a window that only shows them would (benchmarks).
  void KeepFrames(bool keep) { keepFrames_ = keep; }

 private:
  bool open_ = false;
  bool keepFrames_ = true;
  bool fullScreen_ = false;
  bool cursorShown_ = true;
  struct Cursor {
    bool known = false;
    int x = 0;
    int y = 0;
  };
  struct Queued {
    WindowMessage message;
    Cursor cursor;
  };
  Cursor cursor_;
  // The cursor as it was when the message taken last was posted; unset once the queue is empty.
  std::optional<Cursor> messageCursor_;
  std::string title_;
  std::vector<Queued> queue_;
  size_t queueHead_ = 0;
  std::unique_ptr<Surface> lastFrame_;
  int presentCount_ = 0;
};

// Converts one pixel of a surface to 0x00RRGGBB.
uint32_t PixelToRgb(const Surface& surface, int x, int y);

}  // namespace rufo::platform
