#pragma once

#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace rufo::platform {

// Tells the user of an error the program cannot go on from, or cannot do its work without.
class MessageBox {
 public:
  virtual ~MessageBox() = default;
  // Shows an error box with an OK button and waits until it is closed. Texts are Windows-1250.
  virtual void ShowError(const std::string& caption, const std::string& text) = 0;
};

// A dialog on the display; where none can be shown, the text goes to standard error.
std::unique_ptr<MessageBox> CreateSdlMessageBox();

// Writes "caption: text" in UTF-8 to standard error, where a box goes without a display.
void WriteBoxToStandardError(const std::string& caption, const std::string& text);

// Without a display: the text goes to standard error, and every box is recorded so that tests
// can see what the user would have seen. Boxes may come from any thread.
class HeadlessMessageBox final : public MessageBox {
 public:
  void ShowError(const std::string& caption, const std::string& text) override;
  // The texts of the boxes shown since the last call, oldest first.
  std::vector<std::string> TakeShown();

 private:
  std::mutex mutex_;
  std::vector<std::string> shown_;
};

}  // namespace rufo::platform
