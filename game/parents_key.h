#pragma once

#include <cstdint>

#include "controls/bitmap_control.h"

namespace rufo {

inline constexpr int32_t kParentsKeyId = 40;
// How long the key must be held before the parents' page opens.
inline constexpr uint32_t kParentsKeyHoldMs = 3000;

// The small key in the Start screen's corner that leads to the parents' page: it opens the page
// only when held down for three seconds (a child's click or tap does nothing), or at F9. Its
// ring fills by thirds while it is held. Nothing opens while a dialog is up or a child has been
// chosen or holds the cap.
class ParentsKey final : public BitmapControl {
 public:
  ParentsKey();

  void Update() override;
  void HandleInput(int32_t message, intptr_t param, bool* pass) override;

  bool Held() const { return held_; }

 private:
  void Release();

  bool held_ = false;
  uint32_t heldSinceMs_ = 0;
};

// Adds the key to the Start screen.
void AddParentsKey();

}  // namespace rufo
