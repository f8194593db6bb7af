#include "platform/message_box.h"

#include <SDL2/SDL.h>

#include <cstdio>
#include <mutex>
#include <utility>

#include "platform/cp1250.h"

namespace rufo::platform {
namespace {

struct Boxes {
  std::mutex mutex;
  MessageBoxMode mode = MessageBoxMode::kDialog;
  std::vector<std::string> recorded;
};

Boxes& State() {
  static Boxes boxes;
  return boxes;
}

}  // namespace

void SetMessageBoxMode(MessageBoxMode mode) {
  std::lock_guard lock(State().mutex);
  State().mode = mode;
}

void ShowErrorBox(const std::string& caption, const std::string& text) {
  MessageBoxMode mode;
  {
    std::lock_guard lock(State().mutex);
    State().recorded.push_back(text);
    mode = State().mode;
  }
  const std::string utf8Caption = ReadableUtf8(caption);
  const std::string utf8Text = ReadableUtf8(text);
  if (mode == MessageBoxMode::kDialog &&
      SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, utf8Caption.c_str(), utf8Text.c_str(),
                               nullptr) == 0) {
    return;
  }
  std::fprintf(stderr, "%s: %s\n", utf8Caption.c_str(), utf8Text.c_str());
}

std::vector<std::string> TakeRecordedMessageBoxes() {
  std::lock_guard lock(State().mutex);
  return std::exchange(State().recorded, {});
}

}  // namespace rufo::platform
