#include "platform/message_box.h"

#include <SDL2/SDL.h>

#include "platform/cp1250.h"

namespace rufo::platform {
namespace {

class SdlMessageBox final : public MessageBox {
 public:
  void ShowError(const std::string& caption, const std::string& text) override {
    const std::string utf8Caption = ReadableUtf8(caption);
    const std::string utf8Text = ReadableUtf8(text);
    if (SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, utf8Caption.c_str(), utf8Text.c_str(),
                                 nullptr) != 0) {
      WriteBoxToStandardError(caption, text);
    }
  }
};

}  // namespace

std::unique_ptr<MessageBox> CreateSdlMessageBox() {
  return std::make_unique<SdlMessageBox>();
}

}  // namespace rufo::platform
