#pragma once

#include <map>
#include <string>

#include "game/feedback.h"
#include "game/screen_ids.h"

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
  // The remark each set said last (by the set's folder), so that the next one differs.
  std::map<std::string, int> lastRemarks;
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

// The kinds a remark sets, by lesson; the colours' "next" remarks keep their own kind.
inline constexpr int kColoursRemarkKind = 16;
inline constexpr int kCountingRemarkKind = 17;
inline constexpr int kPantryRemarkKind = 18;
inline constexpr int kNotionsFirstRemarkKind = 19;
inline constexpr int kNotionsSecondRemarkKind = 20;
inline constexpr int kShapesRemarkKind = 21;
inline constexpr int kDirectionsRemarkKind = 22;
inline constexpr int kColoursNextRemarkKind = 86;

// A remark set: its folder (the remark's number follows it) and how many remarks it holds.
struct RemarkSet {
  const char* folder;
  int count;
  int kind;
};
// The set the current lesson draws from: chosen by the screen, on the colours screen by whether
// the "next" remark is due (kind 86) and on the notions screen by the selector (0 or 1). Null on
// any other screen.
const RemarkSet* LearningRemarkSet(ScreenId screen, int speechKind, int selector);

// A remark number of the set other than `selector` and, unless the set has no other remark to
// say, other than `previous` (-1: none).
int DrawRemark(const RemarkSet& set, int selector, int previous, GameRandom& random);
// Plays a random remark of the current lesson's set on `speaker` ("MLUVI" when null), never the
// remark numbered `selector` (-1 excludes none) nor the one the set said last. Sets the set's
// kind and, when the speaker exists, the speaking flag.
void LearningRemark(const char* speaker, int selector);

}  // namespace rufo
