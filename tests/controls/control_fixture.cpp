#include "tests/controls/control_fixture.h"

#include <algorithm>

#include "controls/game_state.h"
#include "controls/scripted_animation_control.h"
#include "tests/controls/control_assets.h"

namespace rufo::test {
namespace {

ControlFixture* g_fixture = nullptr;

}  // namespace

void ControlFixture::RecordEvent(Control* control, int32_t event, bool) {
  std::string text = g_fixture->Describe(control, event);
  if (!text.empty()) g_fixture->events_.push_back(std::move(text));
}

void ControlFixture::PassToHook(int32_t message, intptr_t, bool* unconsumed) {
  g_fixture->OnHook(message, *unconsumed);
}

void ControlFixture::SetUp() {
  g_fixture = this;
  engine_.Start();
  Engine().SetGameCallbacks(nullptr, RecordEvent, nullptr, PassToHook);
  SetSpeaking(false);
  GameStateForControls() = {};
}

void ControlFixture::TearDown() {
  SetSpeaking(false);
  GameStateForControls() = {};
  g_fixture = nullptr;
}

std::string ControlFixture::Describe(Control* control, int32_t event) {
  return std::to_string(control->GetId()) + ":" + std::to_string(event);
}

void ControlFixture::MoveTo(int x, int y) {
  engine_.Play("0 move " + std::to_string(x) + " " + std::to_string(y));
}

void ControlFixture::Click() {
  engine_.Play("0 ldown\n0 lup");
}

void ControlFixture::TickAfter(uint32_t ms) {
  engine_.Clock().Advance(ms);
  Engine().RunTick();
}

long ControlFixture::Count(const std::string& event) const {
  return std::count(events_.begin(), events_.end(), event);
}

uint32_t ControlFixture::FramePixel(int frame) {
  return Engine().ColorToPixel(FrameColor(frame));
}

}  // namespace rufo::test
