#pragma once

#include <string>

#include "game/game_random.h"

namespace rufo {

// The spoken praise and correction sets, each a folder of numbered speeches.
enum class FeedbackSet { kPraise, kFirstCorrection, kSecondCorrection };

int FeedbackSetSize(FeedbackSet set);
// "Sounds\GB_UNI\GOOD\7" and the like.
std::string FeedbackName(FeedbackSet set, int number);
// Level 2 takes the second corrections; level 1 and every level above 2 the first ones.
FeedbackSet CorrectionSet(int level);

// Picks feedback numbers so that no number follows itself, across all sets: a praise numbered
// 5 also forbids a following correction numbered 5.
class FeedbackChooser {
 public:
  int Pick(FeedbackSet set, GameRandom& random);
  int LastPick() const { return lastPick_; }

 private:
  int lastPick_ = -1;
};

// One game's answer counters while its screen is up.
struct GameScore {
  int good = 0;
  int wrong = 0;
};

enum class Verdict { kPraise, kWin, kCorrection, kLoss };

// Every game is lost at three wrong answers.
inline constexpr int kLossAt = 3;

// Counts an answer and says what the character responds. The thresholds apply only while the
// game's sticker is not yet earned; after that the game goes on with praise and corrections.
Verdict JudgeAnswer(GameScore& score, bool good, int winAt, bool stickerEarned);

}  // namespace rufo
