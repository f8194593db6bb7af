#pragma once

#include <cstdint>

#include "game/screen_ids.h"

namespace rufo {

class Control;
class ToolbarControl;
class QuestionControl;

ToolbarControl* Toolbar();
QuestionControl* Question(int32_t id);

// The toolbar's pictures come from the runtime root (falling back to the data root); it starts
// hidden and lives until the end.
inline constexpr uint32_t kToolbarFlags = 0x01 | 0x80 | 0x100;

// Creates the toolbar and the two yes/no dialogs unless they exist; all three live until the
// end. One whose picture is missing is left out, and the game goes on without it.
void CreateCommonControls();
// Shows and enables the toolbar and offers the buttons the screen allows.
void PrepareToolbar(ScreenId id);
void HideToolbar();
// Draws the toolbar above everything the screen created, unless it is merely hidden.
void RaiseToolbar();

// The answer a yes/no dialog reports for yes.
inline constexpr int kDialogYes = 0;

// Shows a yes/no dialog on top and blocks the game's input until it is answered; false (and
// nothing blocked) when the dialog does not exist.
bool ShowDialog(int32_t id);
// Hides a dialog and forgets its answer.
void CloseDialog(int32_t id, bool disable);
// Asks whether to end the game.
void AskEndQuestion();

// Reactions of the control-event handler to the toolbar and the end question; true when the
// event was theirs. Toolbar button 3 goes to the current screen's OnBack.
bool HandleCommonEvent(Control* control, int32_t event, bool live);
// Stops the help sound if it plays; true when it did.
bool StopHelp();

}  // namespace rufo
