#include "tests/game/garden_play_steps.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <regex>

#include "tests/game/demo_game.h"

namespace rufo::test {
namespace {

constexpr int kBackX = 394, kBackY = 445, kToolbarTabY = 470;

}  // namespace

void GardenPlayTest::SetUp() {
  if (!fs::exists(kDemoData / ".demogen")) GTEST_SKIP() << "no generated data";
  fs::create_directories(folder_.Path() / "rt");
  folder_.Write("config/rufo.ini",
                "[Rufo I]\nCD=" + kDemoData.string() + "/\nHD=" + folder_.Root() + "rt/\n");
}

std::map<std::string, std::string> GardenPlayTest::Environment() const {
  return {{"RUFO_CONFIG_DIR", folder_.Root() + "config"},
          {"XDG_RUNTIME_DIR", folder_.Root()},
          {"RUFO_SEED", "11"},
          {"RUFO_RUN_MS", "600000"}};
}

ProfileRecord GardenPlayTest::StoredProfile() const {
  const std::string user = folder_.Read("rt/rufo_usr.dat");
  ProfileRecord slot0;
  if (user.size() == kProfileCount * ProfileRecord::kSize) {
    slot0.Load(reinterpret_cast<const uint8_t*>(user.data()));
  }
  return slot0;
}

std::string Hex(ScreenId id) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%x", id);
  return text;
}

int HitIn(const std::string& line) {
  std::smatch m;
  return std::regex_search(line, m, std::regex(" hit (\\d+)$")) ? std::stoi(m[1]) : -1;
}

void ChooseAChild(LivePlayer& player) {
  player.Advance(300);
  player.Release(320, 240);
  ASSERT_NE(player.AwaitLine("speak MLUVI Sounds\\Start\\sp_intro"), "");
  player.Release(600, 40);
  player.Advance(500);
  player.Click(116, 283);  // the free face shows a picture
  player.Click(203, 297);  // the cap is picked up
  player.Click(116, 283);  // and dropped on the face
}

void Enter(LivePlayer& player, int x, int y, const std::string& intro) {
  player.Click(x, y);
  ASSERT_NE(player.AwaitLine(intro), "");
  player.Release(320, 20);
}

void Win(LivePlayer& player, ScreenId game, int sticker, const Answerer& answer) {
  const std::string question = "question " + Hex(game);
  for (int i = 0; i < 10; ++i) {
    const std::string line = player.AwaitLine(question);
    ASSERT_NE(line, "") << "question " << i;
    answer(line, true);
  }
  ASSERT_NE(player.AwaitLine("sticker " + std::to_string(sticker)), "");
  ASSERT_NE(player.AwaitLine("screen 0x801"), "");
  player.Advance(1500);
  player.Click(320, 240);
  ASSERT_NE(player.AwaitLine("screen " + Hex(MainSceneOf(game)) + " 0x801"), "");
}

void Lose(LivePlayer& player, ScreenId game, ScreenId lesson, const Answerer& answer) {
  const std::string question = "question " + Hex(game);
  for (int i = 0; i < 3; ++i) {
    const std::string line = player.AwaitLine(question);
    ASSERT_NE(line, "") << "question " << i;
    answer(line, false);
  }
  ASSERT_NE(player.AwaitLine("screen " + Hex(lesson)), "");
}

void Back(LivePlayer& player) {
  player.Move(kBackX, kToolbarTabY);
  player.Advance(800);
  player.Click(kBackX, kBackY);
}

}  // namespace rufo::test
