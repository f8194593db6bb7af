#pragma once

#include <cstdint>
#include <string>

#include "tests/support/temp_folder.h"

namespace rufo::test {

// The X display driven and read from outside, as a user sees it: xdotool for the window and the
// pointer, ImageMagick for screenshots.

// Runs a shell command and returns what it printed on standard output.
std::string Shell(const std::string& command);

// A window's position and size on the screen.
struct ScreenGeometry {
  int x = 0, y = 0, width = 0, height = 0;
};
// The window with that title; zero size when there is none.
ScreenGeometry WindowGeometry(const std::string& title);

// Moves the pointer over the game pixel (gx, gy) of the window with that title, through the
// window's scaling of the 640 x 480 game area. Returns the scale, or 0 when there is no window.
int MovePointerToGamePixel(const std::string& title, int gx, int gy);
// Presses and releases the left button where the pointer is.
void ClickLeftButton();
// Presses (down) or lets go of the left button where the pointer is.
void HoldLeftButton(bool down);

// Counts the pixels of one colour (0x00RRGGBB) in a screenshot of the whole display, kept in
// the folder; -1 when no screenshot could be taken.
int CountScreenPixels(const TempFolder& folder, uint32_t rgb);

}  // namespace rufo::test
