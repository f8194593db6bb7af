#pragma once

#include <string>

#include "game/profile.h"
#include "game/screen_ids.h"

namespace rufo {

// The learning garden and the gardens' main scenes, which the walk links by the gardens'
// neighbours.
bool IsMainScene(ScreenId id);
// Where a press at x on a main scene walks to, or 0 for no walk (a hand cursor never walks).
ScreenId WalkTarget(ScreenId id, int x, int cursor);
// The walking cursor for the mouse at x on a main scene, or -1 to keep the cursor.
int WalkingCursor(int x, int cursor);
// Toolbar button 3 (back to the main scene) is offered everywhere but on main scenes, the Start
// screen and the album, which offer button 4 (the end question) instead.
bool ToolbarOffersBack(ScreenId id);
// Where a click leaves the album to: the End screen once the album is complete, the screen it
// was opened from, or after a win the main scene of that garden.
ScreenId AlbumExit(const ProfileRecord& profile, ScreenId previous);
// The face frame after a click: the next one, wrapping from the last to the first.
int NextFace(int frame, int frameCount);
// The End screen's portrait of a face picture: "H1" to "H5" or "K2" to "K4".
std::string PortraitName(int face);

}  // namespace rufo
