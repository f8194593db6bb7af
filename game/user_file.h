#pragma once

#include "game/profile.h"

namespace rufo {

// The user file "rufo_usr.dat" under the runtime root (the data root as a fallback): the four
// profile records, 224 bytes, nothing else.
inline constexpr const char* kUserFileName = "rufo_usr.dat";

// Reads up to 224 bytes over the byte image of the table from the copy that holds the last
// save: the runtime root's and the data root's copies are both looked at, a whole copy beats a
// cut one, then the later one wins, the runtime root's on a tie. A short file fills only the
// part it holds and a missing one leaves the table as it is (and is logged).
// A face number outside 0 to 7 reads as face 0 for a slot in use and as an empty slot otherwise;
// a new sticker outside 0 to 13 reads as -1 (none).
void ReadUserFile(ProfileTable& table);

// Stores the table: slots never chosen are stored (and kept) empty, and the current profile's
// album-complete byte is brought up to date first, so the file never holds a stale one. The
// file is written beside the old one and renamed over it, so a crash or a full disk leaves the
// old file whole. Where the runtime root cannot take it the data root does (logged once a run),
// dated after the other root's copy so that the next start reads it. False, and logged, when
// nothing could be written.
bool WriteUserFile(ProfileTable& table, int currentProfile);

}  // namespace rufo
