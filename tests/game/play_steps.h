#pragma once

#include <gtest/gtest.h>

#include "tests/game/live_player.h"

namespace rufo {

// Steps a child takes in every black-box play.

// The title, the Start screen (a face for slot 0, the cap onto it), then the learning garden.
inline void ChooseAChild(test::LivePlayer& player) {
  player.Advance(300);
  player.Release(320, 240);
  ASSERT_NE(player.AwaitLine("speak MLUVI Sounds\\Start\\sp_intro"), "");
  player.Release(600, 40);
  player.Advance(500);
  player.Click(116, 283);  // the free face shows a picture
  player.Click(203, 297);  // the cap is picked up
  player.Click(116, 283);  // and dropped on the face
}

// The toolbar's back button, once the toolbar has slid open under the mouse.
constexpr int kBackX = 394, kBackY = 445, kToolbarTabY = 470;

inline void Back(test::LivePlayer& player) {
  player.Move(kBackX, kToolbarTabY);
  player.Advance(800);
  player.Click(kBackX, kBackY);
}

}  // namespace rufo
