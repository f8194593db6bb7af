#pragma once

#include <cstdint>
#include <string>

#include "game/screen_ids.h"
#include "progress/record.h"

// The game's side of the progress record "rufo_progress.tsv" under the runtime root: each hook
// appends what happened to the child who plays. A record that cannot be written or read never
// stops the game: the first failure of a run is logged, the game plays on.
namespace rufo::progress {

// Now, for the record: the local date and time; in a headless run a fixed morning
// (2025-03-03 09:00:00) plus the game time, so that runs are repeatable.
Stamp Now();
std::string RecordPath();

// A mini-game judged an answer of the current child.
void Answer(ScreenId game, bool good);
// The current child earned a sticker.
void Sticker(int number);
// A screen was built: play time is written up to now, and a lesson entered from the hub or
// from a lost game is recorded.
void ScreenBuilt(ScreenId id, ScreenId previous);
// Once a tick: counts play time while a child plays (the gardens, the lessons, the album and
// the End screen), written once a minute and at every screen change.
void Tick();
// Writes the play time counted and not yet written.
void FlushPlayTime();
// The game ends: the play time is written and nothing of this game carries over to another one
// (tests play several in one process).
void GameEnded();
// The child's profile was deleted: so is their history.
void ForgetChild(int slot);
// The record as it stands, for the parents' page.
Record ReadForPage();

}  // namespace rufo::progress
