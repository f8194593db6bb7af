#include <SDL2/SDL.h>

#include <algorithm>
#include <deque>
#include <optional>
#include <string>

#include "platform/cp1250.h"
#include "platform/sdl/sdl_scan_codes.h"
#include "platform/system_error.h"
#include "platform/window.h"

namespace rufo::platform {
namespace {

Uint32 SdlPixelFormat(PixelLayout layout) {
  switch (layout) {
    case PixelLayout::kRgb565:
      return SDL_PIXELFORMAT_RGB565;
    case PixelLayout::kRgb555:
      return SDL_PIXELFORMAT_RGB555;
    case PixelLayout::kBgr24:
      return SDL_PIXELFORMAT_BGR24;
    case PixelLayout::kRgb24:
      return SDL_PIXELFORMAT_RGB24;
    case PixelLayout::kBgrx32:
      return SDL_PIXELFORMAT_RGB888;
    case PixelLayout::kRgbx32:
      return SDL_PIXELFORMAT_BGR888;
    case PixelLayout::kUnsupported:
      break;
  }
  return SDL_PIXELFORMAT_UNKNOWN;
}

class SdlWindow final : public Window {
 public:
  ~SdlWindow() override { Close(); }

  bool Open(const std::string& title, int width, int height) override {
    if (window_) return true;
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return false;
    videoInitialised_ = true;
    if (!ShowsOnAScreen()) {
      Close();
      SDL_SetError("není k dispozici žádná obrazovka");
      return false;
    }
    width_ = width;
    height_ = height;
    int scale = WindowedScale();
    window_ = SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                               width * scale, height * scale, SDL_WINDOW_RESIZABLE);
    if (!window_) return false;
    renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_ACCELERATED);
    if (!renderer_) renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
    if (!renderer_) return false;
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "nearest");
    SDL_RenderSetLogicalSize(renderer_, width, height);
    SDL_RenderSetIntegerScale(renderer_, SDL_TRUE);
    SDL_StartTextInput();
    return true;
  }

  // Without a display SDL falls back to drivers that draw nowhere; those count only when asked
  // for by name.
  static bool ShowsOnAScreen() {
    const char* requested = SDL_getenv("SDL_VIDEODRIVER");
    if (requested && *requested) return true;
    const std::string driver = SDL_GetCurrentVideoDriver();
    return driver != "offscreen" && driver != "dummy";
  }

  void Close() override {
    if (texture_) SDL_DestroyTexture(texture_);
    if (renderer_) SDL_DestroyRenderer(renderer_);
    if (window_) SDL_DestroyWindow(window_);
    texture_ = nullptr;
    renderer_ = nullptr;
    window_ = nullptr;
    if (videoInitialised_) SDL_QuitSubSystem(SDL_INIT_VIDEO);
    videoInitialised_ = false;
  }

  bool IsOpen() const override { return window_ != nullptr; }

  void SetFullScreen(bool fullScreen) override {
    if (!window_) return;
    if (fullScreen) {
      // Cover the desktop as a borderless window first, so that the window is full screen even
      // where no window manager handles the full-screen request.
      SDL_Rect bounds;
      int display = std::max(SDL_GetWindowDisplayIndex(window_), 0);
      if (SDL_GetDisplayBounds(display, &bounds) == 0) {
        SDL_SetWindowBordered(window_, SDL_FALSE);
        SDL_SetWindowPosition(window_, bounds.x, bounds.y);
        SDL_SetWindowSize(window_, bounds.w, bounds.h);
      }
      SDL_SetWindowFullscreen(window_, SDL_WINDOW_FULLSCREEN_DESKTOP);
    } else {
      SDL_SetWindowFullscreen(window_, 0);
      SDL_SetWindowBordered(window_, SDL_TRUE);
      const int scale = WindowedScale();
      SDL_SetWindowSize(window_, width_ * scale, height_ * scale);
      SDL_SetWindowPosition(window_, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
    }
  }

  bool PeekMessage(WindowMessage* message) override {
    while (pending_.empty()) {
      SDL_Event event;
      if (!SDL_PollEvent(&event)) {
        messagePointer_.reset();
        return false;
      }
      Translate(event);
    }
    *message = pending_.front();
    pending_.pop_front();
    return true;
  }

  void Present(const Surface& surface, const Rect& area) override {
    if (!renderer_) return;
    const Rect r = Intersect(area, surface.Bounds());
    if (r.Empty()) return;
    const Uint32 format = SdlPixelFormat(surface.Layout());
    if (!texture_ || textureFormat_ != format || textureW_ != r.Width() ||
        textureH_ != r.Height()) {
      if (texture_) SDL_DestroyTexture(texture_);
      texture_ =
          SDL_CreateTexture(renderer_, format, SDL_TEXTUREACCESS_STREAMING, r.Width(), r.Height());
      textureFormat_ = format;
      textureW_ = r.Width();
      textureH_ = r.Height();
      if (!texture_) return;
    }
    const int bpp = BytesPerPixel(surface.Format());
    SDL_UpdateTexture(texture_, nullptr, surface.Row(r.top) + r.left * bpp, surface.Pitch());
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    SDL_RenderClear(renderer_);
    SDL_RenderCopy(renderer_, texture_, nullptr, nullptr);
    SDL_RenderPresent(renderer_);
  }

  void ShowSystemCursor(bool show) override { SDL_ShowCursor(show ? SDL_ENABLE : SDL_DISABLE); }

  void WarpCursor(int x, int y) override {
    if (!window_) return;
    // The game area is centred in the window at an integer scale. A window just made full screen
    // may not have its new size yet, so full screen counts with the display's size.
    int w = 0, h = 0;
    SDL_Rect bounds;
    if ((SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN_DESKTOP) &&
        SDL_GetDisplayBounds(std::max(SDL_GetWindowDisplayIndex(window_), 0), &bounds) == 0) {
      w = bounds.w;
      h = bounds.h;
    } else {
      SDL_GetWindowSize(window_, &w, &h);
    }
    const int scale = std::max(std::min(w / width_, h / height_), 1);
    messagePointer_.reset();
    SDL_WarpMouseInWindow(window_, (w - width_ * scale) / 2 + x * scale + scale / 2,
                          (h - height_ * scale) / 2 + y * scale + scale / 2);
  }

  bool CursorPosition(int* x, int* y) override {
    // The window the mouse is over, as SDL tracks it (the browser keeps no window flag for it).
    if (!window_ || SDL_GetMouseFocus() != window_) return false;
    if (messagePointer_) {
      *x = messagePointer_->x;
      *y = messagePointer_->y;
      return true;
    }
    int wx = 0, wy = 0;
    SDL_GetMouseState(&wx, &wy);
    ToGame(wx, wy, x, y);
    return true;
  }

 private:
  // The largest integer multiple of the game area that fits comfortably on the desktop.
  int WindowedScale() const {
    SDL_Rect usable;
    if (SDL_GetDisplayUsableBounds(0, &usable) != 0) return 1;
    int scale = std::min(usable.w * 9 / 10 / width_, usable.h * 9 / 10 / height_);
    return std::max(scale, 1);
  }

  void ToGame(int wx, int wy, int* gx, int* gy) const {
    float lx = 0, ly = 0;
    SDL_RenderWindowToLogical(renderer_, wx, wy, &lx, &ly);
    *gx = static_cast<int>(lx < 0 ? lx - 1 : lx);
    *gy = static_cast<int>(ly < 0 ? ly - 1 : ly);
  }

  void Post(uint32_t message, uint32_t wParam = 0, int32_t lParam = 0) {
    pending_.push_back({message, wParam, lParam});
  }

  void PostActivation() { Post(kWmActivate, MakeActivateParam(active_, minimized_)); }

  void Translate(const SDL_Event& event) {
    switch (event.type) {
      case SDL_QUIT:
        Post(kWmClose);
        break;
      case SDL_WINDOWEVENT:
        TranslateWindowEvent(event.window);
        break;
      case SDL_RENDER_DEVICE_RESET:
        // The texture went with the device; the next frame makes a new one.
        if (texture_) SDL_DestroyTexture(texture_);
        texture_ = nullptr;
        Post(kWmPaint);
        break;
      case SDL_RENDER_TARGETS_RESET:
        Post(kWmPaint);
        break;
      case SDL_KEYDOWN:
      case SDL_KEYUP: {
        int code = Set1ScanCodeFromSdl(event.key.keysym.scancode);
        if (code == 0) break;
        bool alt = (SDL_GetModState() & KMOD_ALT) != 0 || code == 0x38 || code == 0x138;
        bool down = event.type == SDL_KEYDOWN;
        uint32_t message =
            down ? (alt ? kWmSysKeyDown : kWmKeyDown) : (alt ? kWmSysKeyUp : kWmKeyUp);
        Post(message, 0, MakeKeyParam(code, event.key.repeat != 0));
        break;
      }
      case SDL_TEXTINPUT:
        for (const char ch : Utf8ToCp1250(event.text.text)) {
          Post(kWmChar, static_cast<uint8_t>(ch));
        }
        break;
      case SDL_MOUSEMOTION:
        messagePointer_ = SDL_Point{event.motion.x, event.motion.y};
        Post(kWmMouseMove);
        break;
      case SDL_MOUSEBUTTONDOWN:
      case SDL_MOUSEBUTTONUP: {
        messagePointer_ = SDL_Point{event.button.x, event.button.y};
        bool down = event.type == SDL_MOUSEBUTTONDOWN;
        bool second = down && event.button.clicks >= 2 && event.button.clicks % 2 == 0;
        if (event.button.button == SDL_BUTTON_LEFT) {
          Post(down ? (second ? kWmLButtonDblClk : kWmLButtonDown) : kWmLButtonUp);
        } else if (event.button.button == SDL_BUTTON_RIGHT) {
          Post(down ? (second ? kWmRButtonDblClk : kWmRButtonDown) : kWmRButtonUp);
        }
        break;
      }
      default:
        break;
    }
  }

  void TranslateWindowEvent(const SDL_WindowEvent& event) {
    switch (event.event) {
      case SDL_WINDOWEVENT_CLOSE:
        Post(kWmClose);
        break;
      // What the window shows must be drawn again: the engine presents its next frame even when
      // it equals the last one.
      case SDL_WINDOWEVENT_SHOWN:
      case SDL_WINDOWEVENT_EXPOSED:
      case SDL_WINDOWEVENT_SIZE_CHANGED:
        Post(kWmPaint);
        break;
      case SDL_WINDOWEVENT_FOCUS_GAINED:
        active_ = true;
        PostActivation();
        break;
      case SDL_WINDOWEVENT_FOCUS_LOST:
        active_ = false;
        PostActivation();
        break;
      case SDL_WINDOWEVENT_MINIMIZED:
        minimized_ = true;
        PostActivation();
        break;
      case SDL_WINDOWEVENT_RESTORED:
        minimized_ = false;
        PostActivation();
        break;
      default:
        break;
    }
  }

  SDL_Window* window_ = nullptr;
  SDL_Renderer* renderer_ = nullptr;
  SDL_Texture* texture_ = nullptr;
  Uint32 textureFormat_ = 0;
  int textureW_ = 0;
  int textureH_ = 0;
  int width_ = 0;
  int height_ = 0;
  bool videoInitialised_ = false;
  bool active_ = true;
  bool minimized_ = false;
  std::deque<WindowMessage> pending_;
  // Where the pointer was at the mouse event behind the messages handed out last, in game-area
  // pixels (the renderer gives mouse events the position in its logical size). SDL's own state
  // is already past every event it has queued; once the queue has run dry, the two agree again.
  std::optional<SDL_Point> messagePointer_;
};

}  // namespace

std::unique_ptr<Window> CreateSdlWindow() {
  return std::make_unique<SdlWindow>();
}

std::string LastSystemError() {
  return SDL_GetError();
}

}  // namespace rufo::platform
