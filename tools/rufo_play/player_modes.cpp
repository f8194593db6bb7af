// The three ways to play, and the checks every play ends with.
#include <algorithm>
#include <chrono>
#include <filesystem>
#include <set>
#include <sstream>

#include "tools/rufo_play/player.h"

namespace rufo::play {
namespace {

const char* ModeName(Mode mode) {
  switch (mode) {
    case Mode::kWinAll:
      return "--win-all";
    case Mode::kLoseAll:
      return "--lose-all";
    case Mode::kExplore:
      return "--explore";
  }
  return "";
}

// The log lines that tell of data the game could not load. The user file is not data: it is
// missing on every first start.
std::vector<std::string> CannotLoadLines(const std::string& log) {
  std::vector<std::string> lines;
  std::istringstream in(log);
  std::string line;
  while (std::getline(in, line)) {
    if (line.find("Cannot load") != std::string::npos &&
        line.find("rufo_usr.dat") == std::string::npos) {
      lines.push_back("Debug.log: " + line);
    }
  }
  return lines;
}

}  // namespace

Report Player::Play() {
  const auto started = std::chrono::steady_clock::now();
  report_.mode = ModeName(options_.mode);
  report_.seed = options_.seed;
  ForgetLearned();
  std::string problem;
  if (!link_.Start(&problem)) {
    Problem(problem);
  } else if (options_.mode == Mode::kWinAll) {
    WinAll();
  } else if (options_.mode == Mode::kLoseAll) {
    LoseAll();
  } else {
    Explore();
  }
  GameProcess& game = link_.Process();
  if (game.Running()) {
    game.Kill();
    game.WaitMs(5000);
  } else if (!finishing_) {
    const std::string said = game.StandardError();
    Problem("the game ended unexpectedly with " + game.Status() +
            (said.empty() ? "" : ": " + said));
  }
  for (const std::string& line : CannotLoadLines(ReadWholeFile(game.RuntimeFolder() + "Debug.log")))
    Problem(line);
  if (!options_.traceCopy.empty()) {
    std::error_code error;
    std::filesystem::copy_file(game.TracePath(), options_.traceCopy,
                               std::filesystem::copy_options::overwrite_existing, error);
    if (error) Problem("cannot keep the trace in " + options_.traceCopy + ": " + error.message());
  }
  report_.gameMs = link_.NowMs();
  report_.wallSeconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  if (!report_.Ok()) {
    game.Keep();
    report_.folder = game.Folder();
  }
  return report_;
}

bool Player::WalkRing() {
  for (size_t i = 0; i < Ring().size(); ++i) {
    if (!Walk(1)) return false;
  }
  return Walk(-1) && Walk(1);
}

void Player::WinAll() {
  if (!ChooseChild() || !WalkRing()) return;
  const std::vector<const GameRow*> games = GamesMade();
  for (const GameRow* game : games) {
    if (!EnterGame(*game) || !AnswerUntilLeft(*game, true)) return;
    if (!Arrive(kScreenAlbum, 0, "winning " + Describe(game->place.id))) return;
    if (std::find(stickers_.begin(), stickers_.end(), game->sticker) == stickers_.end()) {
      Problem("winning " + Describe(game->place.id) + " did not earn sticker " +
              std::to_string(game->sticker));
    }
    if (!LeaveAlbum()) return;
    const std::set<int> earned(stickers_.begin(), stickers_.end());
    if (earned.size() == static_cast<size_t>(kStickerCount)) {
      PlayEnd();
      return;
    }
    if (screen_ != GardenOf(game->place.id)->scene.id) {
      Problem("the album after winning " + Describe(game->place.id) + " led to " +
              Describe(screen_) + ", not back to the garden");
      return;
    }
  }
  report_.unreachable.push_back("the End screen: it needs all fourteen stickers, " +
                                std::to_string(games.size()) + " games were played");
  Finish();
}

void Player::LoseAll() {
  if (!ChooseChild() || !WalkRing()) return;
  for (const GameRow* game : GamesMade()) {
    if (!EnterGame(*game) || !AnswerUntilLeft(*game, false)) return;
    if (!Arrive(game->lesson, 0, "losing " + Describe(game->place.id))) return;
    if (!PlayLesson(*game)) return;
  }
  Finish();
}

}  // namespace rufo::play
