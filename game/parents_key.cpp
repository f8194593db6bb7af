#include "game/parents_key.h"

#include <memory>

#include "controls/control_list.h"
#include "engine/interface.h"
#include "engine/messages.h"
#include "game/game_state.h"
#include "game/screen.h"
#include "game/start_screen.h"

namespace rufo {
namespace {

constexpr int kKeyF9 = 0x43;
constexpr int kKeyX = 3;
constexpr int kKeyY = 3;
constexpr int kKeySize = 26;
constexpr int kKeyFrames = 4;

// The key opens nothing while the Start screen is busy with a child or a question.
bool MayOpen() {
  const auto* start = dynamic_cast<const StartScreen*>(CurrentScreen());
  return start && !start->ProfileChosen() && !start->CapHeld() && !ModalDialog() &&
         !Engine().ScreenChangePending();
}

void OpenPage() {
  Engine().ChangeScreen(kScreenParents, 0, false);
}

}  // namespace

ParentsKey::ParentsKey() : BitmapControl(kParentsKeyId) {}

void ParentsKey::Release() {
  held_ = false;
  SetCurrentFrame(0);
  Refresh();
}

void ParentsKey::Update() {
  if (!held_) return;
  if (!MayOpen()) {
    Release();
    return;
  }
  const uint32_t held = Engine().GameTimeMs() - heldSinceMs_;
  if (held >= kParentsKeyHoldMs) {
    Release();
    OpenPage();
    return;
  }
  const int frame = static_cast<int>(held / (kParentsKeyHoldMs / (kKeyFrames - 1)));
  if (frame != GetCurrentFrame()) {
    SetCurrentFrame(frame);
    Refresh();
  }
}

void ParentsKey::HandleInput(int32_t message, intptr_t param, bool* pass) {
  if (!*pass) return;
  if (message == kMsgKeyDown && param == kKeyF9 && MayOpen()) {
    *pass = false;
    OpenPage();
    return;
  }
  const bool inside = MouseInside(rect_);
  if (message == kMsgLeftDown && inside && MayOpen()) {
    *pass = false;
    held_ = true;
    heldSinceMs_ = Engine().GameTimeMs();
  } else if (held_ && (message == kMsgLeftUp || (message == kMsgMouseMoved && !inside))) {
    Release();
  }
}

void AddParentsKey() {
  auto key = std::make_unique<ParentsKey>();
  // Without its picture the key still answers to a hold on its corner and to F9.
  if (!key->Init(kKeyX, kKeyY, "Bitmaps\\Parents\\key", kKeyFrames, 0, kCfTransparent)) {
    key->SetPosition(kKeyX, kKeyY);
    key->SetSize(kKeySize, kKeySize);
  }
  AddControl(key.release());
}

}  // namespace rufo
