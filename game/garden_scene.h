#pragma once

#include "game/game_table.h"

namespace rufo {

// A garden's main scene, made from its row: the scene's script and hit map, and the games of
// the garden, each opened once the control its row names has played its animation. The walk at
// the edges is common to every main scene.
class GardenScene final : public Screen {
 public:
  explicit GardenScene(const GardenInfo& garden) : garden_(garden) {}

  void Build() override;
  void OnControlEvent(Control* control, int32_t event, bool live) override;

 private:
  const GardenInfo& garden_;
};

}  // namespace rufo
