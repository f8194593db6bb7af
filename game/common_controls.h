#pragma once

#include <cstdint>

#include "game/screen_ids.h"

namespace rufo {

class Control;
class ToolbarControl;
class QuestionControl;

ToolbarControl* Toolbar();
QuestionControl* Question(int32_t id);

// Creates the toolbar and the two yes/no dialogs unless they exist; all three live until the
// end. False when a picture is missing.
bool CreateCommonControls();
// Shows and enables the toolbar and offers the buttons the screen allows.
void PrepareToolbar(ScreenId id);
void HideToolbar();
// Draws the toolbar above everything the screen created, unless it is merely hidden.
void RaiseToolbar();

// Shows a yes/no dialog on top and blocks the game's input until it is answered.
void ShowDialog(int32_t id);
// Hides a dialog and forgets its answer.
void CloseDialog(int32_t id, bool disable);
// Asks whether to end the game.
void AskEndQuestion();

// Reactions of the control-event handler to the toolbar and the dialogs; true when the event
// was theirs.
bool HandleCommonEvent(Control* control, int32_t event, bool live);
// Stops the help sound if it plays; true when it did.
bool StopHelp();

}  // namespace rufo
