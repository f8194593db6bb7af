#pragma once

#include "game/screen.h"

namespace rufo {

// The sticker album: shows the child's stickers, lets the one just earned arrive, and on a
// click leads on.
class AlbumScreen final : public Screen {
 public:
  void Build() override;
  void OnControlEvent(Control* control, int32_t event, bool live) override;
  void OnMessage(const Input& input, bool* unconsumed) override;

  // The album takes the click that leaves it (the new sticker has arrived).
  bool Ready() const { return ready_; }

 private:
  bool ready_ = false;
};

}  // namespace rufo
