#pragma once

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "game/profile.h"
#include "tests/game/demo_game.h"
#include "tests/game/live_player.h"
#include "tests/support/temp_folder.h"

namespace rufo {

// The toolbar's back button, once the toolbar has slid open under the mouse.
constexpr int kBackX = 394, kBackY = 445, kToolbarTabY = 470;

// The program run as a black box on the demo data, with its own configuration and runtime
// folders, played through a LivePlayer.
class LiveGameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!fs::exists(kDemoData / ".demogen")) GTEST_SKIP() << "no generated data";
    fs::create_directories(folder_.Path() / "rt");
    folder_.Write("config/rufo.ini",
                  "[Rufo I]\nCD=" + kDemoData.string() + "/\nHD=" + folder_.Root() + "rt/\n");
  }
  std::map<std::string, std::string> Environment(const std::string& seed, int runMs) const {
    return {{"RUFO_CONFIG_DIR", folder_.Root() + "config"},
            {"XDG_RUNTIME_DIR", folder_.Root()},
            {"RUFO_SEED", seed},
            {"RUFO_RUN_MS", std::to_string(runMs)}};
  }
  // Slot 0 of the user file as stored now (empty when there is none).
  ProfileRecord StoredProfile() const {
    const std::string user = folder_.Read("rt/rufo_usr.dat");
    ProfileRecord slot0;
    if (user.size() == kProfileCount * ProfileRecord::kSize) {
      slot0.Load(reinterpret_cast<const uint8_t*>(user.data()));
    }
    return slot0;
  }

  test::TempFolder folder_;
};

// The title, the Start screen (a face for slot 0, the cap onto it), then the learning garden.
inline void ChooseAChild(test::LivePlayer& player) {
  player.Advance(300);
  player.Release(320, 240);
  ASSERT_NE(player.AwaitLine("speak MLUVI Sounds\\Start\\sp_intro"), "");
  player.Release(600, 40);
  player.Advance(500);
  player.Click(kFace0X, kFace0Y);  // the free face shows a picture
  player.Click(kCapX, kCapY);      // the cap is picked up
  player.Click(kFace0X, kFace0Y);  // and dropped on the face
}

// The toolbar slides open under the mouse and its back button is clicked.
inline void Back(test::LivePlayer& player) {
  player.Move(kBackX, kToolbarTabY);
  player.Advance(800);
  player.Click(kBackX, kBackY);
}

}  // namespace rufo
