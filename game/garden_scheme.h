#pragma once

#include <functional>
#include <span>
#include <string>

#include "game/feedback.h"
#include "game/game_table.h"

namespace rufo {

// One game's speeches in its garden's numbering, and the folder of its introduction, win and
// loss sounds ("Sounds\Garden1\NUM\").
struct GameSpeeches {
  ScreenId screen;
  int intro;
  int praise;
  int correction;
  int win;
  int loss;
  const char* folder;
};

// What a garden's game has just finished saying.
enum class SpeechRole { kNone, kIntro, kPraise, kCorrection, kWin, kLoss, kOther };

// The scheme every mini-game follows: introduction, question, answer, praise or correction,
// and at a threshold the win (sticker and album) or the loss (the lesson). A garden supplies
// the table of its games' speeches; each game supplies its questions through `poseQuestion`.
class GardenScheme {
 public:
  explicit GardenScheme(std::span<const GameSpeeches> games) : games_(games) {}

  // Builds a game's screen: resets the counters, loads the script and the hit map, shows the
  // badge "S" when the sticker is earned, then introduces the game when coming from the main
  // scene, or poses a question at once when coming back from the album or a lesson.
  void Enter(ScreenId screen, const std::string& script, const std::string& mask,
             std::function<void()> poseQuestion);
  // Starts a speech of the garden (a game's own question speeches have kinds of their own).
  void Speak(int kind, const char* speaker = nullptr);
  // Counts an answer and starts the speech it calls for.
  Verdict Judge(bool good);
  // The speaker's event 512: what ended; the intro and praise pose the next question, the win
  // awards the sticker, the loss leads to the lesson.
  SpeechRole SpeechEnded();
  // A release while the introduction is spoken skips it; true when it did.
  bool SkipIntro();
  // Toolbar button 3 leads back to the main scene, except while a result is spoken.
  bool BackAllowed() const;

  int Kind() const { return kind_; }
  bool Speaking() const { return speaking_; }
  const GameScore& Score() const { return score_; }
  bool answerAllowed = false;

 private:
  SpeechRole RoleOf(int kind) const;
  const GameSpeeches* current_ = nullptr;
  const GameInfo* info_ = nullptr;
  std::span<const GameSpeeches> games_;
  std::function<void()> poseQuestion_;
  GameScore score_;
  int kind_ = -1;
  bool speaking_ = false;
  const char* speaker_ = nullptr;
};

// Earns sticker n for the current child, stores the profiles and opens the album.
void AwardSticker(int sticker);
// Plays a praise or a correction of the level on the speaker ("MLUVI" when null).
void Praise(const char* speaker);
void Correction(int level, const char* speaker);

}  // namespace rufo
