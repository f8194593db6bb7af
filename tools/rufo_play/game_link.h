#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "tools/rufo_play/game_process.h"

namespace rufo::play {

// How the player reaches a running game: it acts as a child at the mouse and keyboard, and
// reads what the game's trace says meanwhile.
class GameLink {
 public:
  virtual ~GameLink() = default;
  // Starts the game; false with the reason.
  virtual bool Start(std::string* problem) = 0;
  // One input action at the present moment, spelled as the game's input script spells it after
  // the time: "move X Y", "ldown", "lup", "key F12 down".
  virtual void Act(const std::string& action) = 0;
  // Lets `ms` of game time pass; the trace lines written up to then. Nothing more comes once
  // the game has ended.
  virtual std::vector<std::string> Advance(uint32_t ms) = 0;
  // Game time now, in milliseconds.
  virtual uint32_t NowMs() const = 0;
  virtual GameProcess& Process() = 0;
  // The input given so far as an input script spells it ("MS ACTION" lines, syncs included),
  // so that the same play can be run again from a file. Empty for a window.
  const std::vector<std::string>& Sent() const { return sent_; }

 protected:
  std::vector<std::string> sent_;
};

// The complete lines a growing file has gained since the last call.
class LineFollower {
 public:
  explicit LineFollower(std::string path) : path_(std::move(path)) {}
  std::vector<std::string> NewLines();

 private:
  std::string path_;
  uint64_t offset_ = 0;
  std::string partial_;
};

// The game headless on a virtual clock, fed through a pipe that it reads as game time reaches
// each line: every Advance writes a "sync" action and waits for the trace to echo it.
std::unique_ptr<GameLink> MakeHeadlessLink(std::string program, std::string dataRoot,
                                           uint32_t seed);
// The game in a real window in real time, played with the X pointer (xdotool).
std::unique_ptr<GameLink> MakeWindowLink(std::string program, std::string dataRoot, uint32_t seed);

}  // namespace rufo::play
