// Leaving a scene, played from outside on the demo data: a walk decided while an object's
// animation is still running, the goodbye at the end of a session, by the toolbar and from
// the End screen, and the screens without a toolbar, which must always let the child go on:
// the Start screen visited again, the End screen after "no".
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "game/profile.h"
#include "tests/game/demo_game.h"
#include "tests/game/live_player.h"
#include "tests/game/play_steps.h"

namespace rufo {
namespace {

constexpr int kLeftEdgeX = 20, kEdgeY = 240;
constexpr int kLadybirdX = 475, kLadybirdY = 300;  // Garden6's ladybird: the dots game
// The toolbar's house button.
constexpr int kHouseX = 261;

int TimeOf(const std::string& line) {
  return std::stoi(line);
}

class LeavingPlay : public LivePlayTest {
 protected:
  std::string Await(const std::string& text, int limitMs = 60000) {
    const std::string line = player_.AwaitLine(text, limitMs);
    EXPECT_NE(line, "") << "no trace line with: " << text;
    return line;
  }
  // Points at "yes" once the question is up and clicks it; the time just before the click.
  int AnswerYes() { return Answer(kYesX, kYesY, "ano"); }
  int Answer(int x, int y, const std::string& hoverSound) {
    // An answer speaks when pointed at once the question has been asked.
    for (int tries = 0; tries < 300; ++tries) {
      player_.Move(x, y + 150);
      player_.Move(x, y);
      if (player_.AwaitLine("speak 0x2 Sounds\\" + hoverSound, 0) != "") break;
    }
    const int clicked = player_.Now();
    player_.Click(x, y);
    return clicked;
  }
  // Slot 0 holds a child whose album is full: the album leads on to the End screen.
  void WriteCompleteAlbum() {
    std::array<uint8_t, kStickerCount> all;
    all.fill(1);
    folder_.Write("rt/rufo_usr.dat", UserFileWithStickers(all));
  }
  // From the learning garden through the album to the End screen.
  void AlbumToTheEnd() {
    ClickOnToolbar(player_, kAlbumX);
    Await("screen 0x801 0x101");
    player_.Advance(1500);
    player_.Click(320, 240);
    Await("screen 0x2 0x801");
  }
  // Everything said from `since` up to the Credits.
  std::vector<std::string> SaidUntilCredits(int since) {
    Await("screen 0x3 ", 120000);
    std::vector<std::string> said;
    for (const std::string& line : player_.Trace()) {
      if (TimeOf(line) >= since && line.find(" speak ") != std::string::npos) said.push_back(line);
    }
    return said;
  }
  static int Count(const std::vector<std::string>& said, const std::string& text) {
    int count = 0;
    for (const std::string& line : said)
      count += line.find(text) != std::string::npos;
    return count;
  }

  test::LivePlayer player_{folder_, Environment("3", 900000)};
};

// The ladybird leads into Garden6's dots game once its animation is over; a press on the edge
// just before that walks on instead, and the game is not entered behind the walk's back.
TEST_F(LeavingPlay, AWalkDecidedWhileAnObjectsAnimationEndsWins) {
  ASSERT_NO_FATAL_FAILURE(StartAndChooseAChild(player_));
  player_.Click(kLeftEdgeX, kEdgeY);
  Await("screen 0x701 0x101");
  player_.Advance(500);

  player_.Click(kLadybirdX, kLadybirdY);
  const int started = TimeOf(Await("speak BERUSKA"));
  const int entered = TimeOf(Await("screen 0x703 0x701"));
  Back(player_);
  Await("screen 0x701 0x703");
  player_.Advance(500);

  player_.Click(kLadybirdX, kLadybirdY);
  const int again = TimeOf(Await("speak BERUSKA"));
  // A screen is built eleven ticks (some 110 ms) after it is asked for. The press on the edge
  // comes 50 ms before the animation's end asks for the game, while the walk is still waiting.
  const int pressAt = again + (entered - started) - 160;
  player_.Move(kLeftEdgeX, kEdgeY);
  ASSERT_LT(player_.Now() + 21, pressAt);
  player_.Advance(pressAt - 21 - player_.Now());
  player_.Press(kLeftEdgeX, kEdgeY);
  player_.Release(kLeftEdgeX, kEdgeY);
  Await("screen 0x601 0x701");
  player_.Advance(1000);
  int entries = 0;
  for (const std::string& line : player_.Trace())
    entries += line.find(" screen 0x703 ") != std::string::npos;
  EXPECT_EQ(entries, 1) << "the dots game was entered behind the walk's back";
  EndPlay(player_);
}

// "No" on the End screen leads back to the learning garden, where the toolbar works; the full
// album leads to the End screen again, whose "yes" says good-bye once and goes straight to the
// Credits.
TEST_F(LeavingPlay, NoOnTheEndScreenPlaysOnAndYesSaysGoodbyeOnce) {
  WriteCompleteAlbum();
  ASSERT_NO_FATAL_FAILURE(StartAndChooseAChild(player_));
  AlbumToTheEnd();
  Answer(kNoX, kNoY, "ne");
  Await("screen 0x101 0x2");
  player_.Advance(500);
  AlbumToTheEnd();
  const std::vector<std::string> said = SaidUntilCredits(AnswerYes());
  EXPECT_EQ(Count(said, " speak 0x2 Sounds\\end"), 1);
  EXPECT_EQ(said.size(), 1u);
  EndPlay(player_);
}

// The house button leads to the Start screen, which has no toolbar: the returning child hears
// the introduction and puts the cap on a face of a new slot to play on. Then the toolbar's end:
// RUFO says good-bye once, as the child answers yes; in the learning garden he then only waves
// ("KONEC") before the Credits.
TEST_F(LeavingPlay, AnotherChildPlaysAfterTheHouseButtonThenTheEndSaysGoodbyeOnce) {
  ASSERT_NO_FATAL_FAILURE(StartAndChooseAChild(player_));
  ClickOnToolbar(player_, kHouseX);
  Await("screen 0x1 0x101");
  Await("speak MLUVI Sounds\\Start\\sp_intro");
  player_.Click(kFace1X, kFace1Y);  // skips the introduction and shows a picture
  player_.Click(kCapX, kCapY);
  player_.Click(kFace1X, kFace1Y);
  Await("speak MLUVI Sounds\\Start\\sp_go");
  Await("screen 0x101 0x1");
  Await("speak MLUVI Sounds\\LearnG\\sp_intro");
  player_.Release(320, 20);
  ClickOnToolbar(player_, kEndX);
  const std::vector<std::string> said = SaidUntilCredits(AnswerYes());
  EXPECT_EQ(Count(said, " speak 0x2 Sounds\\end"), 1);
  ASSERT_EQ(Count(said, " speak KONEC "), 1);
  EXPECT_EQ(said.size(), 2u);
  EXPECT_NE(said.back().find(" speak KONEC "), std::string::npos);
  EndPlay(player_);
  const ProfileRecord second = StoredRecord(folder_.Read("rt/rufo_usr.dat"), 1);
  EXPECT_EQ(second.inUse, 1);
  EXPECT_EQ(second.face, 1);
}

}  // namespace
}  // namespace rufo
