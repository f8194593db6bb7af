#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>

#include "game/profile.h"
#include "game/screen_ids.h"
#include "tests/game/live_player.h"
#include "tests/support/temp_folder.h"

// Steps of a child's play through the black box, shared by the gardens' play tests.
namespace rufo::test {

// The program on the demo data with a runtime folder of its own, seed 11.
class GardenPlayTest : public ::testing::Test {
 protected:
  void SetUp() override;
  std::map<std::string, std::string> Environment() const;
  // Slot 0 of the user file the game wrote.
  ProfileRecord StoredProfile() const;

  TempFolder folder_;
};

std::string Hex(ScreenId id);
// The hit value a question line names, or -1.
int HitIn(const std::string& line);

// Gives the answer to a question line, right or wrong, as input.
using Answerer = std::function<void(const std::string& question, bool right)>;

// The title, the Start screen (a face for slot 0, the cap onto it), then the learning garden.
void ChooseAChild(LivePlayer& player);
// Enters a game from its scene by a click there and cuts its introduction short.
void Enter(LivePlayer& player, int x, int y, const std::string& intro);
// Answers ten questions right; the sticker and the album follow, and a click in the album
// leads back to the game's garden.
void Win(LivePlayer& player, ScreenId game, int sticker, const Answerer& answer);
// Answers wrong three times; the lesson follows.
void Lose(LivePlayer& player, ScreenId game, ScreenId lesson, const Answerer& answer);
// The toolbar's back button, once the toolbar has slid open under the mouse.
void Back(LivePlayer& player);

}  // namespace rufo::test
