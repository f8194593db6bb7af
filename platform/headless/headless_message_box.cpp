#include <utility>

#include "platform/message_box.h"

namespace rufo::platform {

void HeadlessMessageBox::ShowError(const std::string& caption, const std::string& text) {
  {
    std::lock_guard lock(mutex_);
    shown_.push_back(text);
  }
  WriteBoxToStandardError(caption, text);
}

std::vector<std::string> HeadlessMessageBox::TakeShown() {
  std::lock_guard lock(mutex_);
  return std::exchange(shown_, {});
}

}  // namespace rufo::platform
