#pragma once

#include <string>

#include "tests/support/temp_folder.h"

namespace rufo::test {

// Writes a small cursor set under the folder's root (relative, ending in "/"): "Cursors.dat"
// naming Arrow, WaitArrow, WalkLeft, WalkRight, Hand and SelArrow (indices 0 to 5), all a
// 12 x 12 arrow with its tip at (0, 0): black outline, white inside, magenta around.
void WriteTestCursors(const TempFolder& folder, const std::string& root);

}  // namespace rufo::test
