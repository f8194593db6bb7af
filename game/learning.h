#pragma once

#include <string>

#include "game/feedback.h"

namespace rufo {

// What the learning garden's character is saying, kept for the whole run and apart from the
// gardens' speech state: a speech cut off by a screen change leaves it as it was.
struct LearningState {
  int speechKind = -1;
  bool speaking = false;
  // The learning garden's own last praise or correction number.
  FeedbackChooser feedback;
  // The child confirmed the end question: the hub says goodbye instead of teaching.
  bool farewell = false;
};

inline constexpr int kLearningPraiseKind = 10;
inline constexpr int kLearningCorrectionKind = 61;

LearningState& Learning();

// Plays a learning speech on "MLUVI": sets the kind first and, when the character exists and
// the speech started, the speaking flag.
void LearningSay(int kind, const std::string& sound);
// A praise (kind 10) or a first correction (kind 61), drawn without repeating the learning
// garden's last pick.
void LearningPraise();
void LearningCorrection();

}  // namespace rufo
