#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <map>
#include <regex>
#include <string>
#include <vector>

#include "game/profile.h"
#include "game/screen_ids.h"
#include "tests/game/demo_game.h"
#include "tests/game/live_player.h"
#include "tests/support/pictures.h"
#include "tests/support/process.h"
#include "tests/support/temp_folder.h"

namespace rufo {

// The fixture and the steps of a live play that every garden's black-box test shares.

// The program on the demo data in a fresh configuration and runtime folder, with a fixed seed.
class LivePlayTest : public ::testing::Test {
 public:
  // A configuration in `folder` that plays on the data tree at `root`, with a runtime folder of
  // its own.
  static void Configure(const test::TempFolder& folder, const fs::path& root) {
    fs::create_directories(folder.Path() / "rt");
    folder.Write("config/rufo.ini",
                 "[Rufo I]\nCD=" + root.string() + "/\nHD=" + folder.Root() + "rt/\n");
  }
  static std::map<std::string, std::string> Environment(const test::TempFolder& folder,
                                                        const std::string& seed = "11",
                                                        int runMs = 600000) {
    return {{"RUFO_CONFIG_DIR", folder.Root() + "config"},
            {"XDG_RUNTIME_DIR", folder.Root()},
            {"RUFO_SEED", seed},
            {"RUFO_RUN_MS", std::to_string(runMs)}};
  }

  // The environment of a run that replays everything `player` sent, from a file in `replay`
  // (configured as the first run was), with its trace in "trace.txt" and the frames `captures`
  // names.
  static std::map<std::string, std::string> ReplayEnvironment(const test::LivePlayer& player,
                                                              const test::TempFolder& replay,
                                                              const std::string& captures,
                                                              const std::string& seed = "11") {
    Configure(replay, kDemoData);
    std::string script;
    for (const std::string& line : player.Sent())
      script += line + "\n";
    replay.Write("input.txt", script);
    std::map<std::string, std::string> env = Environment(replay, seed);
    env["RUFO_HEADLESS"] = "1";
    env["RUFO_INPUT"] = replay.Root() + "input.txt";
    env["RUFO_TRACE"] = replay.Root() + "trace.txt";
    env["RUFO_CAPTURE"] = captures;
    return env;
  }

 protected:
  void SetUp() override {
    if (!fs::exists(kDemoData / ".demogen")) GTEST_SKIP() << "no generated data";
    Configure(folder_, kDemoData);
  }
  std::map<std::string, std::string> Environment(const std::string& seed = "11",
                                                 int runMs = 600000) const {
    return Environment(folder_, seed, runMs);
  }
  ProfileRecord StoredProfile() const { return StoredRecord(folder_.Read("rt/rufo_usr.dat"), 0); }

  test::TempFolder folder_;
};

// A user file whose slot 0 holds a child's profile with the stickers given (face 1, album
// complete when all are there) and whose other slots are empty.
inline std::string UserFileWithStickers(const std::array<uint8_t, kStickerCount>& stickers) {
  ProfileTable table;
  table.fill(ProfileRecord::Empty());
  ProfileRecord& child = table[0];
  child.inUse = 1;
  child.face = 1;
  child.stickers = stickers;
  child.newSticker = -1;
  child.albumComplete = child.AllStickers() ? 1 : 0;
  return UserFileBytes(table);
}

inline std::string Hex(ScreenId id) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%x", id);
  return text;
}

// The hit value a question line names, or -1.
inline int AnswerIn(const std::string& line) {
  std::smatch m;
  return std::regex_search(line, m, std::regex(" hit (\\d+)$")) ? std::stoi(m[1]) : -1;
}

// Ends the play with F12 and expects the program to close cleanly.
inline void EndPlay(test::LivePlayer& player) {
  player.Key("F12");
  EXPECT_EQ(player.Finish(), 0) << player.StandardError();
}

// The toolbar's back button, once the toolbar has slid open under the mouse.
constexpr int kBackX = 394, kBackY = 445, kToolbarTabY = 470;

inline void Back(test::LivePlayer& player) {
  player.Move(kBackX, kToolbarTabY);
  player.Advance(800);
  player.Click(kBackX, kBackY);
}

// The toolbar's end and album buttons.
constexpr int kEndX = 451, kAlbumX = 330, kToolbarButtonY = 446;

// Slides the toolbar open under the mouse and clicks its button at x.
inline void ClickOnToolbar(test::LivePlayer& player, int x) {
  player.Move(x, kToolbarTabY);
  player.Advance(800);
  player.Click(x, kToolbarButtonY);
}

// The title, the Start screen (a face for slot 0, the cap onto it), then the learning garden,
// where RUFO jumps in and begins his introduction.
inline void ArriveAtTheHub(test::LivePlayer& player) {
  player.Advance(300);
  player.Release(320, 240);
  ASSERT_NE(player.AwaitLine("speak MLUVI Sounds\\Start\\sp_intro"), "");
  player.Release(600, 40);
  player.Advance(500);
  player.Click(kFace0X, kFace0Y);  // the free face shows a picture
  player.Click(kCapX, kCapY);      // the cap is picked up
  player.Click(kFace0X, kFace0Y);  // and dropped on the face
  ASSERT_NE(player.AwaitLine("screen 0x101 0x1"), "");
  ASSERT_NE(player.AwaitLine("speak SKOK"), "");
  ASSERT_NE(player.AwaitLine("speak MLUVI Sounds\\LearnG\\sp_intro"), "");
}

// Arrives at the learning garden and cuts RUFO's introduction short.
inline void ChooseAChild(test::LivePlayer& player) {
  ASSERT_NO_FATAL_FAILURE(ArriveAtTheHub(player));
  player.Release(320, 20);
  ASSERT_NE(player.AwaitLine("debug ther 15"), "");
}

// Starts the program and chooses a child as ChooseAChild does.
inline void StartAndChooseAChild(test::LivePlayer& player) {
  ASSERT_TRUE(player.Start());
  ChooseAChild(player);
}

// Walks across the right (or left) edge of the scene shown through the scenes given, each
// awaited by its "screen" trace line.
inline void Walk(test::LivePlayer& player, bool right, const std::vector<std::string>& scenes) {
  for (const std::string& scene : scenes) {
    player.Advance(500);
    player.Click(right ? 620 : 20, 300);
    ASSERT_NE(player.AwaitLine("screen " + scene), "") << scene;
  }
}

// Leaves the album that a win opened; the garden's scene follows.
inline void LeaveAlbum(test::LivePlayer& player, ScreenId scene) {
  ASSERT_NE(player.AwaitLine("screen 0x801"), "");
  player.Advance(1500);
  player.Click(320, 240);
  ASSERT_NE(player.AwaitLine("screen " + Hex(scene) + " 0x801"), "");
}

// Enters a game from its scene with a click there and cuts its introduction short.
inline void Enter(test::LivePlayer& player, int x, int y, const std::string& intro) {
  player.Click(x, y);
  ASSERT_NE(player.AwaitLine(intro), "");
  player.Release(320, 20);
}

// Gives the answer to a game's question line, right or wrong, as input.
using Answerer = std::function<void(const std::string& question, bool right)>;

// Three wrong answers lead into the game's lesson; back from it the game goes on, and `toWin`
// right answers earn its sticker, whose album leads back to the game's scene.
inline void LoseThenWin(test::LivePlayer& player, ScreenId game, ScreenId lesson, int sticker,
                        const Answerer& answer, int toWin = 10) {
  const std::string question = "question " + Hex(game);
  for (int i = 0; i < 3 + toWin; ++i) {
    if (i == 3) {
      ASSERT_NE(player.AwaitLine("screen " + Hex(lesson)), "");
      Back(player);
      ASSERT_NE(player.AwaitLine("screen " + Hex(game) + " " + Hex(lesson)), "");
    }
    const std::string line = player.AwaitLine(question);
    ASSERT_NE(line, "") << "question " << i;
    answer(line, i >= 3);
  }
  ASSERT_NE(player.AwaitLine("sticker " + std::to_string(sticker)), "");
  LeaveAlbum(player, MainSceneOf(game));
}

// The play's input run again from a file in a fresh folder with the play's seed: it must give
// the same trace, and the frames composed at the game times given come back in their order
// (empty on a failure).
inline std::vector<Frame> ReplayFrames(const test::LivePlayer& player, const std::string& seed,
                                       const std::vector<int>& times) {
  test::TempFolder replay;
  std::string captures;
  std::vector<std::string> files;
  for (int at : times) {
    files.push_back(replay.Root() + "frame" + std::to_string(files.size()) + ".png");
    captures += (captures.empty() ? "" : ",") + std::to_string(at) + ":" + files.back();
  }
  test::Process again(test::BuiltProgram("rufo"), {},
                      LivePlayTest::ReplayEnvironment(player, replay, captures, seed));
  if (!again.Start() || again.Wait() != 0) {
    ADD_FAILURE() << "the replay failed: " << again.StandardError();
    return {};
  }
  std::string first;
  for (const std::string& line : player.Trace())
    first += line + "\n";
  EXPECT_EQ(replay.Read("trace.txt"), first) << "the replay played another game";
  std::vector<Frame> frames;
  for (const std::string& file : files)
    frames.push_back(Frame{test::ReadPicture(file)});
  return frames;
}

}  // namespace rufo
