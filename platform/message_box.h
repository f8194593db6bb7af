#pragma once

#include <string>
#include <vector>

namespace rufo::platform {

enum class MessageBoxMode {
  kDialog,         // a real dialog box; falls back to standard error without a display
  kStandardError,  // headless: the text goes to standard error
};

void SetMessageBoxMode(MessageBoxMode mode);

// Shows an error box with an OK button and waits until it is closed. Texts are Windows-1250.
// Every box shown is also recorded, so that tests can see what the user would have seen.
void ShowErrorBox(const std::string& caption, const std::string& text);

std::vector<std::string> TakeRecordedMessageBoxes();

}  // namespace rufo::platform
