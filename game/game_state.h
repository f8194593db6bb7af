#pragma once

#include <array>
#include <memory>
#include <string>

#include "controls/game_state.h"
#include "controls/screen_script.h"
#include "game/feedback.h"
#include "game/learning.h"
#include "game/mini_game.h"
#include "game/profile.h"
#include "sound/sound_object.h"

namespace rufo {

class Control;
class ScriptedAnimationControl;

// Ids of the controls the game creates in code.
inline constexpr int32_t kToolbarId = 1;
inline constexpr int32_t kEndQuestionId = 2;
inline constexpr int32_t kFirstFaceId = 16;
inline constexpr int32_t kDeleteQuestionId = 36;

// Speech kinds shared by every scene.
inline constexpr int kSpeechNone = -1;
inline constexpr int kSpeechIntro = 0;
inline constexpr int kSpeechGo = 1;
inline constexpr int kSpeechWait = 2;
inline constexpr int kSpeechHelp = ControlsGameState::kHelpSpeech;
inline constexpr int kSpeechEndQuestion = 241;
inline constexpr int kSpeechDeleteQuestion = 242;

// Cursor shapes the game sets.
inline constexpr int kCursorArrow = 0;
inline constexpr int kCursorBusy = 1;
inline constexpr int kCursorWalkLeft = 2;
inline constexpr int kCursorWalkRight = 3;
inline constexpr int kCursorHand = 4;

inline constexpr uint8_t kNoRegion = 255;

// The game's state for the whole run. The modal flag and the speech kind live in the part of
// the state that the controls read.
struct GameState {
  ProfileTable profiles{ProfileRecord::Empty(), ProfileRecord::Empty(), ProfileRecord::Empty(),
                        ProfileRecord::Empty()};
  int currentProfile = 0;
  FeedbackChooser feedback;
  int savedCursor = 0;
  // The Start screen's faces and cap take clicks: the first visit's opening speech is over, and
  // stays so when a child comes back to choose again.
  bool facesClickable = false;
  std::unique_ptr<SoundObject> questionSound;
  std::unique_ptr<SoundObject> helpSound;
  std::unique_ptr<ScreenScript> screen;
  // The six gardens' speech states, Garden1 first.
  std::array<GardenSpeech, 6> gardens;
  LearningState learning;

  ProfileRecord& Profile() { return profiles[currentProfile]; }
};

GameState& State();
// Back to the state the program starts with (tests run several games in one process).
void ResetState();

int SpeechKind();
void SetSpeechKind(int kind);
bool ModalDialog();
void SetModalDialog(bool up);
// Loads a sound into the question sound and plays it; publishes it to the controls.
void PlayQuestion(const char* name, int speechKind);

// A control's or a sound's name with a number: the number takes the place of "%d" ("AM_%d" with
// 2 is "AM_2"), or ends the name when there is none ("M" with 3 is "M3").
std::string Numbered(const char* pattern, int number);
// The control that the screen script's entry of that name created, or nullptr.
Control* ScriptedControl(const char* name);
ScriptedAnimationControl* ScriptedAnimation(const char* name);
// Plays the scripted animation of the entry of that name: its own frame script, or the speech
// `speech`. False when there is no such animation or it cannot play.
bool Animate(const char* name, const std::string& speech = {});
// Whether the event is `expected` and comes from the control of the entry of that name.
bool EventFrom(const Control* control, int32_t event, const char* name, int32_t expected);
// Dispatches message 21 with parameter 0, so that the controls and the cursor react to where
// the mouse is now.
void ReevaluateCursor();

}  // namespace rufo
