#pragma once

#include <functional>
#include <string>
#include <vector>

#include "controls/control.h"

namespace rufo::test {

// A control that writes every message it is offered into a shared log, as "id:message", and can
// consume messages or run an action when it sees one.
class RecordingControl : public Control {
 public:
  RecordingControl(int32_t id, std::vector<std::string>* log) : Control(id), log_(log) {}

  void HandleInput(int32_t message, intptr_t param, bool* pass) override {
    if (log_) log_->push_back(std::to_string(GetId()) + ":" + std::to_string(message));
    if (consume_ == message) *pass = false;
    if (action_) action_(message);
    Control::HandleInput(message, param, pass);
  }
  void Refresh() override { ++refreshes; }

  void ConsumeMessage(int32_t message) { consume_ = message; }
  void OnMessage(std::function<void(int32_t)> action) { action_ = std::move(action); }

  int refreshes = 0;

 private:
  std::vector<std::string>* log_;
  int32_t consume_ = -1;
  std::function<void(int32_t)> action_;
};

}  // namespace rufo::test
