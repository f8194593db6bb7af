#include "game/feedback.h"

namespace rufo {

int FeedbackSetSize(FeedbackSet set) {
  switch (set) {
    case FeedbackSet::kPraise:
      return 21;
    case FeedbackSet::kFirstCorrection:
      return 11;
    case FeedbackSet::kSecondCorrection:
      return 22;
  }
  return 1;
}

std::string FeedbackName(FeedbackSet set, int number) {
  const char* folder = set == FeedbackSet::kPraise            ? "Sounds\\GB_UNI\\GOOD\\"
                       : set == FeedbackSet::kFirstCorrection ? "Sounds\\GB_UNI\\BAD_1\\"
                                                              : "Sounds\\GB_UNI\\BAD_2\\";
  return folder + std::to_string(number);
}

FeedbackSet CorrectionSet(int level) {
  return level == 2 ? FeedbackSet::kSecondCorrection : FeedbackSet::kFirstCorrection;
}

int FeedbackChooser::Pick(FeedbackSet set, GameRandom& random) {
  const int size = FeedbackSetSize(set);
  int pick = random.Below(size);
  // Every set has more than one entry, so a different number always exists.
  while (pick == lastPick_)
    pick = random.Below(size);
  lastPick_ = pick;
  return pick;
}

Verdict JudgeAnswer(GameScore& score, bool good, int winAt, bool stickerEarned) {
  if (good) {
    ++score.good;
    return !stickerEarned && score.good >= winAt ? Verdict::kWin : Verdict::kPraise;
  }
  ++score.wrong;
  return !stickerEarned && score.wrong == kLossAt ? Verdict::kLoss : Verdict::kCorrection;
}

}  // namespace rufo
