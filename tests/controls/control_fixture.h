#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "controls/control.h"
#include "tests/support/headless_engine.h"

namespace rufo::test {

// A started headless engine whose control events are recorded in events_ (as Describe gives
// them), with the speaking flag and the game state that controls read reset around each test.
class ControlFixture : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // The record of one event, "id:event"; an empty text records nothing.
  virtual std::string Describe(Control* control, int32_t event);
  // Sees every message that reaches the game's hook.
  virtual void OnHook(int32_t, bool) {}

  void MoveTo(int x, int y);
  void Click();
  // Lets virtual time pass and runs one tick.
  void TickAfter(uint32_t ms);
  // How often the event was recorded.
  long Count(const std::string& event) const;
  // FrameColor(frame) as a pixel of the display's layout.
  static uint32_t FramePixel(int frame);

  std::vector<std::string> events_;
  HeadlessEngine engine_;

 private:
  static void RecordEvent(Control* control, int32_t event, bool);
  static void PassToHook(int32_t message, intptr_t, bool* unconsumed);
};

}  // namespace rufo::test
