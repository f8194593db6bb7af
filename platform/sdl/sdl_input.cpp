#include <SDL2/SDL.h>

#include "platform/input_device.h"
#include "platform/sdl/sdl_scan_codes.h"

namespace rufo::platform {
namespace {

// Feeds the keyboard and the mouse from SDL's event stream. The watch sees every event as SDL
// queues it, before the window takes it from the queue, so both views of the input agree.
class SdlInputSystem final : public InputSystem {
 public:
  SdlInputSystem() {
    if (SDL_InitSubSystem(SDL_INIT_EVENTS) != 0) {
      InjectFailure(InputStep::kCreateSystem);
      return;
    }
    eventsInitialised_ = true;
    SDL_AddEventWatch(&SdlInputSystem::Watch, this);
  }

  ~SdlInputSystem() override {
    if (!eventsInitialised_) return;
    SDL_DelEventWatch(&SdlInputSystem::Watch, this);
    SDL_QuitSubSystem(SDL_INIT_EVENTS);
  }

 private:
  static int Watch(void* self, SDL_Event* event) {
    static_cast<SdlInputSystem*>(self)->Take(*event);
    return 0;
  }

  static int ButtonIndex(uint8_t sdlButton) {
    switch (sdlButton) {
      case SDL_BUTTON_LEFT:
        return 0;
      case SDL_BUTTON_RIGHT:
        return 1;
      case SDL_BUTTON_MIDDLE:
        return 2;
      case SDL_BUTTON_X1:
        return 3;
      default:
        return -1;
    }
  }

  void Take(const SDL_Event& event) {
    const uint32_t time = event.common.timestamp;
    switch (event.type) {
      case SDL_KEYDOWN:
      case SDL_KEYUP:
        if (const int code = Set1ScanCodeFromSdl(event.key.keysym.scancode); code != 0) {
          Keyboard().PushKey(DeviceKeyCode(code), event.type == SDL_KEYDOWN, time);
        }
        break;
      case SDL_MOUSEMOTION:
        Mouse().PushMouseMove(event.motion.xrel, event.motion.yrel, time);
        break;
      case SDL_MOUSEBUTTONDOWN:
      case SDL_MOUSEBUTTONUP:
        Mouse().PushMouseButton(ButtonIndex(event.button.button), event.type == SDL_MOUSEBUTTONDOWN,
                                time);
        break;
      case SDL_MOUSEWHEEL:
        Mouse().PushWheel(event.wheel.y * 120, time);
        break;
      case SDL_WINDOWEVENT:
        if (event.window.event == SDL_WINDOWEVENT_FOCUS_GAINED) SetForeground(true);
        if (event.window.event == SDL_WINDOWEVENT_FOCUS_LOST) SetForeground(false);
        break;
      default:
        break;
    }
  }

  bool eventsInitialised_ = false;
};

}  // namespace

std::unique_ptr<InputSystem> CreateSdlInputSystem() {
  return std::make_unique<SdlInputSystem>();
}

}  // namespace rufo::platform
