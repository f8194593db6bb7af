#pragma once

#include <cstdint>

#include "game/screen.h"

namespace rufo {

// The rules every screen of the learning garden shares: the character's speech ends clear the
// learning garden's speaking flag, a release cuts an introduction short, and the way back
// (toolbar button 3) returns to the screen before, or to the hub after a visit to the album.
class LearningScreen : public Screen {
 public:
  void OnControlEvent(Control* control, int32_t event, bool live) override;
  void OnMessage(const Input& input, bool* unconsumed) override;
  void OnBack() override;

 protected:
  // Loads the screen script and, when given, the hit map.
  static void LoadScene(const char* script, const char* hitMap);
  // The screen's own reactions, after the shared ones.
  virtual void OnLearningEvent(Control* /*control*/, int32_t /*event*/) {}
  // A release has just cut the introduction of that kind short.
  virtual void OnIntroductionCut(int /*kind*/) {}
};

// The learning garden's introductions, by their speech kinds.
inline constexpr int kHubIntroKind = 15;
inline constexpr int kColoursIntroKind = 13;
inline constexpr int kDirectionsIntroKind = 0;
inline constexpr int kCountingIntroKind = 40;
inline constexpr int kNotionsIntroKind = 7;
inline constexpr int kPantryIntroKind = 8;
inline constexpr int kShapesIntroKind = 11;

}  // namespace rufo
