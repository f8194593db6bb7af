#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace rufo::play {

// What a play found: where it went, what it answered and earned, what the data tree does not
// have yet, and every fault.
struct Report {
  std::string mode;
  uint32_t seed = 0;
  std::vector<int> screens;  // in the order first reached
  int questions = 0;
  int good = 0;
  int wrong = 0;
  std::vector<int> stickers;
  std::vector<int> lessons;
  std::vector<std::string> missing;      // content the data tree does not have yet
  std::vector<std::string> unreachable;  // what could not be played because of it
  std::vector<std::string> problems;     // faults: each makes the play fail
  uint32_t gameMs = 0;
  double wallSeconds = 0;
  std::string folder;  // the game's folder, kept when the play failed

  bool Ok() const { return problems.empty(); }
  void AddScreen(int id);
  void AddLesson(int id);
  void Print(std::FILE* out) const;
};

}  // namespace rufo::play
